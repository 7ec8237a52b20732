#!/usr/bin/env python3
"""Generates the tax office directory taxoffice/data/{finanzaemter,
finanzamtslisten,testfinanzaemter,verzeichnisherkunft}.tsv from the sources in
tools/finanzamtsverzeichnis/.

Office numbers are the tax administration's (finanzamtsnummern-*.txt) as far
as the fixed counts allow: per Land key, the offices of the selection list
take the lowest real numbers not fixed in aemter.tsv (the special offices
2380-2393 and 5170-5176 never enter a list), the offices without a list take
the next ones, and only offices left over get invented numbers. Real numbers
beyond the record count are left out and reported. Test and training offices
never get a real number.

Everything else is a stand-in: names, towns, postal codes and dialling codes
come from the vocabulary; streets, telephone numbers, post-office boxes, bank
accounts, addresses under .example and remarks are drawn with a seeded random
generator, so the output is the same on every run with the same seed.

Bank accounts: the first is at the Bundesbank branch whose postal prefix fits
the office best (BLZ = branch code + 00000, BIC = MARKDEF1 + branch code), the
second, where present, at the Land's bank of laender.tsv; IBANs are built from
BLZ and account number with the ISO 7064 MOD 97-10 check digits.

Usage: tools/gen_finanzamtsverzeichnis.py [--seed N] [--ziel taxoffice/data]"""
import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gen_finanzamtstabellen import FELDER  # noqa: E402

QUELLEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "finanzamtsverzeichnis")
STANDARD_SEED = 31415
PLZ_ZUSATZ_ANZAHL = 207
NRW_TESTBEREICHE = [(5400, 5424), (5500, 5519), (5600, 5624)]
NRW_TESTNAME = "Testfinanzamt Nordrhein-Westfalen -{n}-"
ECHTE_NUMMERN = "finanzamtsnummern-gemfa-2026-02.txt"
SONDERAEMTER = [range(2380, 2394), range(5170, 5177)]  # records, never in a selection list
# The directory's origin as the module reports it; "ja": names, addresses and
# accounts are stand-ins.
HERKUNFT = ("ja", "Finanzamtsnummern aus dem Finanzamtsverzeichnis der Finanzverwaltung "
            "(GemFA 2.0, Stand 2. Februar 2026; {auswahl} wählbar, {ohne_liste} nur als "
            "Datensatz, {fehlend} nicht aufgenommen); Namen, Anschriften und "
            "Bankverbindungen sind Platzhalter.")


def tsv(name):
    with open(os.path.join(QUELLEN, name), encoding="utf-8") as f:
        return [z.rstrip("\n").split("\t") for z in f if z.strip() and not z.startswith("#")]


def zeilen(name):
    with open(os.path.join(QUELLEN, name), encoding="utf-8") as f:
        return [z.rstrip("\n") for z in f if z.strip() and not z.startswith("#")]


def bereich(text):
    von, bis = text.split("-")
    return range(int(von), int(bis) + 1)


def iban(blz, konto):
    bban = blz + konto.zfill(10)
    pruef = 98 - int(bban + "131400") % 97  # "DE00" moved to the end, D=13, E=14
    return f"DE{pruef:02d}{bban}"


def kennung(text):
    """Lower-case domain label of a name: umlauts transliterated, others dropped."""
    for a, b in (("ä", "ae"), ("ö", "oe"), ("ü", "ue"), ("ß", "ss"), ("Ä", "ae"),
                 ("Ö", "oe"), ("Ü", "ue")):
        text = text.replace(a, b)
    teile, wort = [], ""
    for c in text.lower():
        if c.isascii() and c.isalnum():
            wort += c
        elif wort:
            teile.append(wort)
            wort = ""
    return "-".join(teile + ([wort] if wort else []))


def gruppiert(ziffern, laengen):
    teile, pos = [], 0
    for laenge in laengen:
        teile.append(ziffern[pos:pos + laenge])
        pos += laenge
    return " ".join(teile)


class Verzeichnis:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.laender = {int(z[0]): z for z in tsv("laender.tsv")}
        self.filialen = {}
        for land, code, ort, praefixe in tsv("bundesbank.tsv"):
            self.filialen.setdefault(int(land), []).append((code, ort, praefixe.split(",")))
        self.aemter = tsv("aemter.tsv")
        self.strassen = zeilen("strassen.txt")
        self.zeiten = zeilen("oeffnungszeiten.txt")
        self.bemerkungen = zeilen("bemerkungen.txt")
        self.test = {int(n): name for n, name in tsv("testfinanzaemter.tsv")}
        self.echt = {int(n) for n in zeilen(ECHTE_NUMMERN)}
        self.echte_nach_art = {"L": set(), "S": set()}
        self.fehlend = []
        doppelt = sorted(self.echt & set(self.test))
        if doppelt:
            sys.exit(f"Testfinanzämter mit echter Nummer: {doppelt}")

    def testfinanzaemter(self):
        for von, bis in NRW_TESTBEREICHE:
            for n in range(von, bis + 1):
                self.test[n] = NRW_TESTNAME.format(n=n)
        for land, z in sorted(self.laender.items()):
            frei = [n for n in bereich(z[4]) if n not in self.test and n not in self.echt]
            for i, n in enumerate(sorted(self.rng.sample(frei, int(z[5]))), 1):
                self.test[n] = z[6].format(n=n, i=i)

    def nummern(self):
        """Assigns numbers to the offices without a fixed one: real numbers as
        described above, then invented ones; ascending in vocabulary order."""
        fest = {int(a[2]) for a in self.aemter if a[2]}
        for a in self.aemter:
            if a[2] and int(a[2]) in self.echt:
                self.echte_nach_art[a[1]].add(int(a[2]))
        for land, z in sorted(self.laender.items()):
            echt = sorted(n for n in self.echt - fest if n // 100 == land)
            frei = [n for n in bereich(z[3])
                    if n not in fest and n not in self.test and n not in self.echt]
            for art in ("L", "S"):
                offen = [a for a in self.aemter if int(a[0]) == land and a[1] == art and not a[2]]
                passend = [n for n in echt
                           if art == "S" or not any(n in r for r in SONDERAEMTER)][:len(offen)]
                echt = [n for n in echt if n not in passend]
                erfunden = self.rng.sample(frei, len(offen) - len(passend))
                frei = [n for n in frei if n not in erfunden]
                self.echte_nach_art[art].update(passend)
                for amt, n in zip(offen, sorted(passend + erfunden)):
                    amt[2] = str(n)
            self.fehlend += echt

    def herkunft(self):
        return (HERKUNFT[0], HERKUNFT[1].format(auswahl=len(self.echte_nach_art["L"]),
                                                ohne_liste=len(self.echte_nach_art["S"]),
                                                fehlend=len(self.fehlend)))

    def filiale(self, land, plz):
        """The Land's Bundesbank branch with the longest postal prefix of plz (else the first)."""
        def passung(filiale):
            return max((len(p) for p in filiale[2] if plz.startswith(p)), default=0)
        return max(self.filialen[land], key=passung)

    def telefon(self, vorwahl):
        stamm = str(self.rng.randint(2, 9)) + "".join(
            str(self.rng.randint(0, 9)) for _ in range(max(3, 8 - len(vorwahl)) - 1))
        durchwahl = self.rng.choice(["199", "299", "399", "444", "555", "1599", "2099", "100"])
        return f"{vorwahl} {stamm}-0", f"{vorwahl} {stamm}-{durchwahl}"

    def nahe_plz(self, plz):
        while True:
            neu = plz[:3] + f"{self.rng.randint(0, 99):02d}"
            if neu != plz:
                return neu

    def postfach(self):
        n = str(self.rng.choice([self.rng.randint(100, 9999), self.rng.randint(10000, 999999)]))
        if len(n) <= 4:
            return n
        rest = len(n) % 2
        return " ".join(([n[:rest]] if rest else []) + [n[i:i + 2] for i in range(rest, len(n), 2)])

    def bemerkung(self, amt, land_name, haupt):
        art = "A" if haupt else amt[1]
        passend = [b for b in self.bemerkungen if b.startswith(art + ":")]
        allgemein = [b for b in self.bemerkungen if b[1] != ":"]
        teile = []
        if passend:
            teile.append(self.rng.choice(passend)[2:])
        if art == "L" and self.rng.random() < 0.45:
            teile += self.rng.sample(allgemein, self.rng.choice([1, 1, 2]))
        text = " ".join(teile)
        return text.format(ort=amt[4], land=land_name, haupt=haupt)

    def saetze(self):
        nach_name = {(a[0], a[3]): a for a in self.aemter}
        aussenstellen = {}
        for a in self.aemter:
            if a[8]:
                aussenstellen.setdefault((a[0], a[8]), []).append(int(a[2]))
        mit_zusatz = set(self.rng.sample(sorted(int(a[2]) for a in self.aemter), PLZ_ZUSATZ_ANZAHL))

        saetze = []
        for amt in sorted(self.aemter, key=lambda a: int(a[2])):
            land, art, nummer, name, ort, plz, vorwahl, zusatz, haupt = amt
            z = self.laender[int(land)]
            land_name, domain = z[1], z[2]
            n = int(nummer)
            s = dict.fromkeys(f for f, _ in FELDER)
            s.update(BuFaNummer=nummer, Name=name, NamensZusatz=zusatz, Plz=plz, Ort=ort)
            s["Strasse"] = f"{self.rng.choice(self.strassen)} {self.rng.randint(1, 120)}" + (
                "a" if self.rng.random() < 0.1 else "")
            s["Telefon"], s["Telefax"] = self.telefon(vorwahl)
            s["PlzZusatz"] = self.nahe_plz(plz) if n in mit_zusatz else ""
            if self.rng.random() < 0.9:
                s["PlzPostfach"], s["Postfach"] = self.nahe_plz(plz), self.postfach()
            else:
                s["PlzPostfach"] = s["Postfach"] = ""

            hauptnummer = nach_name[(land, haupt)][2] if haupt else ""
            if haupt:
                konto_amt = hauptnummer
            elif z[9]:
                konto_amt = nach_name[(land, z[9])][2]
            else:
                konto_amt = nummer
            code, filialort, _ = self.filiale(int(land), plz)
            konto = code + "0" + "".join(str(self.rng.randint(0, 9)) for _ in range(4))
            s["Blz1"] = code + "00000"
            s["Konto1"] = gruppiert(konto, [3, 3, 2]) if land in ("91", "92") else konto
            s["Bank1"] = z[7].format(ort=filialort)
            s["Iban1"], s["Bic1"] = iban(s["Blz1"], konto), "MARKDEF1" + code
            s["KontoBuFaNummer1"] = konto_amt
            if self.rng.random() < 0.45:
                bank, blz, bic = z[8].split(";")
                konto2 = str(self.rng.randint(10**8, 10**10 - 1))
                s.update(Blz2=blz, Konto2=konto2, Bank2=bank, Iban2=iban(blz, konto2), Bic2=bic,
                         KontoBuFaNummer2=konto_amt)

            sonderamt = art == "S"
            s["Oeffnungszeiten"] = "" if sonderamt else self.rng.choice(self.zeiten)
            kurz = kennung(name)
            if not sonderamt and self.rng.random() < 0.85:
                s["EMail"] = f"poststelle@fa-{kurz}.{domain}.example"
            if not s["EMail"] or len(s["EMail"]) > 50:
                s["EMail"] = "" if sonderamt else f"poststelle.{nummer}@{domain}.example"
            s["EMail2"] = f"poststelle-{nummer}@finanzverwaltung.{domain}.example"
            if not sonderamt and self.rng.random() < 0.8:
                s["Internet"] = f"www.finanzamt-{kurz}.{domain}.example"
                if len(s["Internet"]) > 60:
                    s["Internet"] = f"www.{domain}.example/finanzamt-{nummer}"
            s["Internet2"] = f"https://www.finanzverwaltung.{domain}.example/fa/{nummer}"
            s["Bemerkung"] = self.bemerkung(amt, land_name, haupt)
            if haupt:
                s["BezugBuFaNummer"] = hauptnummer
                s["BezugText"] = f"Außenstelle v. Finanzamt {haupt}"
            elif (land, name) in aussenstellen:
                s["BezugBuFaNummer"] = str(aussenstellen[(land, name)][0])
                s["BezugText"] = "zugehörige Außenstellen"
            werte = ["" if s[f] is None else s[f] for f, _ in FELDER]
            for (f, breite), wert in zip(FELDER, werte):
                if len(wert) > breite:
                    sys.exit(f"{nummer}: {f} zu lang: {wert!r}")
            saetze.append(werte)
        return saetze

    def listen(self):
        return sorted((int(a[0]), int(a[2]), "Finanzamt " + a[3]) for a in self.aemter
                      if a[1] == "L")


def schreibe(pfad, kopf, zeilen_):
    with open(pfad, "w", encoding="utf-8") as f:
        f.write("\n".join(kopf) + "\n")
        for z in zeilen_:
            f.write("\t".join(str(t) for t in z) + "\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--seed", type=int, default=STANDARD_SEED)
    ap.add_argument("--ziel", default=os.path.join(os.path.dirname(QUELLEN), "..", "taxoffice",
                                                   "data"))
    args = ap.parse_args()
    v = Verzeichnis(args.seed)
    v.testfinanzaemter()
    v.nummern()
    saetze = v.saetze()
    herkunft = (f"# Generated by tools/gen_finanzamtsverzeichnis.py (seed {args.seed}) from "
                f"tools/finanzamtsverzeichnis/; office numbers from {ECHTE_NUMMERN}, "
                "all other data stand-ins.")
    schreibe(os.path.join(args.ziel, "finanzaemter.tsv"),
             [herkunft, "# " + "\t".join(f for f, _ in FELDER)], saetze)
    schreibe(os.path.join(args.ziel, "finanzamtslisten.tsv"),
             [herkunft, "# Land key\tnumber\tname (sorted by number within each Land)"],
             v.listen())
    schreibe(os.path.join(args.ziel, "testfinanzaemter.tsv"),
             [herkunft, "# number\tname of the test or training office"],
             sorted(v.test.items()))
    schreibe(os.path.join(args.ziel, "verzeichnisherkunft.tsv"),
             [herkunft, "# stand-in (ja/nein)\tthe directory's origin, one German line"],
             [v.herkunft()])
    print(f"echte Nummern: {len(v.echte_nach_art['L'])} in Listen, "
          f"{len(v.echte_nach_art['S'])} ohne Liste, ausgelassen: {v.fehlend}")


if __name__ == "__main__":
    main()
