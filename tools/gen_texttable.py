#!/usr/bin/env python3
"""Turns a UTF-8 TSV of (code, [name,] text[, flag]) rows into a constant C++ array of
ISO-8859-15 strings, and the named codes into a header of constants. Rows must be
sorted by strictly ascending code; a name of "-" gives no constant."""
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


def tsv_rows(path, columns):
    """(line number, fields) of each row of a UTF-8 TSV, skipping blank lines and
    comments; exits naming the line when a row has not the given column count."""
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != columns:
                sys.exit(f"{path}:{lineno}: expected {columns} columns")
            yield lineno, parts


def read_rows(path, with_names, with_flag):
    """(code, name or None, text, flag or None) rows, strictly ascending by code."""
    rows = []
    for lineno, parts in tsv_rows(path, 2 + with_names + with_flag):
        code = int(parts[0])
        if rows and code <= rows[-1][0]:
            sys.exit(f"{path}:{lineno}: code {code} not ascending")
        name = parts.pop(1) if with_names else None
        if name is not None and not name.isidentifier() and name != "-":
            sys.exit(f"{path}:{lineno}: name {name!r} is no identifier")
        flag = int(parts[2]) if with_flag else None
        rows.append((code, None if name == "-" else name, parts[1], flag))
    return rows


def constants_header(rows, source, ns):
    lines = [
        f"// Generated from {source} by tools/gen_texttable.py; do not edit.",
        "#pragma once",
        "",
        f"namespace {ns} {{",
    ]
    lines += [f"inline constexpr int k{name} = {code};" for code, name, _, _ in rows if name]
    lines.append(f"}}  // namespace {ns}")
    return "\n".join(lines) + "\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--tsv", required=True)
    ap.add_argument("--array", required=True, help="qualified array name")
    ap.add_argument("--header", required=True, help="header declaring the array")
    ap.add_argument("--out", required=True)
    ap.add_argument("--flags", action="store_true", help="last column is a flag")
    ap.add_argument("--names", help="second column names codes: header of constants to write")
    ap.add_argument("--names-namespace", default="vesk::divideVira::hostcode")
    args = ap.parse_args()

    rows = read_rows(args.tsv, args.names is not None, args.flags)
    source = "/".join(args.tsv.split("/")[-2:])
    ns, _, name = args.array.rpartition("::")
    lines = [
        f"// Generated from {source} by tools/gen_texttable.py; do not edit.",
        f'#include "{args.header}"',
        "",
    ]
    if ns:
        lines.append(f"namespace {ns} {{")
    lines.append(f"const FehlertextEintrag {name}[] = {{")
    for code, _, text, flag in rows:
        lines.append(f"    {{{code}, {c_literal(text)}, {flag or 0}}},")
    lines.append("};")
    lines.append(f"const std::size_t {name}_ANZAHL = {len(rows)};")
    if ns:
        lines.append(f"}}  // namespace {ns}")
    with open(args.out, "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")
    if args.names:
        with open(args.names, "w", encoding="ascii") as f:
            f.write(constants_header(rows, source, args.names_namespace))


if __name__ == "__main__":
    main()
