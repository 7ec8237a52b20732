#!/usr/bin/env python3
"""Compares every office of a GemFA export with what the module built from it hands out
(dvhost finanzamt --json): name, street, postal code, town, telephone, fax, e-mail and web
address exactly as the export gives them. The only difference allowed is a street shortened
on request, where each changed word is an abbreviation (a prefix and a dot) of the export's.

Usage: gemfa_abgleich.py DVHOST EXPORT"""
import json
import subprocess
import sys
import xml.etree.ElementTree as ET
from concurrent.futures import ThreadPoolExecutor

XSI_TYPE = "{http://www.w3.org/2001/XMLSchema-instance}type"
KONTAKTE = {"Tel": "Telefon", "Fax": "Telefax", "Mail": "EMail", "URL": "Internet"}


def lokal(name):
    return name.rsplit("}", 1)[-1].rsplit(":", 1)[-1]


def erwartet(export):
    """Office number -> the eight fields, read from the export by local name."""
    aemter = {}
    for amt in (a for liste in ET.parse(export).getroot() if lokal(liste.tag) == "FinanzamtListe"
                for a in liste if lokal(a.tag) == "Finanzamt"):
        s = dict.fromkeys(["Name", "Strasse", "Plz", "Ort", *KONTAKTE.values()], "")
        s["Name"] = amt.get("Name", "")
        hausanschrift = False  # the first one counts, as the first contact of each kind
        for kind in amt.iter():
            if (lokal(kind.tag) == "Adresse" and not hausanschrift
                    and lokal(kind.get(XSI_TYPE, "")) == "HausanschriftType"):
                hausanschrift = True
                teile = [kind.get("Strasse", ""),
                         kind.get("HausNr", "") + kind.get("HausNrZusatz", "")]
                s.update(Strasse=" ".join(" ".join(teile).split()), Plz=kind.get("PLZ", ""),
                         Ort=kind.get("Ort", ""))
            elif lokal(kind.tag) == "Kontakt" and kind.get("Bezeichnung") in KONTAKTE:
                s[KONTAKTE[kind.get("Bezeichnung")]] = (s[KONTAKTE[kind.get("Bezeichnung")]]
                                                        or kind.get("Inhalt", ""))
        aemter[amt.get("BuFaNr")] = s
    return aemter


def abgekuerzt(kurz, lang):
    """Whether kurz is lang with some words cut to a prefix followed by a dot."""
    def gleich(k, l):
        return k == l or (k.endswith(".") and l.startswith(k[:-1]) and len(k) <= len(l))
    a, b = kurz.replace("-", "- ").split(), lang.replace("-", "- ").split()
    return len(a) == len(b) and all(gleich(k, l) for k, l in zip(a, b))


def main():
    dvhost, export = sys.argv[1:3]
    aemter = erwartet(export)

    def frage(nummer):
        aus = subprocess.run([dvhost, "finanzamt", "--json", nummer], capture_output=True,
                             check=False)
        return nummer, aus.returncode, aus.stdout.decode("utf-8")

    fehler, gekuerzt = [], []
    with ThreadPoolExecutor(2) as pool:
        for nummer, code, ausgabe in pool.map(frage, sorted(aemter)):
            if code != 0:
                fehler.append(f"{nummer}: dvhost Exit-Status {code}")
                continue
            satz = json.loads(ausgabe)
            for feld, wert in aemter[nummer].items():
                if satz.get(feld) == wert:
                    continue
                if feld == "Strasse" and len(wert) > 30 and abgekuerzt(satz[feld], wert):
                    gekuerzt.append(f"{nummer}: {wert!r} -> {satz[feld]!r}")
                else:
                    fehler.append(f"{nummer} {feld}: {satz.get(feld)!r}, im Export {wert!r}")
    for text in gekuerzt:
        print("gekürzt:", text)
    for text in fehler:
        print("FEHLER:", text)
    print(f"{len(aemter)} Finanzämter abgeglichen, {len(gekuerzt)} Straßen gekürzt, "
          f"{len(fehler)} Abweichungen")
    return 1 if fehler or not aemter else 0


if __name__ == "__main__":
    sys.exit(main())
