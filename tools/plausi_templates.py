"""Sentence templates of the generated plausibility messages.

Each template is (signature, text). The signature gives the field types the
template needs for F, G and H in that order ('*' any type, '.' any but a check
box, 'b' the amount that the fields already picked are part of); the text is a
str.format pattern over the fields (see Feld in gen_plausi_texts.py), the form
Fm, a second form of the same family Fm2, a form Fm needs beside it Fm3
(templates using it are skipped for forms that need none) and the word lists:
Q (person or ""), n (amount), pct, cnt (the field's maximum), z1 < z2 (lines),
datum, ctx, opt (an option of F), len, st (kind of tax), v1 < v2 (Vorgang),
vf (Vorsatz field).
"""

# Messages about single fields and pairs of fields.
FELD = [
    ("B", "{F.Nom} (Kz {F.kz}) {F.v[darf]} nicht negativ sein{Q}."),
    ("B", "{F.Nom} (Kz {F.kz}) {F.v[übersteigt]} den Höchstbetrag von {n} Euro{Q}."),
    ("Bb", "{F.Nom} (Kz {F.kz}) {F.v[kann]} nicht höher sein als {G.nom} (Kz {G.kz}){Q}."),
    ("Bb", "Der Betrag in Kz {F.kz} ist größer als der Betrag in Kz {G.kz}. Dies ist nur zulässig, "
           "wenn in Zeile {z2} eine Erläuterung gegeben wird."),
    ("B", "Die Summe der Beträge in den Zeilen {z1} bis {z2} stimmt nicht mit dem Betrag in "
          "Kz {F.kz} ({F.label}) überein."),
    ("B", "{F.Nom} in Zeile {F.zeile} {F.v[ist]} in vollen Euro ohne Nachkommastellen anzugeben."),
    ("B*", "Ein Betrag in Kz {F.kz} ist nur zulässig, wenn auch Kz {G.kz} ausgefüllt ist."),
    ("B", "Der Betrag in Kz {F.kz} ({F.label}) erscheint unplausibel hoch. Bitte prüfen Sie, ob "
          "versehentlich Cent-Beträge angegeben wurden."),
    ("Bb", "{F.Nom} (Kz {F.kz}) {F.v[darf]} nicht mehr als {pct} % des Betrags in Kz {G.kz} betragen."),
    ("B", "Die Angabe in Kz {F.kz} ({F.label}) ist bei {ctx} nicht zulässig."),
    ("B.", "{F.Nom} (Kz {F.kz}) {F.v[wurde]} ohne {G.akk} (Kz {G.kz}) angegeben{Q}."),
    ("B", "Für {F.akk} (Kz {F.kz}) ist höchstens ein Betrag von {n} € zulässig{Q}."),
    ("BBB", "Die Differenz aus Kz {F.kz} und Kz {G.kz} muss dem Betrag in Kz {H.kz} entsprechen."),
    ("B", "Der in Zeile {F.zeile} erklärte Betrag ({F.label}) ist kleiner als die Summe der "
          "zugehörigen Einzelbeträge."),
    ("B", "{F.Nom} (Kz {F.kz}) {F.v[weicht]} um mehr als {pct} % vom Vorjahreswert ab."),
    ("B*", "Wenn {F.nom} (Kz {F.kz}) 0 Euro {F.v[beträgt]}, darf in Kz {G.kz} kein Wert "
           "eingetragen werden."),
    ("BB", "Der Betrag in Kz {F.kz} ist in der Summe in Kz {G.kz} nicht enthalten. Bitte prüfen "
           "Sie die Summenbildung."),
    ("BBb", "Die Summe aus {F.dat} (Kz {F.kz}) und {G.dat} (Kz {G.kz}) darf {H.akk} "
            "(Kz {H.kz}) nicht übersteigen."),
    ("B", "{F.Nom} (Kz {F.kz}) {F.v[wurde]} mit Nachkommastellen angegeben; zulässig sind nur "
          "volle Euro-Beträge."),
    ("B", "Bei {ctx} {F.v[kann]} {F.nom} (Kz {F.kz}) höchstens bis {n} Euro berücksichtigt werden."),
    ("BB", "{F.Nom} (Kz {F.kz}) und {G.nom} (Kz {G.kz}) dürfen zusammen {n} Euro nicht "
           "übersteigen{Q}."),
    ("B.", "Für {F.akk} (Kz {F.kz}) fehlt die Angabe {G.zu} in Zeile {G.zeile}."),
    ("BB", "Der Betrag in Kz {F.kz} ({F.label}) ist bereits in Kz {G.kz} ({G.label}) enthalten und "
           "darf nicht doppelt erklärt werden."),
    ("D", "{F.Nom} (Kz {F.kz}) {F.v[liegt]} nach dem Ende des Veranlagungszeitraums{Q}."),
    ("D", "{F.Nom} (Kz {F.kz}) {F.v[darf]} nicht vor dem {datum} liegen."),
    ("D", "Das Datum in Kz {F.kz} ({F.label}) ist kein gültiges Kalenderdatum."),
    ("DD", "{F.Nom} (Kz {F.kz}) {F.v[liegt]} vor {G.dat} (Kz {G.kz}){Q}."),
    ("D", "{F.Nom} (Kz {F.kz}) {F.v[darf]} nicht in der Zukunft liegen."),
    ("D", "{F.Nom} in Zeile {F.zeile} {F.v[muss]} innerhalb des Veranlagungszeitraums liegen{Q}."),
    ("D*", "Das in Kz {F.kz} angegebene Datum passt nicht zu den Angaben in Zeile {G.zeile} "
           "({G.label})."),
    ("DD", "{F.Nom} (Kz {F.kz}) und {G.nom} (Kz {G.kz}) dürfen nicht übereinstimmen."),
    ("D", "Für {F.akk} (Kz {F.kz}) ist nur ein Datum im Veranlagungszeitraum zulässig{Q}."),
    ("D", "Das Datum in Kz {F.kz} ({F.label}) ist im Format TT.MM.JJJJ anzugeben."),
    ("D.", "Ist {F.nom} (Kz {F.kz}) angegeben, {G.v[muss]} auch {G.nom} (Kz {G.kz}) ausgefüllt "
           "sein{Q}."),
    ("A", "Bitte geben Sie in Kz {F.kz} ({F.label}) einen Wert größer als 0 an."),
    ("A", "{F.Nom} (Kz {F.kz}) {F.v[darf]} nicht größer als {cnt} sein."),
    ("A", "In Kz {F.kz} ({F.label}) sind nur ganze Zahlen zulässig."),
    ("A*", "{F.Nom} (Kz {F.kz}) {F.v[muss]} mindestens 1 betragen, wenn Angaben {G.zu} "
           "(Kz {G.kz}) gemacht wurden."),
    ("A", "Die Angabe in Kz {F.kz} ({F.label}) ist unplausibel hoch{Q}."),
    ("A*", "{F.Nom} (Kz {F.kz}) {F.v[passt]} nicht {G.zu} (Kz {G.kz})."),
    ("P", "{F.Nom} (Kz {F.kz}) {F.v[ist]} mit über 100 % angegeben."),
    ("P", "Der Prozentsatz in Kz {F.kz} ({F.label}) muss größer als 0 sein und darf 100 nicht "
          "übersteigen."),
    ("P", "Die Summe der Angaben in Kz {F.kz} ({F.label}) ergibt nicht 100 %."),
    ("P", "{F.Nom} (Kz {F.kz}) {F.v[darf]} mit höchstens zwei Nachkommastellen angegeben werden."),
    ("X", "In Zeile {F.zeile} darf nur eines der Ankreuzfelder gesetzt werden."),
    ("X.", "Kz {F.kz} ({F.label}) darf nur angekreuzt werden, wenn {G.nom} (Kz {G.kz}) "
           "angegeben {G.v[ist]}."),
    ("X*", "Kz {F.kz} ({F.label}) wurde angekreuzt, es fehlen jedoch die Angaben in Zeile {G.zeile}."),
    ("X", "Bei {ctx} darf Kz {F.kz} ({F.label}) nicht angekreuzt werden."),
    ("X", "Kz {F.kz} ({F.label}) darf nur mit dem Wert 1 übermittelt werden."),
    ("S", "Für {F.akk} (Kz {F.kz}) wurde ein nicht zulässiger Schlüssel übermittelt{Q}."),
    ("S", "Der Schlüssel in Kz {F.kz} ({F.label}) ist nicht zulässig."),
    ("S", "Der in Kz {F.kz} angegebene Wert ({F.label}) ist bei {ctx} nicht zulässig."),
    ("S*", "{F.Nom} (Kz {F.kz}) {F.v[passt]} nicht zu den Angaben in Zeile {G.zeile}{Q}."),
    ("T", "{F.Nom} (Kz {F.kz}) {F.v[fehlt]}{Q}."),
    ("T", "{F.Nom} (Kz {F.kz}) {F.v[darf]} höchstens {len} Zeichen enthalten."),
    ("T", "{F.Nom} in Zeile {F.zeile} {F.v[enthält]} unzulässige Zeichen."),
    ("T.", "Es wurden Angaben {G.zu} (Kz {G.kz}) gemacht, aber {F.nom} (Kz {F.kz}) {F.v[fehlt]}."),
    ("T", "{F.Nom} (Kz {F.kz}) {F.v[entspricht]} nicht dem vorgeschriebenen Aufbau."),
    ("P.", "{F.Nom} (Kz {F.kz}) {F.v[ist]} anzugeben, wenn {G.nom} (Kz {G.kz}) erklärt {G.v[wurde]}."),
    ("*", "Die Angabe in Kz {F.kz} ({F.label}) ist nur in Zeile {F.zeile} zulässig."),
    ("T", "{F.Nom} (Kz {F.kz}) {F.v[ist]} unvollständig{Q}."),
    (".", "Bitte geben Sie {F.akk} (Kz {F.kz}) an{Q}."),
    ("*.", "Es wurden Angaben {F.zu} (Kz {F.kz}) gemacht, es {G.v[fehlt]} jedoch {G.nom} "
           "(Kz {G.kz}){Q}."),
    ("**", "Kz {F.kz} und Kz {G.kz} dürfen nicht gleichzeitig ausgefüllt werden."),
    ("**", "Die Angaben in Zeile {F.zeile} und Zeile {G.zeile} widersprechen sich{Q}."),
    ("..", "{F.Nom} (Kz {F.kz}) {F.v[darf]} nur angegeben werden, wenn {G.nom} (Kz {G.kz}) "
           "ausgefüllt {G.v[ist]}."),
    (".", "Bei {ctx} {F.v[ist]} {F.nom} (Kz {F.kz}) nicht anzugeben."),
    ("*", "{F.Nom} (Kz {F.kz}) {F.v[wurde]} mehrfach angegeben."),
    ("*", "Die Angaben {F.zu} in Zeile {F.zeile} sind unvollständig{Q}."),
    ("..", "Bitte ergänzen Sie in Zeile {G.zeile} {G.akk}, da {F.nom} (Kz {F.kz}) angegeben "
           "{F.v[wurde]}{Q}."),
]

# Messages that quote a field or option name.
FELD_ZITAT = [
    ("X.", "Es wurde das Ankreuzfeld &quote;{F.label}&quote; gesetzt, bitte geben Sie hierzu auch "
           "{G.akk} (Kz {G.kz}) an{Q}."),
    ("X.", "Das Ankreuzfeld &quote;{F.label}&quote; darf nur gesetzt werden, wenn {G.nom} in "
           "Zeile {G.zeile} angegeben {G.v[ist]}."),
    ("XX", "Die Ankreuzfelder &quote;{F.label}&quote; und &quote;{G.label}&quote; dürfen nicht "
           "gleichzeitig gesetzt werden."),
    ("X*", "Ist das Ankreuzfeld &quote;{F.label}&quote; nicht gesetzt, darf Kz {G.kz} nicht "
           "ausgefüllt werden."),
    ("*", "Im Feld &quote;{F.label}&quote; (Zeile {F.zeile}) fehlt eine Angabe{Q}."),
    ("B", "Der Betrag im Feld &quote;{F.label}&quote; darf nicht negativ sein{Q}."),
    ("B", "Der Betrag im Feld &quote;{F.label}&quote; übersteigt {n} Euro; bitte prüfen Sie Ihre "
          "Angabe."),
    ("S", "Die Auswahl &quote;{opt}&quote; ist im Feld &quote;{F.label}&quote; bei {ctx} nicht "
          "zulässig."),
    ("S.", "Wenn im Feld &quote;{F.label}&quote; die Auswahl &quote;{opt}&quote; getroffen wurde, "
           "{G.v[muss]} auch {G.nom} (Kz {G.kz}) angegeben werden."),
    ("..", "Das Feld &quote;{F.label}&quote; darf nur ausgefüllt werden, wenn auch das Feld "
           "&quote;{G.label}&quote; ausgefüllt ist."),
    ("D", "Das Datum im Feld &quote;{F.label}&quote; liegt außerhalb des Veranlagungszeitraums{Q}."),
    ("T", "Das Feld &quote;{F.label}&quote; darf höchstens {len} Zeichen enthalten."),
    ("A", "Der Wert im Feld &quote;{F.label}&quote; darf {cnt} nicht übersteigen."),
    ("S", "Der Wert &quote;{opt}&quote; ist im Feld &quote;{F.label}&quote; {Fm.in_} nicht "
          "vorgesehen."),
    ("X", "Bitte prüfen Sie das Ankreuzfeld &quote;{F.label}&quote; in Zeile {F.zeile}{Q}."),
    ("P", "Der Prozentsatz im Feld &quote;{F.label}&quote; ist größer als 100."),
]

# Messages about a form as a whole ("Fm"); 'A' marks templates for attachments only.
FORMULAR = [
    ("", "{Fm.Nom} wurde übermittelt, enthält aber keine Angaben."),
    ("", "{Fm.Nom} ist für den angegebenen Veranlagungszeitraum nicht mehr zulässig."),
    ("", "{Fm.Nom} darf höchstens {cnt}-mal übermittelt werden."),
    ("", "Die {Fm.in_} angegebene Steuernummer weicht von der Steuernummer im Vorsatz ab."),
    ("", "Die Angaben {Fm.in_} sind nur zulässig, wenn auch {Fm3.nom} übermittelt wird."),
    ("", "{Fm.Nom} ist bei {ctx} nicht zulässig."),
    (".", "Es wurden Angaben {Fm.in_} gemacht, aber {F.nom} (Kz {F.kz}) {F.v[fehlt]}{Q}."),
    ("B", "Die Summe der Beträge in Zeile {z1} {Fm.gen} muss mit dem Übertrag in Kz {F.kz} "
          "übereinstimmen."),
    ("A", "Zur Übermittlung {Fm.gen} ist der Hauptvordruck erforderlich."),
    ("A", "Die laufende Nummer {Fm.gen} wurde mehrfach vergeben."),
    ("A", "Für jede Person ist {Fm.akk} gesondert zu übermitteln."),
    ("*", "Die Angaben {Fm.in_} in Zeile {F.zeile} ({F.label}) sind widersprüchlich."),
    ("*", "{F.Nom} {Fm.gen} (Kz {F.kz}) {F.v[stimmt]} nicht mit den Angaben {Fm2.in_} überein."),
]

# Messages about the transmitted data set.
DATENSATZ = [
    "Fehler im übergebenen Datensatz (Vorsatz): Bei der {st} sind nur die Vorgänge {v1} und {v2} gültig.",
    "Fehler im übergebenen Datensatz (Vorsatz): Der Vorgang {v1} ist für die {st} nicht zulässig.",
    "Fehler im übergebenen Datensatz: Der Veranlagungszeitraum ist für die {st} nicht zulässig.",
    "Die im Datensatz angegebene Finanzamtsnummer ist für die {st} nicht zuständig.",
    "Der Datensatz enthält Angaben {Fm.zu}, die für die {st} nicht vorgesehen sind.",
    "Im Datensatz wurde {Fm.nom} mehrfach übermittelt.",
    "Der Datensatz enthält Angaben für mehr als {cnt} Personen.",
    "Die Anzahl der übermittelten Anlagen stimmt nicht mit der Angabe im Vorsatz überein.",
    "Fehler im übergebenen Datensatz: Für die {st} ist der Vorgang {v2} erst ab dem folgenden "
    "Veranlagungszeitraum zulässig.",
    "Der Datensatz enthält für die {st} keine steuerlich relevanten Angaben.",
    "Der Datensatz enthält Angaben für einen Zeitraum, der vor dem {datum} beginnt.",
    "Die im Datensatz angegebene Steuernummer ist für die {st} nicht vergeben.",
]
DATENSATZ_ZITAT = [
    "Fehler im übergebenen Datensatz (Vorsatz): Das Feld &quote;{vf}&quote; fehlt oder ist leer.",
    "Fehler im übergebenen Datensatz (Vorsatz): Das Feld &quote;{vf}&quote; ist für die {st} "
    "nicht zulässig.",
]
