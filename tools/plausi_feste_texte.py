"""Hand-written plausibility messages: the module's own technical messages,
the formal field checks and data set checks (flag 1), and the rows whose wording
is fixed. Code -> (text, flag)."""

FESTE_TEXTE = {
    2: ("Speicheranforderung fehlgeschlagen bei Modul Plausibilitätsprüfung.", 0),
    3: ("Interner Fehler bei Modul Plausibilitätsprüfung: Die Prüfregeln konnten nicht geladen werden.", 0),
    4: ("Ungültiger Veranlagungszeitraum.", 0),
    5: ("Ungültige Steuernummer.", 0),
    6: ("Ungültige Finanzamtsnummer.", 0),
    7: ("Die Steuernummer passt nicht zum angegebenen Finanzamt.", 0),
    46: ("Es wurde das Ankreuzfeld &quote;geh- u. stehbehindert&quote; gesetzt, bitte geben Sie "
         "hierzu auch den Grad der Behinderung (Kz 56) an (Stpfl./Ehemann).", 0),
    65: ("Abzug mit über 100 % angegeben.", 0),
    # Formal checks of single values.
    9920: ("Fehler beim Listenfeld: Der übergebene Wert entspricht keinem der für dieses Feld "
           "hinterlegten Listenelemente.", 1),
    9940: ("Fehler beim Listenfeld: Es wurde kein Listenelement übergeben.", 1),
    9941: ("Fehler beim Listenfeld: Das übergebene Listenelement ist für den Veranlagungszeitraum "
           "nicht mehr gültig.", 1),
    9942: ("Fehler beim Listenfeld: Es darf nur ein Listenelement übergeben werden.", 1),
    9943: ("Fehler beim Listenfeld: Der übergebene Schlüssel hat nicht die erwartete Länge.", 1),
    9944: ("Fehler beim Ankreuzfeld: Als Wert ist nur 1 zulässig.", 1),
    9945: ("Fehler beim Ankreuzfeld: Ein nicht angekreuztes Feld darf nicht übergeben werden.", 1),
    9946: ("Fehler beim Ja/Nein-Feld: Erlaubt sind nur die Werte &quote;1&quote; (ja) und "
           "&quote;2&quote; (nein).", 1),
    9947: ("Fehler beim Schlüsselfeld: Der Wert muss aus genau zwei Ziffern bestehen.", 1),
    9948: ("Fehler beim Textfeld: Die maximale Feldlänge ist überschritten.", 1),
    9949: ("Fehler beim Textfeld: Der Wert enthält Zeichen außerhalb des Zeichensatzes ISO-8859-15.", 1),
    9950: ("Fehler beim Textfeld: Der Wert besteht nur aus Leerzeichen.", 1),
    9951: ("Fehler beim Textfeld: Zeilenumbrüche sind in diesem Feld nicht erlaubt.", 1),
    9952: ("Fehler beim Postleitzahlfeld: Eine inländische Postleitzahl besteht aus genau 5 Ziffern.", 1),
    9953: ("Fehler beim Staatenschlüssel: Der übergebene Wert ist kein gültiger Staatenschlüssel.", 1),
    9960: ("Datumsfehler: Das angegebene Datum existiert nicht.", 1),
    9961: ("Datumsfehler: Der Tag muss zwischen 01 und 31 liegen.", 1),
    9962: ("Datumsfehler: Der Monat muss zwischen 01 und 12 liegen.", 1),
    9963: ("Datumsfehler: Das Jahr muss vierstellig angegeben werden.", 1),
    9964: ("Datumsfehler: Das Datum liegt vor dem 01.01.1900.", 1),
    9965: ("Datumsfehler: Das Datum liegt außerhalb des zulässigen Zeitraums.", 1),
    9966: ("Datumsfehler: Das Format stimmt nicht. Erwartetes Format ist MM.JJJJ .", 1),
    9967: ("Datumsfehler: Das Format stimmt nicht. Erwartetes Format ist JJJJ .", 1),
    9968: ("Datumsfehler: Das Format stimmt nicht. Erwartetes Format ist TT.MM. .", 1),
    9969: ("Datumsfehler: Das Format stimmt nicht. Erwartetes Format ist MM .", 1),
    9970: ("Zeitraumfehler: Das Format stimmt nicht. Erwartetes Format ist TT.MM.-TT.MM. .", 1),
    9971: ("Zeitraumfehler: Das Format stimmt nicht. Erwartetes Format ist TT.MM.JJJJ-TT.MM.JJJJ .", 1),
    9972: ("Datumsfehler: Das Format stimmt nicht. Erwartetes Format ist TT.MM.JJJJ .", 1),
    9973: ("Zeitraumfehler: Das Ende des Zeitraums liegt vor dessen Beginn.", 1),
    9974: ("Zeitraumfehler: Der Zeitraum muss innerhalb eines Kalenderjahres liegen.", 1),
    9975: ("Zeitraumfehler: Beginn und Ende des Zeitraums müssen angegeben werden.", 1),
    9976: ("Zeitraumfehler: Die angegebenen Zeiträume überschneiden sich.", 1),
    9977: ("Monatsfehler: Das Format stimmt nicht. Erwartetes Format ist MM-MM .", 1),
    9978: ("Monatsfehler: Der Endmonat darf nicht vor dem Anfangsmonat liegen.", 1),
    9979: ("Zeitfehler: Das Format stimmt nicht. Erwartetes Format ist HH:MM .", 1),
    9980: ("Jahresfehler: Das angegebene Jahr liegt nach dem Veranlagungszeitraum.", 1),
    9984: ("Wiederholungsfehler: Das Feld darf nicht mehrfach übergeben werden.", 1),
    9985: ("Wiederholungsfehler: Die maximale Anzahl an Wiederholungen des Feldes ist überschritten.", 1),
    9986: ("Wiederholungsfehler: Die maximale Anzahl an Zeilen ist überschritten.", 1),
    9987: ("Wiederholungsfehler: Die laufende Nummer der Zeile ist nicht fortlaufend.", 1),
    9988: ("Wiederholungsfehler: Die Zeile wurde doppelt übergeben.", 1),
    9991: ("Wertlänge 0 ist nicht erlaubt.", 1),
    9992: ("Der Wert darf keine führenden Leerzeichen enthalten.", 1),
    9993: ("Der Wert darf keine nachgestellten Leerzeichen enthalten.", 1),
    9994: ("Der Wert darf keine führenden Nullen enthalten.", 1),
    9995: ("Ein positiver Wert darf nicht mit Pluszeichen übergeben werden.", 1),
    9996: ("Kein ganzzahliger Betrag der Form 123 oder -123 .", 1),
    9997: ("Kein Betrag mit 2 Nachkommastellen der Form 123,45 oder -123,45 .", 1),
    9998: ("Kein positiver ganzzahliger Betrag der Form 123 .", 1),
    9999: ("Kein positiver Betrag mit 2 Nachkommastellen der Form 123,45 .", 1),
    10000: ("Keine Zahl mit 1 Nachkommastelle der Form 12,3 .", 1),
    10001: ("Kein Prozentwert mit bis zu 2 Nachkommastellen der Form 12,34 .", 1),
    10002: ("Als Dezimaltrennzeichen ist nur das Komma zulässig.", 1),
    10003: ("Tausendertrennzeichen sind nicht erlaubt.", 1),
    10004: ("Die maximale Anzahl von Vorkommastellen ist überschritten.", 1),
    10005: ("Unterbereichsfehler: Der Index des Unterbereichs fehlt oder ist ungültig.", 1),
    10006: ("Unterbereichsfehler: Der Index ist größer als die zulässige Anzahl von Unterbereichen.", 1),
    10075: ("Unterbereichsfehler: Die Unterbereiche sind nicht lückenlos nummeriert.", 1),
    10076: ("Unterbereichsfehler: Ein Unterbereich darf nicht leer übermittelt werden.", 1),
    10077: ("Unterbereichsfehler: Der Index des Unterbereichs wurde mehrfach vergeben.", 1),
    10091: ("Der Wert enthält Leerzeichen zwischen den Ziffern.", 1),
    10092: ("Ein Minuszeichen ist nur an erster Stelle des Wertes zulässig.", 1),
    10093: ("Der Wert &quote;-0&quote; ist nicht zulässig.", 1),
    # Checks of the transmitted data set as a whole.
    10009: ("Der übermittelte Datensatz enthält keine Nutzdaten.", 1),
    10432: ("Der Datensatz enthält Angaben zu einem Veranlagungszeitraum, der von diesem Verfahren "
            "nicht unterstützt wird.", 1),
    10441: ("Der Datensatz ist unvollständig: Es fehlt der Hauptvordruck.", 1),
    10442: ("Der Datensatz enthält mehr Anlagen, als für eine Erklärung zulässig sind.", 1),
    10450: ("Die Steuernummer im Datensatz ist für das angegebene Bundesland ungültig.", 1),
    10451: ("Die im Datensatz angegebene Datenart passt nicht zum Inhalt der Nutzdaten.", 1),
    10452: ("Der Datensatz überschreitet die zulässige Größe.", 1),
    # A plausibility rule.
    600545: ("Die Summe der als Werbungskosten geltend gemachten Aufwendungen für Wege zwischen "
             "Wohnung und erster Tätigkeitsstätte (Kz 410 bis Kz 415) übersteigt den Höchstbetrag "
             "von 4.500 Euro, obwohl weder die Benutzung eines eigenen oder überlassenen "
             "Kraftfahrzeugs noch eine Behinderung mit einem Grad von mindestens 70 oder von "
             "mindestens 50 in Verbindung mit dem Merkzeichen &quote;G&quote; angegeben wurde. "
             "Bitte prüfen Sie die Angaben zu den benutzten Verkehrsmitteln. Liegen die "
             "Voraussetzungen für einen höheren Abzug vor, tragen Sie diese in den dafür "
             "vorgesehenen Zeilen ein; andernfalls wird der Betrag auf 4.500 Euro begrenzt.", 1),
    8880099: ("Fehler im übergebenen Datensatz: Die Datenart ist für das angegebene Verfahren nicht "
              "zugelassen.", 0),
    8990998: ("Fehler im übergebenen Datensatz (Vorsatz): Bei der Gewerbesteuer sind nur die "
              "Vorgänge 01 und 04 gültig.", 0),
    8990999: ("Fehler im übergebenen Datensatz (Vorsatz): Bei der Körperschaftsteuer sind nur die "
              "Vorgänge 01 und 04 gültig.", 0),
}
