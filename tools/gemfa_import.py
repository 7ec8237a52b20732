#!/usr/bin/env python3
"""Builds the tax office directory from the tax administration's GemFA XML
export: writes finanzaemter.tsv, finanzamtslisten.tsv, testfinanzaemter.tsv and
verzeichnisherkunft.tsv into a directory, in the layout of taxoffice/data that
gen_finanzamtstabellen.py reads, beside copies of the Land tables.

Elements and attributes are read by local name; what is not known here is
passed over and named once. One record per Finanzamt: number and name, the
street address, telephone, fax, e-mail and web address; every other field stays
empty. The selection list of a Land key holds every office of the key except
the special offices, which stay records only. Test offices come from the
bundled list, less any number that the export has as an office.

A text too long for its field, a text outside ISO-8859-15 or with a control
character, an office without a name, a number that is not four digits or
occurs twice stops the import with a message naming the office and the field.
With --kuerzen an overlong street is shortened as the build reports: the words
of KUERZUNGEN are abbreviated one after the other until it fits ("straße" to
"str.", "Promenade" to "Prom.", ...); the house number stays whole.

Usage: tools/gemfa_import.py --export FILE --ziel DIR [--kuerzen] [--gebuendelt taxoffice/data]"""
import argparse
import datetime
import os
import re
import shutil
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gen_finanzamtstabellen import FELDER  # noqa: E402

BREITE = dict(FELDER)
XSI_TYPE = "{http://www.w3.org/2001/XMLSchema-instance}type"
# Known elements, each with its parent and its known attributes (by local name).
BEKANNT = {
    "GemfaExport": (None, set()),
    "FinanzamtListe": ("GemfaExport", set()),
    "Finanzamt": ("FinanzamtListe", {"BuFaNr", "Name"}),
    "AdresseListe": ("Finanzamt", set()),
    "Adresse": ("AdresseListe", {XSI_TYPE, "Strasse", "HausNr", "HausNrZusatz", "PLZ", "Ort"}),
    "KontaktListe": ("Finanzamt", set()),
    "Kontakt": ("KontaktListe", {"Bezeichnung", "Inhalt"}),
}
KONTAKTE = {"Tel": "Telefon", "Fax": "Telefax", "Mail": "EMail", "URL": "Internet"}
SONDERAEMTER = [range(2380, 2394), range(5170, 5177)]  # records, never in a selection list
KUERZUNGEN = [("straße", "str."), ("Straße", "Str."), ("strasse", "str."), ("Strasse", "Str."),
              ("promenade", "prom."), ("Promenade", "Prom."), ("platz", "pl."), ("Platz", "Pl.")]


class ImportFehler(Exception):
    pass


def lokal(name):
    return name.rsplit("}", 1)[-1].rsplit(":", 1)[-1]


class Import:
    def __init__(self, kuerzen=False):
        self.kuerzen = kuerzen
        self.aemter = {}  # number -> record fields
        self.uebergangen = []  # what was passed over, each named once
        self.meldungen = []  # shortenings and test offices dropped

    def melde_unbekannt(self, text):
        if text not in self.uebergangen:
            self.uebergangen.append(text)

    def lies(self, pfad):
        pfade, ueberspringen, amt = [], 0, None
        try:
            for ereignis, e in ET.iterparse(pfad, events=("start", "end")):
                name = lokal(e.tag)
                if ereignis == "end":
                    pfade.pop()
                    if ueberspringen:
                        ueberspringen -= 1
                    elif name == "Finanzamt":
                        self.uebernimm(amt)
                        e.clear()
                    continue
                eltern = pfade[-1] if pfade else None
                pfade.append(name)
                if ueberspringen or BEKANNT.get(name, ("",))[0] != eltern:
                    if not ueberspringen:
                        self.melde_unbekannt(f"Element {name} in {eltern or 'Wurzel'}")
                    ueberspringen += 1
                    continue
                attribute = {}
                for a, wert in e.attrib.items():
                    a = a if a == XSI_TYPE else lokal(a)
                    if a in BEKANNT[name][1]:
                        attribute[a] = wert
                    else:
                        self.melde_unbekannt(f"Attribut {lokal(a)} von {name}")
                if name == "Finanzamt":
                    amt = {"attribute": attribute, "adressen": [], "kontakte": []}
                elif name == "Adresse":
                    amt["adressen"].append(attribute)
                elif name == "Kontakt":
                    amt["kontakte"].append(attribute)
        except ET.ParseError as fehler:
            raise ImportFehler(f"{pfad}: kein wohlgeformtes XML: {fehler}")
        except OSError as fehler:
            raise ImportFehler(f"{pfad}: {fehler.strerror}")

    def uebernimm(self, amt):
        nummer = amt["attribute"].get("BuFaNr", "")
        if len(nummer) != 4 or not nummer.isascii() or not nummer.isdigit():
            raise ImportFehler(f"Finanzamt {amt['attribute'].get('Name', '')!r}: "
                               f"BuFaNummer {nummer!r} nicht vierstellig")
        if int(nummer) in self.aemter:
            raise ImportFehler(f"Finanzamt {nummer}: BuFaNummer doppelt")
        s = dict.fromkeys(BREITE, "")
        s["BuFaNummer"], s["Name"] = nummer, amt["attribute"].get("Name", "")
        if not s["Name"].strip():
            raise ImportFehler(f"Finanzamt {nummer}: Name fehlt")
        hausanschriften = [a for a in amt["adressen"] if lokal(a.get(XSI_TYPE, "")) ==
                           "HausanschriftType"]
        for a in amt["adressen"]:
            if a not in hausanschriften:
                self.melde_unbekannt(f"Adresse vom Typ {lokal(a.get(XSI_TYPE, '')) or '(ohne)'}")
        if len(hausanschriften) > 1:
            self.melde_unbekannt("weitere Hausanschriften eines Finanzamts (die erste gilt)")
        if hausanschriften:
            a = hausanschriften[0]
            strasse = f"{a.get('Strasse', '')} {a.get('HausNr', '')}{a.get('HausNrZusatz', '')}"
            s["Strasse"] = " ".join(strasse.split())
            s["Plz"], s["Ort"] = a.get("PLZ", ""), a.get("Ort", "")
        for k in amt["kontakte"]:
            feld = KONTAKTE.get(k.get("Bezeichnung", ""))
            if feld is None:
                self.melde_unbekannt(f"Kontakt mit Bezeichnung {k.get('Bezeichnung', '')!r}")
            elif s[feld]:
                self.melde_unbekannt(f"weitere Kontakte {k['Bezeichnung']} (der erste gilt)")
            else:
                s[feld] = k.get("Inhalt", "")
        self.pruefe(nummer, s)
        self.aemter[int(nummer)] = s

    def pruefe(self, nummer, s):
        for feld, wert in s.items():
            try:
                wert.encode("iso-8859-15")
            except UnicodeEncodeError:
                raise ImportFehler(f"Finanzamt {nummer}: {feld} nicht in ISO-8859-15: {wert!r}")
            if any(ord(c) < 32 or 127 <= ord(c) < 160 for c in wert):
                raise ImportFehler(f"Finanzamt {nummer}: {feld} mit Steuerzeichen: {wert!r}")
            if feld == "Strasse" and len(wert) > BREITE[feld] and self.kuerzen:
                for lang, kurz in KUERZUNGEN:
                    if len(wert) > BREITE[feld]:
                        wert = wert.replace(lang, kurz)
                self.meldungen.append(f"Finanzamt {nummer}: Strasse gekürzt: {s[feld]!r} -> "
                                      f"{wert!r}")
                s[feld] = wert
            if len(wert) > BREITE[feld]:
                raise ImportFehler(f"Finanzamt {nummer}: {feld} hat {len(wert)} Zeichen, "
                                   f"höchstens {BREITE[feld]}: {wert!r}"
                                   + (" (--kuerzen kürzt Straßen)" if feld == "Strasse" else ""))

    def listen(self):
        return [(n // 100, n, "Finanzamt " + s["Name"]) for n, s in sorted(self.aemter.items())
                if not any(n in r for r in SONDERAEMTER)]

    def testfinanzaemter(self, pfad):
        test = []
        with open(pfad, encoding="utf-8") as f:
            for zeile in f:
                if zeile.strip() and not zeile.startswith("#"):
                    nummer, name = zeile.rstrip("\n").split("\t")
                    if int(nummer) in self.aemter:
                        self.meldungen.append(f"Testfinanzamt {nummer} ({name}) entfällt: "
                                              "im Export ein Finanzamt")
                    else:
                        test.append((nummer, name))
        return test


def exportdatum(pfad):
    """The export's date from its file name (2025-04-23 or 20250423), else the file's."""
    treffer = re.search(r"(20\d\d)-?([01]\d)-?([0-3]\d)", os.path.basename(pfad))
    if treffer:
        return "vom {2}.{1}.{0}".format(*treffer.groups())
    datum = datetime.date.fromtimestamp(os.path.getmtime(pfad))
    return f"(Datei vom {datum:%d.%m.%Y})"


def schreibe(pfad, kopf, zeilen):
    with open(pfad, "w", encoding="utf-8") as f:
        f.write("\n".join(kopf) + "\n")
        for z in zeilen:
            f.write("\t".join(str(t) for t in z) + "\n")


def importiere(export, ziel, gebuendelt, kuerzen=False):
    imp = Import(kuerzen)
    imp.lies(export)
    if not imp.aemter:
        raise ImportFehler(f"{export}: kein Finanzamt")
    os.makedirs(ziel, exist_ok=True)
    for datei in ("bundeslaender.tsv", "landliste.tsv"):
        shutil.copyfile(os.path.join(gebuendelt, datei), os.path.join(ziel, datei))
    with open(os.path.join(gebuendelt, "bundeslaender.tsv"), encoding="utf-8") as f:
        laender = {int(z.split("\t")[0]) for z in f if z.strip() and not z.startswith("#")}
    for n in imp.aemter:
        if n // 100 not in laender:
            raise ImportFehler(f"Finanzamt {n}: BuFaNummer ohne Land {n // 100}")
    listen = imp.listen()
    herkunft = (f"Finanzamtsverzeichnis der Finanzverwaltung aus dem GemFA-Export "
                f"{exportdatum(export)}: {len(imp.aemter)} Finanzämter, {len(listen)} wählbar")
    kopf = f"# Generated by tools/gemfa_import.py from {os.path.basename(export)}; do not edit."
    schreibe(os.path.join(ziel, "finanzaemter.tsv"), [kopf, "# " + "\t".join(BREITE)],
             [list(s.values()) for _, s in sorted(imp.aemter.items())])
    schreibe(os.path.join(ziel, "finanzamtslisten.tsv"),
             [kopf, "# Land key\tnumber\tname (sorted by number within each Land)"], listen)
    schreibe(os.path.join(ziel, "testfinanzaemter.tsv"),
             [kopf, "# number\tname of the test or training office"],
             imp.testfinanzaemter(os.path.join(gebuendelt, "testfinanzaemter.tsv")))
    schreibe(os.path.join(ziel, "verzeichnisherkunft.tsv"),
             [kopf, "# stand-in (ja/nein)\tthe directory's origin, one German line"],
             [("nein", herkunft)])
    return imp, herkunft


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--export", required=True, help="the GemFA XML export")
    ap.add_argument("--ziel", required=True, help="directory for the TSV files")
    ap.add_argument("--gebuendelt", default=os.path.join(os.path.dirname(
        os.path.abspath(__file__)), "..", "taxoffice", "data"),
        help="the bundled directory (Land tables, test offices)")
    ap.add_argument("--kuerzen", action="store_true", help="shorten overlong streets")
    args = ap.parse_args()
    try:
        imp, herkunft = importiere(args.export, args.ziel, args.gebuendelt, args.kuerzen)
    except ImportFehler as e:
        sys.exit(f"gemfa_import: {e}")
    for text in imp.uebergangen:
        print(f"gemfa_import: übergangen: {text}")
    for text in imp.meldungen:
        print(f"gemfa_import: {text}")
    print(f"gemfa_import: {herkunft}")


if __name__ == "__main__":
    main()
