#!/usr/bin/env python3
"""The importer of the authority's export, on gemfa/gemfa-erfunden-2031-01-02.xml (invented
offices). Expected records are read off the fixture by hand; error cases change one
attribute of it."""
import os
import sys
import tempfile
import unittest

HIER = os.path.dirname(os.path.abspath(__file__))
WURZEL = os.path.join(HIER, "..", "..")
sys.path.insert(0, os.path.join(WURZEL, "tools"))
import gemfa_import  # noqa: E402
import gen_finanzamtstabellen  # noqa: E402

FIXTURE = os.path.join(HIER, "gemfa", "gemfa-erfunden-2031-01-02.xml")
GEBUENDELT = os.path.join(WURZEL, "taxoffice", "data")


def tsv(pfad):
    with open(pfad, encoding="utf-8") as f:
        return [z.rstrip("\n").split("\t") for z in f if not z.startswith("#")]


class Fixture(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.addCleanup(self.tmp.cleanup)

    def importiere(self, ersetzen=(), name="gemfa-erfunden-2031-01-02.xml", kuerzen=False):
        with open(FIXTURE, encoding="utf-8") as f:
            xml = f.read()
        for alt, neu in ersetzen:
            self.assertIn(alt, xml)
            xml = xml.replace(alt, neu, 1)
        export = os.path.join(self.tmp.name, name)
        with open(export, "w", encoding="utf-8") as f:
            f.write(xml)
        return gemfa_import.importiere(export, os.path.join(self.tmp.name, "daten"), GEBUENDELT,
                                       kuerzen)

    def datei(self, name):
        return tsv(os.path.join(self.tmp.name, "daten", name))


class Abbildung(Fixture):
    def test_felder_listen_testaemter_und_herkunft(self):
        imp, herkunft = self.importiere()
        felder = [f for f, _ in gen_finanzamtstabellen.FELDER]
        saetze = {z[0]: dict(zip(felder, z)) for z in self.datei("finanzaemter.tsv")}
        self.assertEqual(list(saetze), ["1013", "1096", "2387", "9288"])  # sorted, one each
        gefuellt = {n: {f: w for f, w in s.items() if w} for n, s in saetze.items()}
        self.assertEqual(gefuellt["9288"], {
            "BuFaNummer": "9288", "Name": "Beispielhausen",
            "Strasse": "Am Beispielweg 12 a",  # blanks made one, trimmed
            "Plz": "99999", "Ort": "Beispielhausen", "Telefon": "09999 123-0",
            "Telefax": "09999 123-99", "EMail": "poststelle@beispielhausen.example",
            "Internet": "www.beispielhausen.example"})
        self.assertEqual(gefuellt["1013"], {"BuFaNummer": "1013", "Name": "Öde-Süd €",
                                            "Strasse": "Marktplatz", "Plz": "99998",
                                            "Ort": "Öde"})
        self.assertEqual(gefuellt["2387"], {"BuFaNummer": "2387",
                                            "Name": "für Sonderaufgaben Beispielhausen"})
        self.assertEqual(gefuellt["1096"]["Strasse"], "Übungsgasse 1")
        # The special office 2387 stays outside the lists.
        self.assertEqual(self.datei("finanzamtslisten.tsv"), [
            ["10", "1013", "Finanzamt Öde-Süd €"], ["10", "1096", "Finanzamt Übungsamt"],
            ["92", "9288", "Finanzamt Beispielhausen"]])
        test = dict(self.datei("testfinanzaemter.tsv"))
        self.assertNotIn("1096", test)
        self.assertEqual(len(test), len(tsv(os.path.join(GEBUENDELT, "testfinanzaemter.tsv"))) - 1)
        self.assertIn("Testfinanzamt 1096 (Testfinanzamt Saarland) entfällt: im Export ein "
                      "Finanzamt", imp.meldungen)
        self.assertEqual(self.datei("verzeichnisherkunft.tsv"), [["nein", herkunft]])
        self.assertIn("vom 02.01.2031: 4 Finanzämter, 3 wählbar", herkunft)
        # Each unknown thing named once, the office inside an unknown element not taken.
        self.assertEqual(imp.uebergangen, [
            "Attribut Erstellt von GemfaExport", "Attribut Postfach von Adresse",
            "Element BankverbindungListe in Finanzamt", "Adresse vom Typ PostfachType",
            "Kontakt mit Bezeichnung 'Mobil'", "Attribut Typ von Finanzamt"])
        # The table generator takes the result as it takes the bundled files.
        ausgabe = os.path.join(self.tmp.name, "tabellen.cpp")
        gen_finanzamtstabellen.erzeuge(os.path.join(self.tmp.name, "daten"), ausgabe)
        with open(ausgabe, encoding="utf-8") as f:
            self.assertIn("FINANZAMTSVERZEICHNIS_IST_ERSATZ = false", f.read())

    def test_datum_aus_dem_dateinamen_sonst_der_datei(self):
        self.assertIn("vom 02.01.2031", self.importiere(name="GemFA_Export_20310102_1036.xml")[1])
        self.assertIn("(Datei vom ", self.importiere(name="verzeichnis.xml")[1])


class Fehler(Fixture):
    def assertFehler(self, ersetzen, *teile, **kw):
        with self.assertRaises(gemfa_import.ImportFehler) as fehler:
            self.importiere(ersetzen, **kw)
        for teil in teile:
            self.assertIn(teil, str(fehler.exception))

    def test_texte_passen_in_ihr_feld_oder_der_build_bricht_ab(self):
        strasse = [('Strasse="Marktplatz"', 'Strasse="Lange Beispielstraße 12345678"'),
                   ('PLZ="99998"', 'HausNr="7" PLZ="99998"')]  # 31 characters
        self.assertFehler(strasse, "Finanzamt 1013: Strasse hat 31 Zeichen, höchstens 30")
        imp, _ = self.importiere(strasse, kuerzen=True)
        self.assertEqual(self.datei("finanzaemter.tsv")[0][3], "Lange Beispielstr. 12345678 7")
        self.assertEqual(imp.meldungen[0], "Finanzamt 1013: Strasse gekürzt: "
                         "'Lange Beispielstraße 12345678 7' -> 'Lange Beispielstr. 12345678 7'")
        # Words abbreviated one after the other, until the street fits.
        self.importiere([('Strasse="Marktplatz"', 'Strasse="Lange Beispielpromenade am Platz"'),
                         ('PLZ="99998"', 'HausNr="1-3" PLZ="99998"')], kuerzen=True)
        self.assertEqual(self.datei("finanzaemter.tsv")[0][3], "Lange Beispielprom. am Pl. 1-3")
        # Shortening covers streets only; a street still too long stops the build.
        self.assertFehler([('Strasse="Marktplatz"', 'Strasse="' + "x" * 31 + '"')],
                          "Finanzamt 1013: Strasse hat 31", kuerzen=True)
        self.assertFehler([('Ort="Öde"', 'Ort="' + "Ö" * 25 + '"')],
                          "Finanzamt 1013: Ort hat 25 Zeichen, höchstens 24")
        self.assertFehler([('Name="Beispielhausen"', 'Name="' + "B" * 101 + '"')],
                          "Finanzamt 9288: Name hat 101")
        self.importiere([('Name="Beispielhausen"', 'Name="' + "B" * 100 + '"')])

    def test_zeichen_ausserhalb_iso_8859_15_und_steuerzeichen(self):
        self.assertFehler([('Ort="Öde"', 'Ort="Łódź"')],
                          "Finanzamt 1013: Ort nicht in ISO-8859-15")
        self.assertFehler([('Inhalt="09999 123-0"', 'Inhalt="09999&#9;123"')],
                          "Finanzamt 9288: Telefon mit Steuerzeichen")

    def test_nummern_vierstellig_und_einmalig(self):
        for falsch in ("101", "10130", "1O13", "", "١٠١٣"):
            self.assertFehler([('BuFaNr="1013"', f'BuFaNr="{falsch}"')],
                              "Öde-Süd €", f"BuFaNummer {falsch!r} nicht vierstellig")
        self.assertFehler([('BuFaNr="9288"', 'BuFaNr="1013"')],
                          "Finanzamt 1013: BuFaNummer doppelt")
        self.assertFehler([('BuFaNr="1013"', 'BuFaNr="2513"')],
                          "Finanzamt 2513: BuFaNummer ohne Land")

    def test_name_fehlt_kein_amt_kein_xml(self):
        self.assertFehler([('Name="Öde-Süd €"', 'Name=" "')], "Finanzamt 1013: Name fehlt")
        self.assertFehler([("<gemfa:FinanzamtListe>", "<gemfa:Liste>"),
                           ("</gemfa:FinanzamtListe>", "</gemfa:Liste>")], "kein Finanzamt")
        self.assertFehler([("</gemfa:FinanzamtListe>", "")], "kein wohlgeformtes XML")


if __name__ == "__main__":
    unittest.main()
