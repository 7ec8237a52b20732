#!/usr/bin/env python3
"""The record field list's guards in tools/gen_finanzamtstabellen.py: the header is
written from the list, and a host interface or data column line that differs from it
stops the build. Cases: the repository's files as they are (pass), each with one field
dropped or two swapped (refused, naming the file)."""
import pathlib
import subprocess
import sys
import tempfile

wurzel = pathlib.Path(sys.argv[1])
generator = wurzel / "tools/gen_finanzamtstabellen.py"
schnittstelle = (wurzel / "include/veskplugin2/IFinanzamtsdaten.h").read_text(encoding="utf-8")
daten = wurzel / "taxoffice/data"


def lauf(*argumente):
    return subprocess.run([sys.executable, str(generator), *argumente],
                          capture_output=True, text=True)


fehler = []
with tempfile.TemporaryDirectory() as tmp:
    tmp = pathlib.Path(tmp)
    faelle = [("as it is", schnittstelle, True),
              ("field dropped", schnittstelle.replace("X(Bemerkung) ", ""), False),
              ("fields swapped", schnittstelle.replace("X(EMail) X(EMail2)", "X(EMail2) X(EMail)"),
               False)]
    for name, text, gut in faelle:
        (tmp / "I.h").write_text(text, encoding="utf-8")
        r = lauf("--felder-header", str(tmp / "F.h"), "--schnittstelle", str(tmp / "I.h"))
        if (r.returncode == 0) != gut or (not gut and "I.h" not in r.stderr):
            fehler.append(f"interface {name}: rc {r.returncode} {r.stderr.strip()}")
        if gut and "X(BezugText, 62)" not in (tmp / "F.h").read_text():
            fehler.append("header lacks the last field with its capacity")
    # The data with the column line of the records missing one name.
    kopie = tmp / "daten"
    kopie.mkdir()
    for datei in daten.glob("*.tsv"):
        text = datei.read_text(encoding="utf-8")
        if datei.name == "finanzaemter.tsv":
            text = text.replace("\tBezugText\n", "\n", 1)
        (kopie / datei.name).write_text(text, encoding="utf-8")
    r = lauf("--daten", str(kopie), "--out", str(tmp / "T.cpp"))
    if r.returncode == 0 or "finanzaemter.tsv" not in r.stderr:
        fehler.append(f"column line: rc {r.returncode} {r.stderr.strip()}")

print("\n".join(fehler) or "guards hold")
sys.exit(1 if fehler else 0)
