#!/usr/bin/env python3
"""Turns a UTF-8 TSV of (code, [name,] text[, flag]) rows into a constant C++ array of
ISO-8859-15 strings, and the named codes into a header of constants. Rows must be
sorted by strictly ascending code; a name of "-" gives no constant."""
import argparse
import sys


def c_literal(text: str) -> str:
    """An ordinary C string literal of text, written in UTF-8: the compiler turns it
    into the execution charset (ISO-8859-15 with g++, which refuses a character
    outside it), exactly as it does the literals of the hand-written code, so that
    generated and written texts compare equal in every build. Control characters
    are three-digit octal escapes, which never swallow a following digit."""
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ord(ch) < 0x20:
            out.append("\\%03o" % ord(ch))
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


class TsvFehler(ValueError):
    """A row of a TSV file that a generator cannot use; the text names file and line."""


def tsv_rows(path, columns):
    """(line number, fields) of each row of a UTF-8 TSV, skipping blank lines and
    comments; raises TsvFehler for a row without the given column count."""
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != columns:
                raise TsvFehler(f"{path}:{lineno}: expected {columns} columns")
            yield lineno, parts


def read_rows(path, with_names, with_flag):
    """(code, name or None, text, flag or None) rows, strictly ascending by code."""
    rows = []
    for lineno, parts in tsv_rows(path, 2 + with_names + with_flag):
        code = int(parts[0])
        if rows and code <= rows[-1][0]:
            raise TsvFehler(f"{path}:{lineno}: code {code} not ascending")
        name = parts.pop(1) if with_names else None
        if name is not None and not name.isidentifier() and name != "-":
            raise TsvFehler(f"{path}:{lineno}: name {name!r} is no identifier")
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

    try:
        rows = read_rows(args.tsv, args.names is not None, args.flags)
    except TsvFehler as e:
        sys.exit(str(e))
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
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    if args.names:
        with open(args.names, "w", encoding="ascii") as f:
            f.write(constants_header(rows, source, args.names_namespace))


if __name__ == "__main__":
    main()
