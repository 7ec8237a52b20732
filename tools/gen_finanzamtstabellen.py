#!/usr/bin/env python3
"""Turns the tax office directory (UTF-8 TSV files in taxoffice/data/) into the
module's constant ISO-8859-15 tables. Rejects what the lookups could not cope
with: overlong fields, unsorted or duplicate numbers, a record whose
BuFaNummer disagrees with its key, a test office that is also a record or a
list entry; and records without a name, with an IBAN that does not fit, or
referring to an office without a record."""
import argparse
import os
import re
import sys

from gen_texttable import TsvFehler, c_literal, tsv_rows

# The 31 record fields in order, with their capacity in characters (without
# the NUL): the one list of them. --felder-header writes it as the C++ list of
# the record table; the header comment of finanzaemter.tsv and the host
# interface's list of the 30 fields after BuFaNummer are checked against it.
FELDER = [
    ("BuFaNummer", 4), ("Name", 100), ("NamensZusatz", 30), ("Strasse", 30),
    ("Plz", 5), ("Ort", 24), ("Telefon", 20), ("Telefax", 20), ("PlzZusatz", 5),
    ("PlzPostfach", 5), ("Postfach", 10), ("Blz1", 8), ("Konto1", 15),
    ("Bank1", 30), ("Iban1", 22), ("Bic1", 11), ("KontoBuFaNummer1", 4),
    ("Blz2", 8), ("Konto2", 15), ("Bank2", 30), ("Iban2", 22), ("Bic2", 11),
    ("KontoBuFaNummer2", 4), ("Oeffnungszeiten", 200), ("EMail", 50),
    ("EMail2", 70), ("Internet", 60), ("Internet2", 70), ("Bemerkung", 300),
    ("BezugBuFaNummer", 4), ("BezugText", 62),
]


class DatenFehler(Exception):
    pass


def lies_tsv(pfad, spalten):
    """Rows of a TSV file without comment lines; every row has `spalten` columns."""
    zeilen = []
    try:
        for nr, teile in tsv_rows(pfad, spalten):
            try:
                for t in teile:
                    t.encode("iso-8859-15")
            except UnicodeEncodeError as e:
                raise DatenFehler(f"{pfad}:{nr}: nicht in ISO-8859-15 darstellbar: {e}")
            zeilen.append((nr, teile))
    except TsvFehler as e:
        raise DatenFehler(str(e))
    return zeilen


def pruefe_spaltenkopf(pfad):
    """The comment line naming the columns of finanzaemter.tsv lists FELDER."""
    kopf = "# " + "\t".join(name for name, _ in FELDER)
    with open(pfad, encoding="utf-8") as f:
        kommentare = [z.rstrip("\n") for z in f if z.startswith("#")]
    if kopf not in kommentare:
        raise DatenFehler(f"{pfad}: keine Kommentarzeile mit den Spalten {kopf[2:]!r}")


def felder_header(schnittstelle, ausgabe):
    """Writes DV_FINANZAMT_FELDER(X), X(name, capacity) per field; first checks that the
    host interface's VESK_FINANZAMTSDATEN_FELDER lists the fields after BuFaNummer."""
    with open(schnittstelle, encoding="utf-8") as f:
        text = f.read()
    anfang = text.find("#define VESK_FINANZAMTSDATEN_FELDER(X)")
    ende = text.find("\n\n", anfang)
    if anfang < 0 or ende < 0:
        raise DatenFehler(f"{schnittstelle}: VESK_FINANZAMTSDATEN_FELDER fehlt")
    genannt = re.findall(r"X\((\w+)\)", text[anfang:ende])
    if genannt != [name for name, _ in FELDER[1:]]:
        raise DatenFehler(f"{schnittstelle}: Felder {genannt} statt {FELDER[1:]}")
    z = [
        "// Generated from the field list of tools/gen_finanzamtstabellen.py; do not edit.",
        "#pragma once",
        "",
        "// The 31 text fields of a tax office record with their capacity in characters.",
        "#define DV_FINANZAMT_FELDER(X) \\",
    ]
    z += [f"  X({name}, {breite}) \\" for name, breite in FELDER]
    z.append("")
    with open(ausgabe, "w", encoding="ascii") as f:
        f.write("\n".join(z) + "\n")


def als_zahl(pfad, nr, text):
    if not text.isdigit():
        raise DatenFehler(f"{pfad}:{nr}: keine Nummer: {text!r}")
    return int(text)


def pruefe_aufsteigend(pfad, nummern):
    for (nr, a), (_, b) in zip(nummern, nummern[1:]):
        if b <= a:
            raise DatenFehler(f"{pfad}: Nummer {b} nach {a} (Zeile {nr}) nicht aufsteigend")


def pruefe_satz(nr, s, satznummern):
    """A record needs a name; each account an IBAN that is bank code and account number
    with valid check digits (an account may be empty); every office number it
    refers to is a record."""
    if not s["Name"]:
        raise DatenFehler(f"finanzaemter.tsv:{nr}: ohne Name")
    for k in ("1", "2"):
        iban, konto = s["Iban" + k], s["Konto" + k].replace(" ", "")
        if not iban:
            continue
        bban = s["Blz" + k] + konto.zfill(10)
        if iban[4:] != bban or int(bban + "1314" + iban[2:4]) % 97 != 1:
            raise DatenFehler(f"finanzaemter.tsv:{nr}: IBAN {iban!r} passt nicht")
    for feld in ("KontoBuFaNummer1", "KontoBuFaNummer2", "BezugBuFaNummer"):
        if s[feld] and int(s[feld]) not in satznummern:
            raise DatenFehler(f"finanzaemter.tsv:{nr}: {feld} {s[feld]} ohne Datensatz")


def lies_verzeichnis(daten):
    p = lambda name: os.path.join(daten, name)
    laender = [(als_zahl(p("bundeslaender.tsv"), nr, t[0]), t[1], t[2])
               for nr, t in lies_tsv(p("bundeslaender.tsv"), 3)]
    landliste = [(als_zahl(p("landliste.tsv"), nr, t[0]), t[1])
                 for nr, t in lies_tsv(p("landliste.tsv"), 2)]

    listen = {}
    for nr, t in lies_tsv(p("finanzamtslisten.tsv"), 3):
        land = als_zahl(p("finanzamtslisten.tsv"), nr, t[0])
        nummer = als_zahl(p("finanzamtslisten.tsv"), nr, t[1])
        if nummer // 100 != land:
            raise DatenFehler(f"finanzamtslisten.tsv:{nr}: {nummer} gehört nicht zu {land}")
        listen.setdefault(land, []).append((nr, nummer, t[2]))
    for land, eintraege in listen.items():
        pruefe_aufsteigend(f"finanzamtslisten.tsv (Land {land})", [(e[0], e[1]) for e in eintraege])

    herkunft = lies_tsv(p("verzeichnisherkunft.tsv"), 2)
    if len(herkunft) != 1 or herkunft[0][1][0] not in ("ja", "nein"):
        raise DatenFehler("verzeichnisherkunft.tsv: eine Zeile erwartet: ja|nein, Text")
    herkunft = (herkunft[0][1][0] == "ja", herkunft[0][1][1])

    test = [(nr, als_zahl(p("testfinanzaemter.tsv"), nr, t[0]), t[1])
            for nr, t in lies_tsv(p("testfinanzaemter.tsv"), 2)]
    pruefe_aufsteigend("testfinanzaemter.tsv", [(e[0], e[1]) for e in test])

    pruefe_spaltenkopf(p("finanzaemter.tsv"))
    satz = []
    for nr, t in lies_tsv(p("finanzaemter.tsv"), len(FELDER)):
        for (name, breite), wert in zip(FELDER, t):
            if len(wert) > breite:
                raise DatenFehler(f"finanzaemter.tsv:{nr}: {name} länger als {breite}: {wert!r}")
        if len(t[0]) != 4 or not t[0].isdigit():
            raise DatenFehler(f"finanzaemter.tsv:{nr}: BuFaNummer {t[0]!r} nicht vierstellig")
        satz.append((nr, int(t[0]), t))
    pruefe_aufsteigend("finanzaemter.tsv", [(s[0], s[1]) for s in satz])

    satznummern = {s[1] for s in satz}
    for nr, _, t in satz:
        pruefe_satz(nr, dict(zip((f for f, _ in FELDER), t)), satznummern)
    listennummern = {e[1] for eintraege in listen.values() for e in eintraege}
    for nr, nummer, _ in test:
        if nummer in satznummern or nummer in listennummern:
            raise DatenFehler(f"testfinanzaemter.tsv:{nr}: {nummer} ist auch Finanzamt")
    ohne_satz = sorted(listennummern - satznummern)
    if ohne_satz:
        raise DatenFehler(f"finanzamtslisten.tsv: ohne Datensatz: {ohne_satz}")
    return laender, landliste, listen, test, satz, herkunft


def listen_literal(name, eintraege):
    zeilen = [f"const FinanzamtListenEintrag {name}[] = {{"]
    zeilen += [f"    {{{nummer}, {c_literal(text)}}}," for nummer, text in eintraege]
    zeilen += ['    {0, ""},', "};"]
    return zeilen


def erzeuge(daten, ausgabe):
    laender, landliste, listen, test, satz, (ersatz, herkunft) = lies_verzeichnis(daten)
    z = [
        "// Generated from taxoffice/data/*.tsv by tools/gen_finanzamtstabellen.py; do not edit.",
        '#include "taxoffice/Finanzamtstabellen.h"',
        '#include "taxoffice/Verzeichnisherkunft.h"',
        "",
        "namespace vesk::divideVira {",
        "",
        f"const char* const FINANZAMTSVERZEICHNIS_HERKUNFT = {c_literal(herkunft)};",
        f"const bool FINANZAMTSVERZEICHNIS_IST_ERSATZ = {'true' if ersatz else 'false'};",
        "",
    ]
    z += ["const BundeslandZeile BUNDESLAND_TABELLE[] = {"]
    z += [f"    {{{n}, {c_literal(name)}, {c_literal(k)}}}," for n, name, k in laender]
    z += ["};", f"const std::size_t BUNDESLAND_TABELLE_ANZAHL = {len(laender)};", ""]
    z += listen_literal("FINANZAMT_LAND_LISTE", landliste)
    z += [""]
    z += listen_literal("TESTFINANZAMT_LISTE", [(n, name) for _, n, name in test])
    z += ["", "namespace {"]
    for land in sorted(listen):
        z += listen_literal(f"LISTE_{land}", [(n, name) for _, n, name in listen[land]])
    z += ["}  // namespace", "", "const FinanzamtListe FINANZAMT_LISTEN[] = {"]
    z += [f"    {{{land}, LISTE_{land}}}," for land in sorted(listen)]
    z += ["};", f"const std::size_t FINANZAMT_LISTEN_ANZAHL = {len(listen)};", ""]
    z += ["const FinanzamtEintrag FINANZAMT_EINTRAEGE[] = {"]
    for _, nummer, felder in satz:
        z.append(f"    {{{nummer},")
        z += [f"     {c_literal(wert)}," for wert in felder]
        z.append("    },")
    z += ["};", f"const std::size_t FINANZAMT_EINTRAEGE_ANZAHL = {len(satz)};", "",
          "}  // namespace vesk::divideVira"]
    with open(ausgabe, "w", encoding="utf-8") as f:
        f.write("\n".join(z) + "\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--daten", help="directory with the TSV files")
    ap.add_argument("--out", help="the tables' C++ file to write")
    ap.add_argument("--felder-header", help="instead: the field list's header to write")
    ap.add_argument("--schnittstelle", help="with --felder-header: the host record interface")
    args = ap.parse_args()
    try:
        if args.felder_header:
            felder_header(args.schnittstelle, args.felder_header)
        else:
            erzeuge(args.daten, args.out)
    except DatenFehler as e:
        sys.exit(f"gen_finanzamtstabellen: {e}")


if __name__ == "__main__":
    main()
