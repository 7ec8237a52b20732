#!/usr/bin/env python3
"""Turns a UTF-8 TSV of (code, text[, flag]) rows into a constant C++ array of
ISO-8859-15 strings. Rows must be sorted by strictly ascending code."""
import argparse
import sys


def c_literal(text: str) -> str:
    """A C string literal of the ISO-8859-15 bytes of text; octal escapes never
    swallow a following digit the way hex escapes would."""
    out = []
    for byte in text.encode("iso-8859-15"):
        ch = chr(byte)
        if ch in '"\\?':
            out.append("\\" + ch)
        elif 0x20 <= byte < 0x7F:
            out.append(ch)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def read_rows(path, with_flag):
    rows = []
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != (3 if with_flag else 2):
                sys.exit(f"{path}:{lineno}: expected {3 if with_flag else 2} columns")
            code = int(parts[0])
            if rows and code <= rows[-1][0]:
                sys.exit(f"{path}:{lineno}: code {code} not ascending")
            flag = int(parts[2]) if with_flag else None
            rows.append((code, parts[1], flag))
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--tsv", required=True)
    ap.add_argument("--array", required=True, help="qualified array name")
    ap.add_argument("--header", required=True, help="header declaring the array")
    ap.add_argument("--out", required=True)
    ap.add_argument("--flags", action="store_true", help="third column is a flag")
    args = ap.parse_args()

    rows = read_rows(args.tsv, args.flags)
    ns, _, name = args.array.rpartition("::")
    lines = [
        f"// Generated from {args.tsv.split('/')[-2]}/{args.tsv.split('/')[-1]} "
        "by tools/gen_texttable.py; do not edit.",
        f'#include "{args.header}"',
        "",
    ]
    if ns:
        lines.append(f"namespace {ns} {{")
    lines.append(f"const FehlertextEintrag {name}[] = {{")
    for code, text, flag in rows:
        lines.append(f"    {{{code}, {c_literal(text)}, {flag or 0}}},")
    lines.append("};")
    lines.append(f"const std::size_t {name}_ANZAHL = {len(rows)};")
    if ns:
        lines.append(f"}}  // namespace {ns}")
    with open(args.out, "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
