#!/usr/bin/env python3
"""Runs every benchmark binary of a build and prints one table (operation, calls
per second, ns per call); also writes it as Markdown."""
import argparse
import json
import os
import platform
import subprocess
import sys


def benchmark_binaries(build_dir):
    root = os.path.join(build_dir, "bench")
    for sub in sorted(os.listdir(root)) if os.path.isdir(root) else []:
        path = os.path.join(root, sub)
        if not os.path.isdir(path) or sub == "CMakeFiles":
            continue
        for name in sorted(os.listdir(path)):
            exe = os.path.join(path, name)
            if "bench" in name and os.path.isfile(exe) and os.access(exe, os.X_OK):
                yield exe


def run(exe, min_time, repetitions):
    # The median of several runs: a shared machine's odd slow run moves it least.
    out = subprocess.run([exe, "--benchmark_format=json", f"--benchmark_min_time={min_time}",
                          f"--benchmark_repetitions={repetitions}",
                          "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True).stdout
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
        # CPU time, so that other load on the machine distorts the figures less;
        # a benchmark that checks several values per iteration reports items.
        cpu_ns = b["cpu_time"] * scale
        per_second = b.get("items_per_second") or (1e9 / cpu_ns if cpu_ns else 0)
        yield f"{os.path.basename(exe)}: {b['run_name']}", per_second, 1e9 / per_second


def machine():
    model = ""
    try:
        with open("/proc/cpuinfo") as f:
            model = next(l.split(":", 1)[1].strip() for l in f if l.startswith("model name"))
    except (OSError, StopIteration):
        pass
    return f"{model or platform.processor()}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default="build")
    ap.add_argument("--out", default="build/performance.md")
    ap.add_argument("--min-time", default="0.2")
    ap.add_argument("--repetitions", default="5")
    args = ap.parse_args()

    rows = []
    for exe in benchmark_binaries(args.build):
        print(f"running {os.path.relpath(exe)} ...", file=sys.stderr)
        rows.extend(run(exe, args.min_time, args.repetitions))
    if not rows:
        sys.exit("no benchmarks found; build first (./dv build)")

    width = max(len(r[0]) for r in rows)
    lines = [f"Measured on: {machine()}", "",
             f"| {'operation'.ljust(width)} | calls per second | ns per call (CPU) |",
             f"|{'-' * (width + 2)}|-----------------:|-----------------:|"]
    for name, per_second, ns in rows:
        lines.append(f"| {name.ljust(width)} | {per_second:16,.0f} | {ns:16,.1f} |")
    table = "\n".join(lines)
    print(table)
    os.makedirs(os.path.dirname(args.out) or ".", exist_ok=True)
    with open(args.out, "w") as f:
        f.write("# Performance\n\nWritten by `tools/perf_report.py` (`./dv bench`): medians of "
                f"{args.repetitions} runs. The README's Performance table, with the targets, is "
                "the one kept record; this is the whole run it was taken from.\n\n" + table + "\n")


if __name__ == "__main__":
    main()
