// Every message template of the lookups byte for byte, their unknown ids, and meldeFehler.
#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "rules/Fehlermeldung.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "rules/UtilFehlerLookup.h"
#include "rules/VastFehlerLookup.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

std::string fehlertext(const std::function<void()>& aufruf) {
  try {
    aufruf();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "keine Ausnahme";
}

// Formal templates as worded in the message catalogue; ids with the text of an earlier id are
// listed in GLEICH.
const std::map<int, std::string> FORMAL = {
    {1, "Das Feld '$%1$' darf nur einen ganzzahligen Wert enthalten."},
    {2,
     "Das Feld '$%1$' muss vom Format '0%10%2' mit genau %3 Nachkommastellen sein. Leerzeichen "
     "oder %12 sind nicht zulässig."},
    {3,
     "Das Feld '$%1$' muss vom Format '0%10%2' oder '-0%10%2' mit genau %3 Nachkommastellen "
     "sein. Leerzeichen oder %12 sind nicht zulässig."},
    {4,
     "Das Feld '$%1$' muss eine Zahl mit %3 bis %4 Nachkommastellen sein. Leerzeichen oder %12 "
     "sind nicht zulässig."},
    {5, "Das Feld '$%1$' muss eine Zahl sein. Leerzeichen oder %12 sind nicht zulässig."},
    {6, "Das Feld '$%1$' darf nur maximal %7 Stellen umfassen."},
    {7, "Feld '$%1$': Unzulässiges Vorzeichen. Werte müssen ohne Vorzeichen eingetragen werden."},
    {8,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte müssen ohne "
     "Vorzeichen eingetragen werden."},
    {11, "Das Feld '$%1$' darf maximal %5 Vorkommastellen enthalten."},
    {12, "Das Feld '$%1$' darf maximal %5 Vorkommastellen und ein negatives Vorzeichen enthalten."},
    {13, "Das Feld '$%1$' darf maximal %5 Stellen enthalten."},
    {14, "Das Feld '$%1$' darf maximal %5 Stellen und ein negatives Vorzeichen enthalten."},
    {15, "Der im Feld '$%1$' eingegebene Wert muss größer als 0 sein."},
    {16, "Der im Feld '$%1$' eingegebene Wert muss ungleich 0 sein."},
    {17, "Im Feld '$%1$' sind führende Nullen nicht zulässig."},
    {18, "Das Feld '$%1$' muss mindestens %6 Zeichen enthalten."},
    {19, "Das Feld '$%1$' darf maximal %7 Zeichen enthalten."},
    {20, "Der im Feld '$%1$' eingegebene Wert muss größer oder gleich %13 sein."},
    {21, "Der im Feld '$%1$' eingegebene Wert muss kleiner oder gleich %14 sein."},
    {22,
     "Feld '$%1$': Volle Geldbeträge müssen ohne Punkt, Leerzeichen oder Komma eingetragen "
     "werden."},
    {23,
     "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge müssen ohne Vorzeichen eingetragen "
     "werden."},
    {24,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge müssen ohne "
     "Vorzeichen eingetragen werden."},
    {25,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge müssen ohne "
     "Vorzeichen eingegeben werden."},
    {33,
     "Feld '$%1$': Geldbeträge müssen vom Format '0%1000' mit genau 2 Nachkommastellen sein. "
     "Leerzeichen oder %12 sind nicht zulässig."},
    {34,
     "Feld '$%1$': Geldbeträge müssen vom Format '0%1000' oder '-0%1000' mit genau 2 "
     "Nachkommastellen sein. Leerzeichen oder %12 sind nicht zulässig."},
    {36,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge müssen "
     "ohne Vorzeichen eingetragen werden."},
    {37,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge müssen "
     "ohne Vorzeichen eingegeben werden."},
    {47, "Das Feld '$%1$' darf keine Zeilenumbrüche enthalten."},
    {48,
     "'$%1$': Unzulässiges Zeichen: Es darf nur '%13' (für Ja) oder '%14' (für Nein) "
     "eingetragen werden."},
    {49, "'$%1$': Unzulässiges Zeichen: Es darf nur '%13' (für Ja) eingetragen werden."},
    {50, "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: %7)."},
    {51,
     "Das Datum im Feld '$%1$' darf nicht vor dem Jahr 1900 liegen. (Erforderliches Format: "
     "%7)."},
    {52,
     "'$%1$': Es wurde '00' für den Monat spezifiziert, obwohl eine Monatsangabe erfolgen "
     "muss."},
    {53,
     "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl eine Monatsangabe erfolgen muss."},
    {54,
     "'$%1$': Es wurde '0000' für das Jahr spezifiziert, obwohl eine Jahresangabe erfolgen "
     "muss."},
    {55,
     "'$%1$': Es wurde '00' für den Monat spezifiziert, daher muss '00' für den Tag "
     "spezifiziert werden."},
    {56, "'$%1$': Es wurde '0' für den Monat spezifiziert. Dies ist nicht zulässig."},
    {57,
     "'$%1$': Es wurde '0000' für das Jahr spezifiziert, daher muss '00' für den Tag und '00' "
     "für den Monat spezifiziert werden."},
    {58,
     "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl eine genaue Monatsangabe oder "
     "die Angabe '00' erfolgen muss."},
    {59,
     "'$%1$': Es wurde '0' für den Tag spezifiziert, obwohl eine genaue Tagesangabe oder die "
     "Angabe '00' erfolgen muss."},
    {60, "'$%1$': Es wurde '0' für den Tag spezifiziert, obwohl die Angabe '00' erfolgen muss."},
    {61, "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl die Angabe '00' erfolgen muss."},
    {62, "Der Datumsbereich im Feld '$%1$' ist nicht gültig. (Erforderliches Format: %7)."},
    {63,
     "Der Datumsbereich im Feld '$%1$' beschreibt kein gültiges Datumsintervall, da das Ende "
     "des Datumsbereiches vor dem Anfang des Datumsbereiches liegt. (Erforderliches Format: "
     "%7)."},
    {64,
     "Datumsangaben für das Feld '$%1$' dürfen nicht vor dem Jahr 1900 liegen. "
     "(Erforderliches Format: %7)."},
    {65, "Die Untergrenze für den Beginn des Wirtschaftsjahres ist das Jahr 1960."},
    {66,
     "Die Obergrenze für das Ende des Wirtschaftsjahres ist das Ende des aktuellen "
     "Erhebungszeitraums (aktueller Veranlagungszeitraum + 1)."},
    {67, "Das Wirtschaftsjahr kann maximal ein Jahr umfassen."},
    {68,
     "Das Jahr in dem das Wirtschaftsjahr endet kann nicht vor dem Jahr liegen, in dem das "
     "Wirtschaftsjahr beginnt."},
};
const std::pair<int, int> GLEICH[] = {{9, 1},   {10, 8},  {26, 13}, {27, 14}, {28, 17},
                                      {29, 18}, {30, 19}, {31, 20}, {32, 21}, {35, 23},
                                      {38, 11}, {39, 12}, {40, 17}, {41, 18}, {42, 19},
                                      {43, 20}, {44, 21}, {45, 18}, {46, 19}};
// The VAST wording where it is not merely "enthaltene" for "eingegebene".
const std::map<int, std::string> VAST = {
    {7, "Feld '$%1$': Unzulässiges Vorzeichen. Werte dürfen keine Vorzeichen enthalten."},
    {8,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte dürfen kein "
     "Vorzeichen enthalten."},
    {22, "Feld '$%1$': Volle Geldbeträge dürfen keinen Punkt, Leerzeichen oder Komma enthalten."},
    {23, "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge dürfen kein Vorzeichen enthalten."},
    {24,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge dürfen kein "
     "Vorzeichen enthalten."},
    {36,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge dürfen "
     "kein Vorzeichen enthalten."},
    {48, "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) oder '%14' (für Nein) sein."},
    {49, "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) sein."},
};
const std::pair<int, int> VAST_GLEICH[] = {{25, 24}, {37, 36}};

TEST(FehlerLookup, JederFormaleTextBeiderLookups) {
  std::map<int, std::string> standard = FORMAL, vast;
  for (const auto& [id, text] : FORMAL) {
    vast[id] = VAST.count(id) ? VAST.at(id)
                              : boost::algorithm::replace_all_copy(text, "eingegebene Wert",
                                                                   "enthaltene Wert");
  }
  for (const auto& [id, wie] : VAST_GLEICH) vast[id] = vast[wie];
  for (const auto& [id, wie] : GLEICH) {
    standard[id] = standard.at(wie);
    vast[id] = vast.at(wie);
  }
  ASSERT_EQ(standard.size(), 68u);
  const DefaultFehlerLookup defaultLookup;
  const VastFehlerLookup vastLookup;
  for (int id = 1; id <= 68; ++id) {
    EXPECT_EQ(defaultLookup.getText(id), standard.at(id)) << id;
    EXPECT_EQ(vastLookup.getText(id), vast.at(id)) << id;
  }
  // One byte per umlaut: "größer" is g r 0xF6 0xDF e r in ISO-8859-15.
  EXPECT_NE(defaultLookup.getText(15).find("gr\xF6\xDF"), std::string::npos);
  // Id 0 is "no error"; everything else outside 1..68 is unknown.
  EXPECT_EQ(defaultLookup.getText(0), "");
  EXPECT_EQ(vastLookup.getText(0), "");
  for (int id : {69, -1, 401}) {
    const std::string meldung = "Unbekannte fehlerId '" + std::to_string(id) + "'\n";
    EXPECT_EQ(fehlertext([&] { defaultLookup.getText(id); }), meldung);
    EXPECT_EQ(fehlertext([&] { vastLookup.getText(id); }), meldung);
  }
}

// Field type templates by key and id.
const std::map<std::pair<std::string, int>, std::string> FELDTYP = {
    {{"ungueltigeEmail", 501}, "Feld '$%1$': ungültige E-Mail-Adresse."},
    {{"ungueltigeIBAN", 601},
     "Feld '$%1$': Ungültige IBAN: IBAN muss aus zweistelligem Ländercode gefolgt von "
     "zweistelliger Prüfziffer gefolgt von der Basic Bank Account Number bestehen."},
    {{"ungueltigeIBAN", 602},
     "Feld '$%1$': Ungültige IBAN: Der angegebene Ländercode ist ungültig oder wird aktuell im "
     "ARBEL-Verfahren nicht unterstützt."},
    {{"ungueltigeIBAN", 603},
     "Feld '$%1$': Ungültige IBAN: Die angegebene IBAN entspricht nicht dem für das angegebene "
     "Land definierten formalen Aufbau der IBAN."},
    {{"ungueltigeIBAN", 604},
     "Feld '$%1$': Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN führt zu einer "
     "abweichenden Prüfziffer."},
    {{"ungueltigeBIC", 101},
     "Feld '$%1$': Ungültiger BIC: Der formale Aufbau des angegebenen BIC ist ungültig."},
    {{"ungueltigeBIC", 102},
     "Feld '$%1$': Ungültiger BIC: Der angegebene Ländercode ist ungültig oder wird aktuell im "
     "ARBEL-Verfahren nicht unterstützt."},
    {{"ungueltigesDatumMMJJ", 401},
     "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: MM.JJ)."},
    {{"ungueltigesDatumTTMMJJ", 401},
     "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: TT.MM.JJ)."},
    {{"ungueltigeIDNummer", 701}, "Feld '$%1$': Ungültige Identifikationsnummer."},
    {{"ungueltigeUStIDNr", 901},
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. Die "
     "UStIDNr muss mit zwei Großbuchstaben beginnen, dem Länderkürzel. Die folgenden Zeichen "
     "können Kleinbuchstaben, Großbuchstaben oder Ziffern, jedoch keine Leerzeichen, keine "
     "Sonderzeichen und keine Umlaute sein."},
    {{"ungueltigeUStIDNr", 902},
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. In "
     "Deutschland muss die UStIDNr nach dem zweistelligen Länderkürzel genau 9 Zeichen enthalten."},
    {{"ungueltigeUStIDNr", 903},
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. Die "
     "UStIDNr muss nach dem zweistelligen Länderkürzel mindestens 5 Zeichen enthalten."},
    {{"ungueltigeUStIDNr", 904},
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. Die "
     "UStIDNr darf nach dem zweistelligen Länderkürzel maximal 12 Zeichen enthalten."},
    {{"ungueltigeUStIDNr", 905},
     "Feld '$%1$': Ungültige UStIDNr: Die angegebene Umsatzsteuer-Identifikationsnummer ist "
     "ungültig."},
    {{"ungueltigeSteuernummer", 1001},
     "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben."},
    {{"ungueltigeBundesfinanzamtsnummer", 201},
     "Feld '$%1$': Ungültige Bundesfinanzamtsnummer: Der formale Aufbau der angegebenen "
     "Bundesfinanzamtsnummer ist ungültig. Die Bundesfinanzamtsnummer ist als vierstellige Zahl "
     "anzugeben."},
    {{"ungueltigeBundesfinanzamtsnummer", 202},
     "Feld '$%1$': Ungültige Bundesfinanzamtsnummer: Die Bundesfinanzamtsnummer ist ungültig oder "
     "wird aktuell im ARBEL-Verfahren nicht unterstützt."},
    {{"ungueltigesLänderkürzel", 801},
     "Feld '$%1$': Ungültiges Länderkürzel: Das Länderkürzel ist ungültig oder wird aktuell im "
     "ARBEL-Verfahren nicht unterstützt."},
    {{"ungueltigeBundessteuernummer", 301},
     "Feld '$%1$': Sie haben eine ungültige Bundessteuernummer angegeben."},
};
const char* const VAST_BUNDESSTEUERNUMMER =
    "Feld '$%1$': Die angegebene Bundessteuernummer ist ungültig.";

TEST(FehlerLookup, JederFeldtypTextAllerLookups) {
  // Keys with one text give it for every id but 0.
  std::map<std::pair<std::string, int>, std::string> texte = FELDTYP;
  for (const auto& [key, id, wie] : {std::tuple{"ungueltigeEmail", 7, 501},
                                     {"ungueltigesDatumMMJJ", 999, 401},
                                     {"ungueltigeIDNummer", 704, 701},
                                     {"ungueltigeSteuernummer", 12345, 1001}}) {
    texte[{key, id}] = FELDTYP.at({key, wie});
  }
  const std::string feld = "Feld '$%1$': ";  // dropped by the util lookup
  const DefaultFehlerLookup standard;
  const UtilFehlerLookup util;
  const VastFehlerLookup vast;
  for (const auto& [schluessel, text] : texte) {
    const auto& [key, id] = schluessel;
    SCOPED_TRACE(key + " " + std::to_string(id));
    EXPECT_EQ(standard.getFeldtypText(key, id), text);
    EXPECT_EQ(vast.getFeldtypText(key, id),
              key == "ungueltigeBundessteuernummer" ? VAST_BUNDESSTEUERNUMMER : text);
    EXPECT_EQ(util.getFeldtypText(key, id),
              text.compare(0, feld.size(), feld) == 0 ? text.substr(feld.size()) : text);
  }
  EXPECT_EQ(util.getText(7), standard.getText(7));
  // Id 0 is empty for every key but VAST's nationwide tax number, which ignores the id.
  for (const char* key : {"ungueltigeIBAN", "gibtEsNicht", ""}) {
    EXPECT_EQ(
        standard.getFeldtypText(key, 0) + util.getFeldtypText(key, 0) + vast.getFeldtypText(key, 0),
        "")
        << key;
  }
  EXPECT_EQ(vast.getFeldtypText("ungueltigeBundessteuernummer", 0), VAST_BUNDESSTEUERNUMMER);
}

TEST(FehlerLookup, UnbekannteKombinationen) {
  const std::pair<const char*, int> faelle[] = {{"ungueltigeIBAN", 605},
                                                {"ungueltigeIBAN", 101},
                                                {"ungueltigeBIC", 103},
                                                {"ungueltigeUStIDNr", 906},
                                                {"ungueltigeBundesfinanzamtsnummer", 203},
                                                {"testIDNummer", 1},
                                                {"ungueltigeLaenderkuerzel", 801},
                                                {"", -5}};
  const DefaultFehlerLookup standard;
  const UtilFehlerLookup util;
  const VastFehlerLookup vast;
  for (const auto& [key, id] : faelle) {
    const std::string meldung = std::string("Unbekannte Kombination aus errorKey '") + key +
                                "' und fehlerId '" + std::to_string(id) + "'\n";
    EXPECT_EQ(fehlertext([&] { standard.getFeldtypText(key, id); }), meldung);
    EXPECT_EQ(fehlertext([&] { util.getFeldtypText(key, id); }), meldung);
    EXPECT_EQ(fehlertext([&] { vast.getFeldtypText(key, id); }), meldung);
  }
}

using Ids = IFeldtypVordefiniertFehlerIds;

TEST(MeldeFehler, ErsetztJedesProzentEinsUndZeichnetAuf) {
  TestKontext t;
  IdentifierImpl feld("Betrag", {4, 2, 7}, 3);
  t.kontext.identifier = &feld;
  // Literal replacement of every "%1", also at the start of %10 to %14.
  EXPECT_EQ(meldeFehler(Ids::UNGUELTIGE_IBAN, "%1|'$%1$'|%10|%7|%2", t.kontext), 1);
  const auto eintraege = t.ergebnis.getEintraege();
  ASSERT_EQ(eintraege.size(), 1u);
  const ErgebnisEintrag& e = eintraege.front();
  EXPECT_EQ(e.text, "Betrag/4.7@3|'$Betrag/4.7@3$'|Betrag/4.7@30|%7|%2");
  EXPECT_EQ(e.schluessel, "ungueltigeIBAN");
  EXPECT_EQ(e.art, "formalePruefung");
  EXPECT_EQ(e.markierung, 0);
  EXPECT_EQ(e.stufe, 1);
  EXPECT_EQ(e.feld.getName() + e.bezugsfeld.getName(), "BetragBetrag");
  EXPECT_EQ(e.bezugsfeld.getIndizes(), (std::vector<int>{4, 2, 7}));
}

TEST(MeldeFehler, StatusUndOhneErgebnis) {
  // Status 2 only for the test identification number notice; ohneErgebnis records nothing.
  for (const std::string& key : {Ids::TEST_ID_NUMMER, Ids::UNGUELTIGE_IBAN}) {
    for (bool ohneErgebnis : {false, true}) {
      TestKontext t;
      t.kontext.ohneErgebnis = ohneErgebnis;
      EXPECT_EQ(meldeFehler(key, "x", t.kontext), key == Ids::TEST_ID_NUMMER ? 2 : 1) << key;
      EXPECT_EQ(t.ergebnis.anzahl(1), ohneErgebnis ? 0u : 1u) << key;
    }
  }
  TestKontext ohneDaten;
  ohneDaten.kontext.daten = nullptr;
  EXPECT_THROW(meldeFehler("x", "%1", ohneDaten.kontext), std::invalid_argument);
  TestKontext ohne;
  ohne.kontext.ergebnis = nullptr;
  EXPECT_THROW(meldeFehler("x", "%1", ohne.kontext), std::invalid_argument);
  ohne.kontext.ohneErgebnis = true;
  EXPECT_EQ(meldeFehler("x", "%1", ohne.kontext), 1);
}

TEST(MeldeFehler, WortlautNachVastModus) {
  TestKontext t;
  for (bool vastModus : {false, true}) {
    t.kontext.vastModus = vastModus;
    EXPECT_EQ(formaleTexte(7, t.kontext), vastModus ? VAST.at(7) : FORMAL.at(7));
    EXPECT_EQ(feldtypTexte(Ids::UNGUELTIGE_BUNDESSTEUERNUMMER, 301, t.kontext),
              vastModus ? VAST_BUNDESSTEUERNUMMER
                        : "Feld '$%1$': Sie haben eine ungültige Bundessteuernummer angegeben.");
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
