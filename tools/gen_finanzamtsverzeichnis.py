#!/usr/bin/env python3
"""Generates the bundled tax office directory taxoffice/data/{finanzaemter,
finanzamtslisten,testfinanzaemter,verzeichnisherkunft}.tsv from the sources in
tools/finanzamtsverzeichnis/.

Office numbers are the tax administration's (finanzamtsnummern-*.txt) as far
as the fixed counts of laender.tsv allow: per Land key, the offices of the
selection list take the lowest real numbers not fixed in feste_aemter.tsv (the
special offices 2380-2393 and 5170-5176 never enter a list), the offices
without a list take the next ones, and only offices left over get invented
numbers. Real numbers beyond the record count are left out and reported. Test
and training offices never get a real number.

Only the number is known of a real office, so its record holds the number and
a name made of the number and the Land ("1040 (Saarland)"), or the name fixed
in feste_aemter.tsv; every other field stays empty. Invented numbers get
contents that say they are placeholders: the postal code and bank code 0...0,
which no town or bank has, and addresses under the reserved domain .example.
PlzZusatz must be filled on 207 records; it is "00000" there.

Usage: tools/gen_finanzamtsverzeichnis.py [--seed N] [--ziel taxoffice/data] [--check]"""
import argparse
import os
import random
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gen_finanzamtstabellen import FELDER  # noqa: E402

QUELLEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "finanzamtsverzeichnis")
STANDARD_SEED = 31415
PLZ_ZUSATZ_ANZAHL = 207
KEINE_PLZ = "00000"  # no German postal code starts with 00
KEINE_BLZ = "00000000"  # nor any bank code with 0
NRW_TESTBEREICHE = [(5400, 5424), (5500, 5519), (5600, 5624)]
NRW_TESTNAME = "Testfinanzamt Nordrhein-Westfalen -{n}-"
ECHTE_NUMMERN = "finanzamtsnummern-gemfa-2026-02.txt"
SONDERAEMTER = [range(2380, 2394), range(5170, 5177)]  # records, never in a selection list
# The directory's origin as the module reports it; "ja": a stand-in.
HERKUNFT = ("ja", "Finanzamtsnummern aus dem Finanzamtsverzeichnis der Finanzverwaltung "
            "(GemFA 2.0, Stand 2. Februar 2026; {auswahl} wählbar, {ohne_liste} nur als "
            "Datensatz, {fehlend} nicht aufgenommen), ohne Namen und Anschriften; "
            "die übrigen Nummern sind erfundene Platzhalter.")


def tsv(name):
    with open(os.path.join(QUELLEN, name), encoding="utf-8") as f:
        return [z.rstrip("\n").split("\t") for z in f if z.strip() and not z.startswith("#")]


def bereich(text):
    von, bis = text.split("-")
    return range(int(von), int(bis) + 1)


def iban(blz, konto):
    bban = blz + konto.zfill(10)
    pruef = 98 - int(bban + "131400") % 97  # "DE00" moved to the end, D=13, E=14
    return f"DE{pruef:02d}{bban}"


def platzhalter(n, land_name):
    """Every field of an invented office, each saying it is made up."""
    nummer = str(n)
    s = dict.fromkeys((f for f, _ in FELDER), "")
    s.update(
        BuFaNummer=nummer, Name=f"Platzhalter {nummer} ({land_name})",
        Strasse="Platzhalterstraße 1", Plz=KEINE_PLZ, Ort="Platzhalter",
        Telefon=f"00000 {nummer}-0", Telefax=f"00000 {nummer}-9", PlzPostfach=KEINE_PLZ,
        Postfach=nummer, Blz1=KEINE_BLZ, Konto1=nummer, Bank1="Platzhalter, kein Konto",
        Iban1=iban(KEINE_BLZ, nummer), KontoBuFaNummer1=nummer,
        Oeffnungszeiten="Platzhalter: kein Finanzamt, keine Sprechzeiten",
        EMail=f"platzhalter-{nummer}@finanzamt.example",
        EMail2=f"poststelle-{nummer}@platzhalter.example",
        Internet=f"www.platzhalter.example/{nummer}",
        Internet2=f"https://www.platzhalter.example/finanzamt/{nummer}",
        Bemerkung=f"Platzhalter: die Nummer {nummer} ist erfunden, damit die festen Anzahlen "
                  "des Verzeichnisses stimmen; Name, Anschrift und Konto sind es auch.")
    return s


class Verzeichnis:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.laender = {int(z[0]): z for z in tsv("laender.tsv")}
        self.feste = tsv("feste_aemter.tsv")
        self.test = {int(n): name for n, name in tsv("testfinanzaemter.tsv")}
        self.echt = {int(n) for n, in tsv(ECHTE_NUMMERN)}
        self.echte_nach_art = {"L": set(), "S": set()}
        self.fehlend = []
        self.aemter = []  # [Land key, art, number, index of its fixed row or None]
        doppelt = sorted(self.echt & set(self.test))
        if doppelt:
            sys.exit(f"Testfinanzämter mit echter Nummer: {doppelt}")

    def testfinanzaemter(self):
        for von, bis in NRW_TESTBEREICHE:
            for n in range(von, bis + 1):
                self.test[n] = NRW_TESTNAME.format(n=n)
        for land, z in sorted(self.laender.items()):
            frei = [n for n in bereich(z[3]) if n not in self.test and n not in self.echt]
            for i, n in enumerate(sorted(self.rng.sample(frei, int(z[4]))), 1):
                self.test[n] = z[5].format(n=n, i=i)

    def nummern(self):
        """Numbers for the offices of each key and kind: the fixed ones, real numbers as
        described above, then invented ones, which go first to fixed rows without a number."""
        fest = {int(f[2]) for f in self.feste if f[2]}
        for land, z in sorted(self.laender.items()):
            echt = sorted(n for n in self.echt - fest if n // 100 == land)
            frei = [n for n in bereich(z[2])
                    if n not in fest and n not in self.test and n not in self.echt]
            anzahl = {"L": int(z[6]), "S": int(z[7]) - int(z[6])}
            for art in ("L", "S"):
                eigene = [i for i, f in enumerate(self.feste) if int(f[0]) == land and f[1] == art]
                for i in eigene:
                    if self.feste[i][2]:
                        n = int(self.feste[i][2])
                        self.aemter.append([land, art, n, i])
                        if n in self.echt:
                            self.echte_nach_art[art].add(n)
                ohne_nummer = [i for i in eigene if not self.feste[i][2]]
                offen = anzahl[art] - len(eigene) + len(ohne_nummer)
                passend = [n for n in echt
                           if art == "S" or not any(n in r for r in SONDERAEMTER)][:offen]
                echt = [n for n in echt if n not in passend]
                erfunden = sorted(self.rng.sample(frei, offen - len(passend)))
                frei = [n for n in frei if n not in erfunden]
                self.echte_nach_art[art].update(passend)
                if len(ohne_nummer) > len(erfunden):
                    sys.exit(f"Land {land}: zu wenig erfundene Nummern für feste Einträge")
                for n, i in zip(erfunden, ohne_nummer + [None] * len(erfunden)):
                    self.aemter.append([land, art, n, i])
                self.aemter += [[land, art, n, None] for n in passend]
            self.fehlend += echt
        self.aemter.sort(key=lambda a: a[2])

    def herkunft(self):
        return (HERKUNFT[0], HERKUNFT[1].format(auswahl=len(self.echte_nach_art["L"]),
                                                ohne_liste=len(self.echte_nach_art["S"]),
                                                fehlend=len(self.fehlend)))

    def saetze(self):
        mit_zusatz = set(self.rng.sample([a[2] for a in self.aemter], PLZ_ZUSATZ_ANZAHL))
        nummer_von = {a[3]: str(a[2]) for a in self.aemter if a[3] is not None}
        saetze = []
        for land, _, n, i in self.aemter:
            land_name = self.laender[land][1]
            if n in self.echt:
                s = dict.fromkeys((f for f, _ in FELDER), "")
                s.update(BuFaNummer=str(n), Name=f"{n} ({land_name})")
            else:
                s = platzhalter(n, land_name)
            if i is not None:
                fest = self.feste[i]
                s["Name"] = fest[3] or s["Name"]
                s["NamensZusatz"], s["BezugText"] = fest[4], fest[5]
                if fest[5] == "zugehörige Außenstellen":
                    s["BezugBuFaNummer"] = nummer_von[i - 1]
            s["PlzZusatz"] = KEINE_PLZ if n in mit_zusatz else ""
            for f, breite in FELDER:
                if len(s[f]) > breite:
                    sys.exit(f"{n}: {f} zu lang: {s[f]!r}")
            saetze.append([s[f] for f, _ in FELDER])
        return saetze

    def listen(self, saetze):
        namen = {int(s[0]): s[1] for s in saetze}
        return [(land, n, "Finanzamt " + namen[n]) for land, art, n, _ in self.aemter
                if art == "L"]


def schreibe(pfad, kopf, zeilen_):
    with open(pfad, "w", encoding="utf-8") as f:
        f.write("\n".join(kopf) + "\n")
        for z in zeilen_:
            f.write("\t".join(str(t) for t in z) + "\n")


def erzeuge(seed, ziel):
    v = Verzeichnis(seed)
    v.testfinanzaemter()
    v.nummern()
    saetze = v.saetze()
    herkunft = (f"# Generated by tools/gen_finanzamtsverzeichnis.py (seed {seed}) from "
                f"tools/finanzamtsverzeichnis/; office numbers from {ECHTE_NUMMERN}, "
                "invented numbers with placeholder contents.")
    schreibe(os.path.join(ziel, "finanzaemter.tsv"),
             [herkunft, "# " + "\t".join(f for f, _ in FELDER)], saetze)
    schreibe(os.path.join(ziel, "finanzamtslisten.tsv"),
             [herkunft, "# Land key\tnumber\tname (sorted by number within each Land)"],
             v.listen(saetze))
    schreibe(os.path.join(ziel, "testfinanzaemter.tsv"),
             [herkunft, "# number\tname of the test or training office"],
             sorted(v.test.items()))
    schreibe(os.path.join(ziel, "verzeichnisherkunft.tsv"),
             [herkunft, "# stand-in (ja/nein)\tthe directory's origin, one German line"],
             [v.herkunft()])
    print(f"echte Nummern: {len(v.echte_nach_art['L'])} in Listen, "
          f"{len(v.echte_nach_art['S'])} ohne Liste, ausgelassen: {v.fehlend}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--seed", type=int, default=STANDARD_SEED)
    ap.add_argument("--ziel", default=os.path.join(os.path.dirname(QUELLEN), "..", "taxoffice",
                                                   "data"))
    ap.add_argument("--check", action="store_true",
                    help="fail if the files in --ziel differ from what is generated")
    args = ap.parse_args()
    if args.check:
        with tempfile.TemporaryDirectory() as neu:
            erzeuge(args.seed, neu)
            for name in sorted(os.listdir(neu)):
                with open(os.path.join(neu, name), encoding="utf-8") as a, \
                        open(os.path.join(args.ziel, name), encoding="utf-8") as b:
                    if a.read() != b.read():
                        sys.exit(f"{name} is not what tools/gen_finanzamtsverzeichnis.py generates")
        return
    erzeuge(args.seed, args.ziel)


if __name__ == "__main__":
    main()
