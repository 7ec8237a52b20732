#!/usr/bin/env python3
"""Embeds XML Schema files as constant byte arrays (no terminating NUL) with
their system ids, in the order given on the command line.

  embed_schemas.py --out FILE.cpp --header schema/EingebetteteSchemas.h SYSTEMID=PATH...
"""
import argparse
import pathlib


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", required=True, type=pathlib.Path)
    ap.add_argument("--header", required=True)
    ap.add_argument("schemas", nargs="+", metavar="SYSTEMID=PATH")
    args = ap.parse_args()

    quellen = [s.partition("=")[::2] for s in args.schemas]
    namen = ", ".join(pathlib.Path(p).name for _, p in quellen)
    zeilen = [
        f"// Generated from schema/xsd/ ({namen}) by tools/embed_schemas.py; do not edit.",
        f'#include "{args.header}"',
        "",
        "namespace PLUGIN_NAMESPACE {",
        "namespace {",
    ]
    for i, (_, pfad) in enumerate(quellen):
        daten = pathlib.Path(pfad).read_bytes()
        zeilen.append(f"const XMLByte SCHEMA_{i}[{len(daten)}] = {{")
        for start in range(0, len(daten), 20):
            zeilen.append("  " + ",".join(str(b) for b in daten[start:start + 20]) + ",")
        zeilen.append("};")
    zeilen += ["}  // namespace", "",
               f"const EingebettetesSchema EINGEBETTETE_SCHEMAS[{len(quellen)}] = {{"]
    for i, (system_id, _) in enumerate(quellen):
        zeilen.append(f'  {{"{system_id}", SCHEMA_{i}, sizeof SCHEMA_{i}}},')
    zeilen += ["};", "", "}  // namespace PLUGIN_NAMESPACE", ""]
    args.out.write_text("\n".join(zeilen), encoding="ascii")


if __name__ == "__main__":
    main()
