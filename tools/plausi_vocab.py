"""Vocabulary of the generated plausibility messages: tax forms, their fields
and the small word lists the sentence templates draw from.

A field is (type, phrase, extra):
  type   B amount, D date, A count, P percentage, X check box, S key/list, T text
  phrase "<gender>|<words>", gender m/f/n or p (plural); a word ending in '*'
         is a weak adjective that takes "n" where the case needs it, a word
         ending in '~' takes "n" in the dative plural, a word ending in '^' is
         a weak masculine noun that takes "n" outside the nominative
  extra  optional dict: label (as printed on the form), max (counts),
         options (keys and lists), teil (the amount of the same form that this
         one is part of or bounded by, as its plain phrase)
"""

FORMS = [
    # (declension, genitive, family, personal, fields)
    ("m|Hauptvordruck", "des Hauptvordrucks", "est", True, [
        ("T", "m|Familienname^", {}),
        ("T", "m|Vorname^", {}),
        ("D", "n|Geburtsdatum", {}),
        ("S", "f|Religionszugehörigkeit", {"options": ["ev", "rk", "ak", "jd", "VD"]}),
        ("T", "m|ausgeübte* Beruf", {"label": "Ausgeübter Beruf"}),
        ("D", "n|Datum der Eheschließung", {}),
        ("D", "n|Datum der dauernden Trennung", {"label": "Dauernd getrennt seit"}),
        ("X", "f|Zusammenveranlagung", {}),
        ("X", "f|Einzelveranlagung von Ehegatten", {}),
        ("T", "f|Identifikationsnummer", {}),
        ("T", "f|IBAN", {}),
        ("T", "m|Kontoinhaber", {}),
        ("T", "f|Postleitzahl", {}),
        ("B", "p|Einkommensersatzleistungen", {}),
    ]),
    ("f|Anlage N", "der Anlage N", "est", True, [
        ("B", "m|Bruttoarbeitslohn", {}),
        ("B", "f|einbehaltene* Lohnsteuer", {"teil": "Bruttoarbeitslohn"}),
        ("B", "m|einbehaltene* Solidaritätszuschlag", {"teil": "Bruttoarbeitslohn"}),
        ("B", "f|einbehaltene* Kirchensteuer", {"teil": "Bruttoarbeitslohn"}),
        ("B", "p|steuerbegünstigten Versorgungsbezüge", {"teil": "Bruttoarbeitslohn"}),
        ("B", "p|Entschädigungen", {"teil": "Bruttoarbeitslohn"}),
        ("B", "p|Aufwendungen für Arbeitsmittel", {}),
        ("B", "p|Fortbildungskosten", {}),
        ("B", "p|Beiträge~ zu Berufsverbänden", {}),
        ("B", "p|Mehraufwendungen für doppelte Haushaltsführung", {}),
        ("B", "p|Reisekosten", {}),
        ("A", "f|Anzahl der Arbeitstage", {"max": "366"}),
        ("A", "f|Entfernung zur ersten Tätigkeitsstätte", {"max": "999 km"}),
        ("X", "f|Sammelbeförderung", {"label": "Sammelbeförderung durch den Arbeitgeber"}),
        ("X", "m|Firmenwagen", {"label": "Firmenwagen zur privaten Nutzung"}),
        ("D", "m|Beginn der Tätigkeit", {}),
        ("D", "n|Ende der Tätigkeit", {}),
    ]),
    ("f|Anlage KAP", "der Anlage KAP", "est", True, [
        ("B", "p|Kapitalerträge~", {}),
        ("B", "p|Gewinne~ aus Aktienveräußerungen", {"teil": "Kapitalerträge"}),
        ("B", "p|Verluste~ aus Aktienveräußerungen", {}),
        ("B", "m|in Anspruch genommene* Sparer-Pauschbetrag",
         {"label": "In Anspruch genommener Sparer-Pauschbetrag"}),
        ("B", "f|einbehaltene* Kapitalertragsteuer", {"teil": "Kapitalerträge"}),
        ("B", "p|anrechenbaren ausländischen Steuern", {"teil": "Kapitalerträge"}),
        ("X", "f|Günstigerprüfung", {"label": "Antrag auf Günstigerprüfung"}),
        ("X", "m|Antrag auf Überprüfung des Steuereinbehalts", {}),
        ("B", "f|Ersatzbemessungsgrundlage", {}),
        ("B", "p|Erträge~ aus Investmentfonds", {"teil": "Kapitalerträge"}),
        ("T", "m|Name^ des Kreditinstituts", {}),
    ]),
    ("f|Anlage V", "der Anlage V", "est", True, [
        ("B", "p|Mieteinnahmen", {}),
        ("B", "p|Umlagen", {"teil": "Mieteinnahmen"}),
        ("B", "f|Absetzung für Abnutzung", {}),
        ("B", "p|Schuldzinsen", {}),
        ("B", "p|Erhaltungsaufwendungen", {}),
        ("D", "n|Anschaffungsdatum", {}),
        ("D", "n|Fertigstellungsdatum", {}),
        ("A", "f|vermietete* Wohnfläche", {"max": "9.999 m²", "label": "Vermietete Wohnfläche"}),
        ("A", "f|Anzahl der Wohnungen", {"max": "999"}),
        ("T", "f|Lage des Grundstücks", {}),
        ("T", "n|Einheitswert-Aktenzeichen", {}),
        ("X", "f|Ferienwohnung", {}),
        ("X", "f|Überlassung an Angehörige", {}),
        ("P", "m|Miteigentumsanteil", {}),
    ]),
    ("f|Anlage Kind", "der Anlage Kind", "est", True, [
        ("T", "m|Vorname^ des Kindes", {}),
        ("D", "n|Geburtsdatum des Kindes", {}),
        ("T", "f|Identifikationsnummer des Kindes", {}),
        ("S", "n|Kindschaftsverhältnis",
         {"options": ["leibliches Kind", "Adoptivkind", "Pflegekind", "Enkelkind", "Stiefkind"]}),
        ("D", "m|Beginn der Berufsausbildung", {}),
        ("D", "n|Ende der Berufsausbildung", {}),
        ("B", "p|Kinderbetreuungskosten", {}),
        ("B", "n|Schulgeld", {}),
        ("B", "p|Beiträge~ zur Kranken- und Pflegeversicherung des Kindes", {}),
        ("X", "f|Haushaltszugehörigkeit", {"label": "Kind gehört zum Haushalt"}),
        ("X", "f|Behinderung des Kindes", {"label": "Kind ist behindert"}),
        ("A", "f|Anzahl der Monate mit Wohnsitz im Inland", {"max": "12"}),
    ]),
    ("f|Anlage Vorsorgeaufwand", "der Anlage Vorsorgeaufwand", "est", True, [
        ("B", "p|Beiträge~ zur gesetzlichen Rentenversicherung", {}),
        ("B", "m|Arbeitgeberanteil zur gesetzlichen Rentenversicherung", {"teil": "Beiträge zur gesetzlichen Rentenversicherung"}),
        ("B", "p|Beiträge~ zur Basis-Krankenversicherung", {}),
        ("B", "p|Beiträge~ zur sozialen Pflegeversicherung", {}),
        ("B", "p|Beitragserstattungen", {"teil": "Beiträge zur Basis-Krankenversicherung"}),
        ("B", "p|Zuschüsse~ zu den Kranken- und Pflegeversicherungsbeiträgen", {"teil": "Beiträge zur Basis-Krankenversicherung"}),
        ("X", "m|Anspruch auf Krankengeld", {}),
        ("B", "p|Beiträge~ zu Arbeitslosenversicherungen", {}),
        ("B", "p|Beiträge~ zu Haftpflichtversicherungen", {}),
    ]),
    ("f|Anlage G", "der Anlage G", "est", True, [
        ("B", "m|Gewinn aus Gewerbebetrieb", {}),
        ("T", "f|Art des Gewerbebetriebs", {}),
        ("B", "m|Gewerbesteuer-Messbetrag", {}),
        ("B", "f|tatsächlich zu zahlende* Gewerbesteuer",
         {"label": "Tatsächlich zu zahlende Gewerbesteuer"}),
        ("B", "m|Veräußerungsgewinn", {"teil": "Gewinn aus Gewerbebetrieb"}),
        ("B", "m|Freibetrag für Veräußerungsgewinne", {"teil": "Veräußerungsgewinn"}),
        ("P", "f|Beteiligungsquote", {}),
        ("D", "m|Zeitpunkt der Veräußerung", {}),
        ("X", "f|Betriebsaufgabe", {}),
        ("T", "f|Steuernummer des Betriebs", {}),
        ("B", "p|nicht entnommenen Gewinne~", {"teil": "Gewinn aus Gewerbebetrieb", "label": "Nicht entnommene Gewinne"}),
    ]),
    ("f|Anlage S", "der Anlage S", "est", True, [
        ("B", "m|Gewinn aus freiberuflicher Tätigkeit", {}),
        ("T", "f|Berufsbezeichnung", {}),
        ("B", "p|Einkünfte~ aus sonstiger selbständiger Arbeit", {}),
        ("B", "p|Aufwandsentschädigungen für nebenberufliche Tätigkeiten", {}),
        ("B", "m|Übungsleiterfreibetrag", {"teil": "Aufwandsentschädigungen für nebenberufliche Tätigkeiten"}),
        ("X", "f|gemeinschaftliche* Tätigkeit", {"label": "Gemeinschaftliche Tätigkeit"}),
        ("D", "m|Beginn der freiberuflichen Tätigkeit", {}),
        ("A", "f|Anzahl der Beteiligten", {"max": "999"}),
    ]),
    ("f|Anlage SO", "der Anlage SO", "est", True, [
        ("B", "p|Unterhaltsleistungen", {}),
        ("B", "p|Einkünfte~ aus privaten Veräußerungsgeschäften", {}),
        ("B", "p|Einnahmen aus gelegentlichen Leistungen", {}),
        ("B", "p|Werbungskosten zu sonstigen Leistungen", {"teil": "Einnahmen aus gelegentlichen Leistungen"}),
        ("D", "n|Anschaffungsdatum des Wirtschaftsguts", {}),
        ("D", "n|Veräußerungsdatum des Wirtschaftsguts", {}),
        ("B", "m|Veräußerungspreis", {}),
        ("B", "p|Anschaffungskosten", {}),
        ("B", "p|Abgeordnetenbezüge~", {}),
    ]),
    ("f|Anlage R", "der Anlage R", "est", True, [
        ("B", "m|Rentenbetrag", {}),
        ("D", "m|Beginn der Rente", {}),
        ("B", "m|Rentenanpassungsbetrag", {"teil": "Rentenbetrag"}),
        ("P", "m|Ertragsanteil", {}),
        ("B", "p|Werbungskosten zu Renten", {}),
        ("D", "n|Ende der Rente", {}),
        ("S", "f|Art der Rente", {"options": ["Altersrente", "Erwerbsminderungsrente",
                                              "Witwenrente", "Waisenrente", "Erziehungsrente"]}),
        ("B", "f|Nachzahlung für mehrere Jahre", {"teil": "Rentenbetrag"}),
    ]),
    ("f|Anlage Unterhalt", "der Anlage Unterhalt", "est", True, [
        ("B", "p|Unterhaltsaufwendungen", {}),
        ("D", "n|Geburtsdatum der unterstützten Person", {}),
        ("D", "m|Beginn der Unterstützung", {}),
        ("D", "n|Ende der Unterstützung", {}),
        ("B", "p|eigenen Einkünfte~ der unterstützten Person",
         {"label": "Eigene Einkünfte der unterstützten Person"}),
        ("B", "n|Vermögen der unterstützten Person", {}),
        ("A", "f|Anzahl der unterstützten Personen", {"max": "99"}),
        ("S", "n|Verwandtschaftsverhältnis",
         {"options": ["Kind", "Elternteil", "Großelternteil", "Lebenspartner", "geschiedener Ehegatte"]}),
        ("X", "m|Anspruch auf Kindergeld", {"label": "Anspruch auf Kindergeld für die unterstützte Person"}),
    ]),
    ("f|Anlage AV", "der Anlage AV", "est", True, [
        ("B", "p|Altersvorsorgebeiträge~", {}),
        ("T", "f|Zulagenummer", {}),
        ("T", "f|Vertragsnummer", {}),
        ("B", "n|rentenversicherungspflichtige* Einkommen",
         {"label": "Rentenversicherungspflichtiges Einkommen"}),
        ("X", "f|mittelbare* Zulageberechtigung", {"label": "Mittelbare Zulageberechtigung"}),
        ("S", "f|Art der Zulageberechtigung", {"options": ["unmittelbar", "mittelbar"]}),
        ("A", "f|Anzahl der Verträge", {"max": "99"}),
    ]),
    ("f|Anlage Haushaltsnahe Aufwendungen", "der Anlage Haushaltsnahe Aufwendungen", "est", True, [
        ("B", "p|Aufwendungen für haushaltsnahe Beschäftigungsverhältnisse", {}),
        ("B", "p|Aufwendungen für haushaltsnahe Dienstleistungen", {}),
        ("B", "p|Handwerkerleistungen", {}),
        ("B", "m|Anteil der Arbeitskosten", {"teil": "Handwerkerleistungen"}),
        ("B", "p|Pflege- und Betreuungsleistungen", {}),
        ("A", "f|Anzahl der Haushaltsmitglieder", {"max": "99"}),
        ("X", "m|gemeinsame* Haushalt", {"label": "Gemeinsamer Haushalt"}),
    ]),
    ("f|Anlage Sonderausgaben", "der Anlage Sonderausgaben", "est", True, [
        ("B", "f|gezahlte* Kirchensteuer", {"label": "Gezahlte Kirchensteuer"}),
        ("B", "f|erstattete* Kirchensteuer", {"teil": "gezahlte Kirchensteuer", "label": "Erstattete Kirchensteuer"}),
        ("B", "p|Zuwendungen an politische Parteien", {}),
        ("B", "p|Spenden und Mitgliedsbeiträge~", {}),
        ("B", "p|Versorgungsleistungen", {}),
        ("B", "p|Ausgleichszahlungen im Rahmen des Versorgungsausgleichs", {}),
        ("B", "p|Aufwendungen für die eigene Berufsausbildung", {}),
        ("B", "p|Zuwendungen in das Vermögen einer Stiftung", {}),
    ]),
    ("f|Anlage Außergewöhnliche Belastungen", "der Anlage Außergewöhnliche Belastungen", "est", True, [
        ("B", "p|Krankheitskosten", {}),
        ("B", "p|Pflegekosten", {}),
        ("B", "p|Erstattungen von Dritten", {"teil": "Krankheitskosten"}),
        ("A", "m|Grad der Behinderung", {"max": "100"}),
        ("S", "m|Pflegegrad", {"options": ["2", "3", "4", "5"]}),
        ("X", "n|Merkzeichen aG", {"label": "außergewöhnlich gehbehindert"}),
        ("X", "n|Merkzeichen Bl", {"label": "blind / ständig hilflos"}),
        ("B", "p|Beerdigungskosten", {}),
        ("B", "p|Kosten für die Unterbringung in einem Pflegeheim", {}),
    ]),
    ("f|Anlage EÜR", "der Anlage EÜR", "est", False, [
        ("B", "p|Betriebseinnahmen", {}),
        ("B", "p|Betriebsausgaben", {}),
        ("B", "f|Absetzung für Abnutzung", {}),
        ("B", "p|Privatentnahmen", {}),
        ("B", "p|Privateinlagen", {}),
        ("B", "p|vereinnahmten Umsatzsteuerbeträge~", {"teil": "Betriebseinnahmen", "label": "Vereinnahmte Umsatzsteuer"}),
        ("B", "p|gezahlten Vorsteuerbeträge~", {"label": "Gezahlte Vorsteuerbeträge"}),
        ("B", "m|Gewinn", {}),
        ("D", "m|Beginn des Wirtschaftsjahres", {}),
        ("X", "f|Betriebsveräußerung", {"label": "Betriebsveräußerung oder -aufgabe"}),
        ("S", "f|Rechtsform des Betriebs", {"options": ["Einzelunternehmen", "Personengesellschaft"]}),
    ]),
    ("f|Anlage AUS", "der Anlage AUS", "est", True, [
        ("B", "p|ausländischen Einkünfte~", {"label": "Ausländische Einkünfte"}),
        ("B", "f|anzurechnende* ausländische* Steuer", {"teil": "ausländischen Einkünfte", "label": "Anzurechnende ausländische Steuer"}),
        ("S", "m|Staat", {"options": ["Frankreich", "Österreich", "Schweiz", "Niederlande", "Polen"]}),
        ("X", "m|Antrag auf Steuerabzug", {"label": "Abzug statt Anrechnung"}),
        ("T", "f|Art der Einkünfte", {}),
    ]),
    ("f|Umsatzsteuer-Voranmeldung", "der Umsatzsteuer-Voranmeldung", "ust", False, [
        ("B", "p|steuerpflichtigen Umsätze~ zum Steuersatz von 19 %",
         {"label": "Steuerpflichtige Umsätze zum Steuersatz von 19 %"}),
        ("B", "p|steuerpflichtigen Umsätze~ zum Steuersatz von 7 %",
         {"label": "Steuerpflichtige Umsätze zum Steuersatz von 7 %"}),
        ("B", "p|innergemeinschaftlichen Lieferungen", {"label": "Innergemeinschaftliche Lieferungen"}),
        ("B", "p|abziehbaren Vorsteuerbeträge~", {"label": "Abziehbare Vorsteuerbeträge"}),
        ("B", "f|verbleibende* Umsatzsteuer-Vorauszahlung",
         {"label": "Verbleibende Umsatzsteuer-Vorauszahlung"}),
        ("B", "f|Sondervorauszahlung", {}),
        ("S", "m|Voranmeldungszeitraum",
         {"options": ["Januar", "Februar", "März", "Oktober", "I. Kalendervierteljahr",
                      "IV. Kalendervierteljahr"]}),
        ("X", "f|berichtigte* Anmeldung", {"label": "Berichtigte Anmeldung"}),
        ("X", "f|Verrechnung des Erstattungsbetrags", {"label": "Verrechnung des Erstattungsbetrags erwünscht"}),
        ("B", "f|Steuer aus innergemeinschaftlichen Erwerben", {}),
        ("B", "p|steuerfreien Umsätze~ ohne Vorsteuerabzug", {"label": "Steuerfreie Umsätze ohne Vorsteuerabzug"}),
    ]),
    ("f|Umsatzsteuererklärung", "der Umsatzsteuererklärung", "ust", False, [
        ("B", "f|Summe der Vorauszahlungen", {}),
        ("B", "p|Umsätze~ der Kleinunternehmer", {}),
        ("X", "f|Kleinunternehmerregelung", {"label": "Anwendung der Kleinunternehmerregelung"}),
        ("B", "f|Vorsteuer aus Rechnungen anderer Unternehmer", {}),
        ("B", "p|Umsätze~ zum allgemeinen Steuersatz", {}),
        ("B", "p|Umsätze~ zum ermäßigten Steuersatz", {}),
        ("D", "m|Beginn der Besteuerung", {}),
        ("B", "f|Berichtigung des Vorsteuerabzugs", {"teil": "Vorsteuer aus Rechnungen anderer Unternehmer"}),
        ("S", "f|Besteuerungsart", {"options": ["Sollversteuerung", "Istversteuerung"]}),
    ]),
    ("f|Lohnsteuer-Anmeldung", "der Lohnsteuer-Anmeldung", "lst", False, [
        ("A", "f|Zahl der Arbeitnehmer", {"max": "99.999"}),
        ("B", "f|Summe der einzubehaltenden Lohnsteuer", {}),
        ("B", "f|pauschale* Lohnsteuer", {"label": "Pauschale Lohnsteuer"}),
        ("B", "m|Solidaritätszuschlag", {"teil": "Summe der einzubehaltenden Lohnsteuer"}),
        ("B", "f|pauschale* Kirchensteuer", {"teil": "pauschale Lohnsteuer", "label": "Pauschale Kirchensteuer"}),
        ("S", "m|Anmeldungszeitraum",
         {"options": ["Januar", "Juni", "Dezember", "II. Kalendervierteljahr", "Kalenderjahr"]}),
        ("X", "f|berichtigte* Anmeldung", {"label": "Berichtigte Anmeldung"}),
        ("B", "f|einbehaltene* Lohnsteuer für Aushilfskräfte",
         {"teil": "Summe der einzubehaltenden Lohnsteuer", "label": "Einbehaltene Lohnsteuer für Aushilfskräfte"}),
        ("B", "m|Kürzungsbetrag für Besatzungsmitglieder von Handelsschiffen", {}),
    ]),
    ("f|Gewerbesteuererklärung", "der Gewerbesteuererklärung", "gew", False, [
        ("B", "m|Gewinn aus Gewerbebetrieb", {}),
        ("B", "p|Hinzurechnungen", {}),
        ("B", "p|Kürzungen", {}),
        ("B", "m|vortragsfähige* Gewerbeverlust", {"label": "Vortragsfähiger Gewerbeverlust"}),
        ("A", "f|Anzahl der Betriebsstätten", {"max": "9.999"}),
        ("X", "f|Zerlegung", {"label": "Zerlegung erforderlich"}),
        ("B", "p|Entgelte~ für Schulden", {}),
        ("B", "p|Miet- und Pachtzinsen", {}),
        ("D", "m|Beginn der Steuerpflicht", {}),
        ("T", "f|Gemeinde der Betriebsstätte", {}),
    ]),
    ("f|Körperschaftsteuererklärung", "der Körperschaftsteuererklärung", "kst", False, [
        ("B", "n|zu versteuernde* Einkommen", {"label": "Zu versteuerndes Einkommen"}),
        ("B", "m|Verlustvortrag", {}),
        ("B", "p|verdeckten Gewinnausschüttungen", {"label": "Verdeckte Gewinnausschüttungen"}),
        ("D", "m|Beginn des Wirtschaftsjahres", {}),
        ("D", "n|Ende des Wirtschaftsjahres", {}),
        ("B", "p|nicht abziehbaren Aufwendungen", {"label": "Nicht abziehbare Aufwendungen"}),
        ("B", "p|Körperschaftsteuer-Vorauszahlungen", {}),
        ("S", "f|Rechtsform", {"options": ["GmbH", "AG", "Genossenschaft", "Verein", "Stiftung"]}),
        ("X", "f|Organschaft", {"label": "Organgesellschaft"}),
        ("B", "n|steuerliche* Einlagekonto", {"label": "Steuerliches Einlagekonto"}),
    ]),
    ("f|Feststellungserklärung", "der Feststellungserklärung", "fest", False, [
        ("A", "f|Anzahl der Beteiligten", {"max": "9.999"}),
        ("B", "m|Gewinnanteil", {}),
        ("B", "p|Sonderbetriebseinnahmen", {}),
        ("B", "p|Sonderbetriebsausgaben", {}),
        ("P", "f|Beteiligungsquote", {}),
        ("T", "f|Steuernummer des Beteiligten", {}),
        ("D", "m|Beginn der Beteiligung", {}),
        ("X", "f|Ergänzungsbilanz", {"label": "Ergänzungsbilanz vorhanden"}),
        ("B", "p|Tätigkeitsvergütungen", {"teil": "Gewinnanteil"}),
    ]),
    ("f|Zusammenfassende* Meldung", "der Zusammenfassenden Meldung", "ust", False, [
        ("T", "f|Umsatzsteuer-Identifikationsnummer des Erwerbers", {}),
        ("B", "f|Summe der Bemessungsgrundlagen", {}),
        ("S", "m|Meldezeitraum", {"options": ["Januar", "Mai", "I. Kalendervierteljahr", "III. Kalendervierteljahr"]}),
        ("X", "n|Dreiecksgeschäft", {}),
        ("S", "n|Länderkennzeichen", {"options": ["AT", "BE", "FR", "NL", "PL", "IT"]}),
        ("X", "f|sonstige* Leistung", {"label": "Sonstige Leistung"}),
    ]),
]

# Circumstances a rule applies under, per family ("bei ...").
CONTEXTS = {
    "est": ["Einzelveranlagung", "Zusammenveranlagung", "beschränkter Steuerpflicht",
            "Wahl der Einzelveranlagung von Ehegatten", "Anwendung der Günstigerprüfung",
            "Wegzug ins Ausland"],
    "ust": ["einer berichtigten Anmeldung", "Kleinunternehmern", "einer Nullmeldung",
            "Anwendung der Istversteuerung", "Organschaft"],
    "lst": ["einer berichtigten Anmeldung", "einer Nullmeldung", "Arbeitgebern ohne Betriebsstätte im Inland"],
    "gew": ["Organschaft", "Beginn der Steuerpflicht im Erhebungszeitraum", "Zerlegung"],
    "kst": ["Organschaft", "steuerbefreiten Körperschaften", "abweichendem Wirtschaftsjahr"],
    "fest": ["nur einem Beteiligten", "abweichendem Wirtschaftsjahr", "Ausscheiden eines Beteiligten"],
}

# Family whose forms go with a family that has a single form.
VERWANDT = {"lst": "ust", "gew": "kst", "kst": "gew", "fest": "est"}

# Whose values a personal form holds; empty most of the time.
PERSONS = [" (Stpfl./Ehemann)", " (Ehefrau)", " (Person A)", " (Person B)",
           " (stpfl. Person/Ehemann/Person A)", " (Ehefrau/Person B)"]

STEUERARTEN = ["Einkommensteuer", "Umsatzsteuer", "Lohnsteuer", "Gewerbesteuer",
               "Körperschaftsteuer", "Kapitalertragsteuer"]

VORSATZ_FELDER = ["Unterfallart", "Ordnungsbegriff", "Zeitraum", "Vorgang", "Empfänger",
                  "Bearbeitungskennzahl", "Datenlieferant"]

BETRAEGE = ["600", "1.000", "1.200", "1.900", "2.400", "4.000", "5.000", "6.000", "10.000",
            "20.000", "50.000", "100.000", "250.000", "1.000.000", "9.999.999", "99.999.999"]
PROZENTE = ["5", "10", "20", "25", "30", "50", "75", "90"]
DATEN = ["01.01.1900", "01.01.1950", "01.01.1991", "31.12.1999", "01.01.2005"]
ZEICHEN = ["25", "35", "40", "70", "100", "250"]

# Forms another form needs beside it; attachments of the income tax return
# need the main form unless listed here.
BEGLEITFORMULARE = {
    "Hauptvordruck": [],
    "Anlage G": ["Hauptvordruck", "Anlage EÜR"],
    "Anlage S": ["Hauptvordruck", "Anlage EÜR"],
    "Anlage EÜR": ["Anlage G", "Anlage S"],
    "Anlage AUS": ["Hauptvordruck", "Anlage N", "Anlage KAP"],
    "Zusammenfassende Meldung": ["Umsatzsteuer-Voranmeldung"],
}

# Sentences that may follow a message, with the messages they suit: "*" any,
# "B" those about an amount, "pers" those on a form filled in per person.
HINWEISE = [
    ("*", "Bitte prüfen Sie Ihre Angaben."),
    ("*", "Bitte korrigieren Sie Ihre Eingabe."),
    ("*", "Bitte prüfen Sie Ihre Angaben und korrigieren Sie diese gegebenenfalls."),
    ("*", "Falls die Angabe zutrifft, erläutern Sie den Sachverhalt bitte in den ergänzenden "
          "Angaben zur Steuererklärung."),
    ("*", "Ohne Korrektur kann die Erklärung nicht maschinell bearbeitet werden."),
    ("*", "Die Angabe wird bei der Bearbeitung durch das Finanzamt nicht berücksichtigt."),
    ("*", "Eine Übermittlung ist erst nach der Korrektur möglich."),
    ("*", "Das Finanzamt wird sich gegebenenfalls mit Ihnen in Verbindung setzen."),
    ("*", "Die Angaben wurden für die Berechnung nicht übernommen."),
]
LANGE_HINWEISE = [
    ("pers", "Hinweis: Bei Zusammenveranlagung sind die Angaben für beide Ehegatten bzw. "
     "Lebenspartner getrennt zu erklären. Bitte ordnen Sie die Beträge der jeweiligen Person zu "
     "und verwenden Sie für jede Person die dafür vorgesehenen Kennzahlen; eine Zusammenfassung "
     "der Beträge beider Personen in einer Kennzahl ist nicht zulässig."),
    ("*", "Hinweis: Die Angabe wird maschinell nur berücksichtigt, wenn sämtliche zugehörigen "
     "Felder vollständig ausgefüllt sind. Fehlende Angaben können zu einer Schätzung durch das "
     "Finanzamt oder zu Rückfragen führen, die die Bearbeitung Ihrer Erklärung verzögern."),
    ("*", "Sollte die Angabe dennoch zutreffend sein, fügen Sie der Erklärung bitte eine formlose "
     "Erläuterung bei und kennzeichnen Sie diese in den ergänzenden Angaben zur Steuererklärung. "
     "Das Finanzamt prüft den Sachverhalt dann im Rahmen der Bearbeitung gesondert."),
    ("B", "Bitte beachten Sie, dass die Beträge in vollen Euro ohne Nachkommastellen und ohne "
     "Vorzeichen anzugeben sind. Negative Werte sind nur in den dafür ausdrücklich vorgesehenen "
     "Kennzahlen zulässig; in allen anderen Fällen ist der Betrag in der entsprechenden Kennzahl "
     "für Verluste oder Erstattungen einzutragen."),
    ("B", "Wenn Sie die Angaben aus einer Bescheinigung übernommen haben, vergleichen Sie diese "
     "bitte mit dem Original. Abweichungen zwischen der Bescheinigung und der Erklärung führen "
     "regelmäßig zu Rückfragen des Finanzamts und können die Bearbeitung verzögern."),
]
