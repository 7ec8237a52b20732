#!@DV_PYTHON_EXECUTABLE@
"""dividevira against python-stdnum on the same values, and pruefe_viele in bulk.

Prints a table, or with --benchmark_format=json the JSON of the C++ benchmarks (medians of
--benchmark_repetitions runs, CPU time), so that tools/perf_report.py takes it like them."""
import argparse
import collections
import json
import statistics
import sys
import time

sys.path.insert(0, "@DV_PYTHON_PFAD@")

from stdnum import iban as std_iban  # noqa: E402
from stdnum.de import idnr as std_idnr, stnr as std_stnr  # noqa: E402

import dividevira  # noqa: E402
from dividevira import iban, idnr, stnr  # noqa: E402


def werte_mit_pruefziffern(koerper):
    return [koerper + str(p) for p in range(10)]


IBANS = [f"DE{p:02d}37040044053201{k:04d}" for p in range(0, 100, 7) for k in range(0, 10000, 700)]
IDNRS = [w for k in ("8609574271", "4703689281", "1234567890", "5739261804")
         for w in werte_mit_pruefziffern(k)]
STNRS = [w for k in ("112701234567", "218150815015", "930800000000", "281501234567")
         for w in werte_mit_pruefziffern(k)]
VIELE = (IBANS * (100000 // len(IBANS) + 1))[:100000]


def miss(funktion, werte, min_zeit):
    """CPU ns per value of one run lasting at least min_zeit seconds."""
    runden, start = 0, time.process_time()
    while True:
        collections.deque(map(funktion, werte), maxlen=0)  # the least loop overhead
        runden += 1
        dauer = time.process_time() - start
        if dauer >= min_zeit:
            return dauer * 1e9 / (runden * len(werte))


def miss_viele(min_zeit):
    runden, start = 0, time.process_time()
    while True:
        dividevira.pruefe_viele("IBAN", VIELE)
        runden += 1
        dauer = time.process_time() - start
        if dauer >= min_zeit:
            return dauer * 1e9 / (runden * len(VIELE))


FAELLE = [
    ("iban.is_valid/dividevira", lambda z: miss(iban.is_valid, IBANS, z)),
    ("iban.is_valid/stdnum", lambda z: miss(std_iban.is_valid, IBANS, z)),
    ("idnr.is_valid/dividevira", lambda z: miss(idnr.is_valid, IDNRS, z)),
    ("idnr.is_valid/stdnum", lambda z: miss(std_idnr.is_valid, IDNRS, z)),
    ("stnr.is_valid/dividevira", lambda z: miss(stnr.is_valid, STNRS, z)),
    ("stnr.is_valid/stdnum", lambda z: miss(std_stnr.is_valid, STNRS, z)),
    ("pruefe_viele_IBAN_100000/dividevira", miss_viele),
]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--benchmark_format", default="console")
    ap.add_argument("--benchmark_min_time", default="0.5")
    ap.add_argument("--benchmark_repetitions", type=int, default=3)
    ap.add_argument("--benchmark_report_aggregates_only", default="true")
    args = ap.parse_args()
    min_zeit = float(str(args.benchmark_min_time).rstrip("s"))
    ergebnisse = {}
    for name, messung in FAELLE:
        ergebnisse[name] = statistics.median(messung(min_zeit)
                                             for _ in range(args.benchmark_repetitions))
    if args.benchmark_format == "json":
        print(json.dumps({"benchmarks": [
            {"run_name": name, "aggregate_name": "median", "cpu_time": ns, "time_unit": "ns"}
            for name, ns in ergebnisse.items()]}))
        return
    for name, ns in ergebnisse.items():
        print(f"{name:40} {ns:12.1f} ns {1e9 / ns:14,.0f}/s")
    for art in ("iban", "idnr", "stnr"):
        faktor = ergebnisse[f"{art}.is_valid/stdnum"] / ergebnisse[f"{art}.is_valid/dividevira"]
        print(f"{art}.is_valid: {faktor:.0f} times as fast as stdnum")


if __name__ == "__main__":
    main()
