#!/usr/bin/env python3
"""Turns the rules library's message catalogue (UTF-8 TSV of lookup, error key, ids and
template) into constant C++ tables of ISO-8859-15 strings: per lookup the formal templates
indexed by id and the field type templates in file order."""
import argparse
import sys

from gen_texttable import TsvFehler, c_literal, tsv_rows


LOOKUPS = {"Default": "STANDARD", "Vast": "VAST"}
FORMAL = "-"
ANY_ID = "*"


def read_rows(path):
    """Rows (lookup, key, id or None for every id, text); stops at the first bad line."""
    rows = []
    seen = {}
    try:
        for lineno, (lookup, key, ids, text) in tsv_rows(path, 4):

            def fail(message):
                sys.exit(f"{path}:{lineno}: {message}")

            if lookup not in LOOKUPS:
                fail(f"unknown lookup {lookup!r}")
            if not key or not text:
                fail("empty error key or template")
            if ids == ANY_ID and key != FORMAL:
                numbers = [None]
            else:
                try:
                    numbers = [int(i) for i in ids.split(",")]
                except ValueError:
                    fail(f"bad ids {ids!r}")
                if min(numbers) < 1:
                    fail("ids start at 1; 0 means no error")
            taken = seen.setdefault((lookup, key), set())
            for number in numbers:
                # A key answers either every id or a list of ids, never both.
                if number in taken or None in taken or (number is None and taken):
                    fail(f"{key} {ids} given twice")
                taken.add(number)
                rows.append((lookup, key, number, text))
    except TsvFehler as e:
        sys.exit(str(e))
    return rows


def check(rows, path):
    formal = {lookup: {n for l, k, n, _ in rows if l == lookup and k == FORMAL}
              for lookup in LOOKUPS}
    highest = max(formal["Default"], default=0)
    if formal["Default"] != set(range(1, highest + 1)):
        sys.exit(f"{path}: the default formal ids must run from 1 to {highest} without a gap")
    if not formal["Vast"] <= formal["Default"]:
        sys.exit(f"{path}: VAST words formal ids that have no default text")
    keys = {lookup: {k for l, k, _, _ in rows if l == lookup and k != FORMAL} for lookup in LOOKUPS}
    if not keys["Vast"] <= keys["Default"]:
        sys.exit(f"{path}: VAST words error keys that have no default text")
    return highest


def emit(rows, highest, source):
    lines = [
        f"// Generated from {source} by tools/gen_fehlerkatalog.py; do not edit.",
        '#include "rules/Fehlerkatalog.h"',
        "",
        "namespace zudadavizu_20_0 {",
        "",
        "namespace {",
        "",
    ]
    for lookup, name in LOOKUPS.items():
        texts = {n: t for l, k, n, t in rows if l == lookup and k == FORMAL}
        lines.append(f"const char* const {name}_FORMAL[] = {{")
        for number in range(highest + 1):
            lines.append(f"    {c_literal(texts[number]) if number in texts else 'nullptr'},")
        lines.append("};")
        lines.append(f"static_assert(sizeof {name}_FORMAL / sizeof *{name}_FORMAL ==")
        lines.append("              IFormaleFehlerConstants::ID_MAX + 1);")
        lines.append(f"const FeldtypVorlage {name}_FELDTYP[] = {{")
        for l, key, number, text in rows:
            if l == lookup and key != FORMAL:
                id_text = "FeldtypVorlage::JEDE_ID" if number is None else str(number)
                lines.append(f"    {{{c_literal(key)}, {id_text},")
                lines.append(f"     {c_literal(text)}}},")
        lines.append("};")
        lines.append("")
    lines.append("}  // namespace")
    lines.append("")
    for name in LOOKUPS.values():
        lines.append(f"const Fehlerkatalog {name}_FEHLERKATALOG{{{name}_FORMAL, {name}_FELDTYP,")
        lines.append(f"    sizeof {name}_FELDTYP / sizeof *{name}_FELDTYP}};")
    lines.append("")
    lines.append("}  // namespace zudadavizu_20_0")
    return "\n".join(lines) + "\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--tsv", required=True)
    ap.add_argument("--out", required=True)
    args = ap.parse_args()
    rows = read_rows(args.tsv)
    highest = check(rows, args.tsv)
    source = "/".join(args.tsv.split("/")[-2:])
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(emit(rows, highest, source))


if __name__ == "__main__":
    main()
