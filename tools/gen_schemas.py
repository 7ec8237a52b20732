#!/usr/bin/env python3
"""Builds the four embedded XML Schemas from the templates and value lists in
schema/xsd-quellen/: fills in the namespace URIs and the enumerations, encodes
ISO-8859-15 with CR LF line ends and pads each file to its fixed byte size.

The schemas are compiled anew for every validation, so their bytes are spent
where the compiler is cheapest. Instructions per validation of a 2 KB document
(callgrind, Xerces-C 3.2.4; about 87 KB of padding in all four files):
  schemas without padding                      about 27 M
  padding as whitespace after the schema       +2.6 M   (--fuellung leerraum, default)
  padding as one annotation                    +3.9 M   (--fuellung annotation)
  padding as one comment                       +7.3 M   (--fuellung kommentar)
  enumerations derived from BaseStringSType    +5 M     (each value checked against four
                                                         patterns; ours restrict xs:string)
Each enumeration value costs about 27 K (an element, an attribute and its text
in the compiler's document tree); the 566 values are half of the total.

  gen_schemas.py [--out DIR] [--fuellung ART]   write the .xsd files (default schema/xsd/)
  gen_schemas.py --pruefen                      fail unless schema/xsd/ holds this output
"""
import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
QUELLEN = ROOT / "schema" / "xsd-quellen"
ZIEL = ROOT / "schema" / "xsd"

NAMESPACES = {
    "NS_TRANSFER": "http://divide-vira.example/arbel/transfer",
    "NS_HEADERBASIS": "http://divide-vira.example/arbel/headerbasis",
}

# File name and fixed byte size of each schema.
SCHEMAS = [
    ("arbel0810_bisNH_extern.xsd", 2300),
    ("th000008_extern.xsd", 16219),
    ("ndh000010_extern.xsd", 10197),
    ("headerbasis000002.xsd", 90470),
]
# Number of values each value list must give.
WERTELISTEN = {"bundeslaender": 26, "vorgaenge": 13, "testmerker": 36, "verfahren": 56,
               "datenarten": 435}

BEREICH = re.compile(r"\{(\d+)\.\.(\d+)\}")


def werte(name):
    """Values of a list file; '{A..B}' expands to A..B, zero-padded to the width of A."""
    ergebnis = []
    for zeile in (QUELLEN / f"{name}.txt").read_text(encoding="utf-8").splitlines():
        zeile = zeile.strip()
        if not zeile or zeile.startswith("#"):
            continue
        m = BEREICH.search(zeile)
        if m is None:
            ergebnis.append(zeile)
            continue
        breite = len(m.group(1))
        for n in range(int(m.group(1)), int(m.group(2)) + 1):
            ergebnis.append(zeile[:m.start()] + str(n).zfill(breite) + zeile[m.end():])
    if len(ergebnis) != WERTELISTEN[name] or len(set(ergebnis)) != len(ergebnis):
        sys.exit(f"{name}.txt: expected {WERTELISTEN[name]} distinct values, got {len(ergebnis)}")
    return ergebnis


def aufzaehlung(name):
    return "\n".join(f'      <xs:enumeration value="{w}"/>' for w in werte(name))


def fuellung(art, anzahl):
    """Exactly anzahl bytes of padding of the given kind, ending in CR LF."""
    if anzahl == 0:
        return b""
    kopf, fuss = {
        "leerraum": (b"", b"\r\n"),
        "kommentar": (b"<!-- Reserve", b" -->\r\n"),
        "annotation": (b"<xs:annotation><xs:documentation>Reserve",
                       b"</xs:documentation></xs:annotation>\r\n"),
    }[art]
    rest = anzahl - len(kopf) - len(fuss)
    if rest < 0:
        sys.exit(f"no room for {art} padding ({anzahl} bytes)")
    zeile = b" " * 78 + b"\r\n"
    zeilen, ueberhang = divmod(rest, len(zeile))
    return kopf + b" " * ueberhang + zeile * zeilen + fuss


def schema(datei, groesse, art):
    text = (QUELLEN / f"{datei}.in").read_text(encoding="utf-8")
    for platzhalter, uri in NAMESPACES.items():
        text = text.replace(f"@@{platzhalter}@@", uri)
    text = re.sub(r"@@ENUM:(\w+)@@", lambda m: aufzaehlung(m.group(1)), text)
    kopf, _, _ = text.partition("@@PADDING@@")
    inhalt = kopf.replace("\n", "\r\n").encode("iso-8859-15")
    if len(inhalt) > groesse:
        sys.exit(f"{datei}: content of {len(inhalt)} bytes exceeds {groesse}")
    if art == "annotation":
        # An annotation must sit inside the schema element.
        ende = inhalt.rindex(b"</xs:schema>")
        return inhalt[:ende] + fuellung(art, groesse - len(inhalt)) + inhalt[ende:]
    return inhalt + fuellung(art, groesse - len(inhalt))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    ap.add_argument("--out", type=pathlib.Path, default=ZIEL)
    ap.add_argument("--pruefen", action="store_true")
    ap.add_argument("--fuellung", choices=["leerraum", "kommentar", "annotation"],
                    default="leerraum")
    args = ap.parse_args()

    fehler = 0
    for datei, groesse in SCHEMAS:
        daten = schema(datei, groesse, args.fuellung)
        assert len(daten) == groesse, datei
        ziel = args.out / datei
        if args.pruefen:
            if not ziel.exists() or ziel.read_bytes() != daten:
                print(f"{ziel} is not the output of tools/gen_schemas.py", file=sys.stderr)
                fehler = 1
        else:
            ziel.parent.mkdir(parents=True, exist_ok=True)
            ziel.write_bytes(daten)
    return fehler


if __name__ == "__main__":
    sys.exit(main())
