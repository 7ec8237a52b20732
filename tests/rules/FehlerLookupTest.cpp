#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "rules/DefaultFehlerLookup.h"
#include "rules/UtilFehlerLookup.h"
#include "rules/VastFehlerLookup.h"

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

// Formal templates, one row per id, transcribed from the message catalogue (the product
// wording); vast is the VAST wording where it differs.
struct FormalerText {
  int id;
  const char* standard;
  const char* vast;
};

const FormalerText FORMALE_TEXTE[] = {
    {1, "Das Feld '$%1$' darf nur einen ganzzahligen Wert enthalten.", nullptr},
    {2,
     "Das Feld '$%1$' muss vom Format '0%10%2' mit genau %3 Nachkommastellen sein. Leerzeichen "
     "oder %12 sind nicht zulässig.",
     nullptr},
    {3,
     "Das Feld '$%1$' muss vom Format '0%10%2' oder '-0%10%2' mit genau %3 Nachkommastellen sein. "
     "Leerzeichen oder %12 sind nicht zulässig.",
     nullptr},
    {4,
     "Das Feld '$%1$' muss eine Zahl mit %3 bis %4 Nachkommastellen sein. Leerzeichen oder %12 "
     "sind nicht zulässig.",
     nullptr},
    {5, "Das Feld '$%1$' muss eine Zahl sein. Leerzeichen oder %12 sind nicht zulässig.", nullptr},
    {6, "Das Feld '$%1$' darf nur maximal %7 Stellen umfassen.", nullptr},
    {7, "Feld '$%1$': Unzulässiges Vorzeichen. Werte müssen ohne Vorzeichen eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Werte dürfen keine Vorzeichen enthalten."},
    {8,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte müssen ohne Vorzeichen "
     "eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte dürfen kein Vorzeichen "
     "enthalten."},
    {9, "Das Feld '$%1$' darf nur einen ganzzahligen Wert enthalten.", nullptr},
    {10,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte müssen ohne Vorzeichen "
     "eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte dürfen kein Vorzeichen "
     "enthalten."},
    {11, "Das Feld '$%1$' darf maximal %5 Vorkommastellen enthalten.", nullptr},
    {12, "Das Feld '$%1$' darf maximal %5 Vorkommastellen und ein negatives Vorzeichen enthalten.",
     nullptr},
    {13, "Das Feld '$%1$' darf maximal %5 Stellen enthalten.", nullptr},
    {14, "Das Feld '$%1$' darf maximal %5 Stellen und ein negatives Vorzeichen enthalten.",
     nullptr},
    {15, "Der im Feld '$%1$' eingegebene Wert muss größer als 0 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss größer als 0 sein."},
    {16, "Der im Feld '$%1$' eingegebene Wert muss ungleich 0 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss ungleich 0 sein."},
    {17, "Im Feld '$%1$' sind führende Nullen nicht zulässig.", nullptr},
    {18, "Das Feld '$%1$' muss mindestens %6 Zeichen enthalten.", nullptr},
    {19, "Das Feld '$%1$' darf maximal %7 Zeichen enthalten.", nullptr},
    {20, "Der im Feld '$%1$' eingegebene Wert muss größer oder gleich %13 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss größer oder gleich %13 sein."},
    {21, "Der im Feld '$%1$' eingegebene Wert muss kleiner oder gleich %14 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss kleiner oder gleich %14 sein."},
    {22,
     "Feld '$%1$': Volle Geldbeträge müssen ohne Punkt, Leerzeichen oder Komma eingetragen werden.",
     "Feld '$%1$': Volle Geldbeträge dürfen keinen Punkt, Leerzeichen oder Komma enthalten."},
    {23,
     "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge müssen ohne Vorzeichen eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge dürfen kein Vorzeichen enthalten."},
    {24,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge müssen ohne "
     "Vorzeichen eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge dürfen kein "
     "Vorzeichen enthalten."},
    {25,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge müssen ohne "
     "Vorzeichen eingegeben werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge dürfen kein "
     "Vorzeichen enthalten."},
    {26, "Das Feld '$%1$' darf maximal %5 Stellen enthalten.", nullptr},
    {27, "Das Feld '$%1$' darf maximal %5 Stellen und ein negatives Vorzeichen enthalten.",
     nullptr},
    {28, "Im Feld '$%1$' sind führende Nullen nicht zulässig.", nullptr},
    {29, "Das Feld '$%1$' muss mindestens %6 Zeichen enthalten.", nullptr},
    {30, "Das Feld '$%1$' darf maximal %7 Zeichen enthalten.", nullptr},
    {31, "Der im Feld '$%1$' eingegebene Wert muss größer oder gleich %13 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss größer oder gleich %13 sein."},
    {32, "Der im Feld '$%1$' eingegebene Wert muss kleiner oder gleich %14 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss kleiner oder gleich %14 sein."},
    {33,
     "Feld '$%1$': Geldbeträge müssen vom Format '0%1000' mit genau 2 Nachkommastellen sein. "
     "Leerzeichen oder %12 sind nicht zulässig.",
     nullptr},
    {34,
     "Feld '$%1$': Geldbeträge müssen vom Format '0%1000' oder '-0%1000' mit genau 2 "
     "Nachkommastellen sein. Leerzeichen oder %12 sind nicht zulässig.",
     nullptr},
    {35,
     "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge müssen ohne Vorzeichen eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge dürfen kein Vorzeichen enthalten."},
    {36,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge müssen ohne "
     "Vorzeichen eingetragen werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge dürfen kein "
     "Vorzeichen enthalten."},
    {37,
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge müssen ohne "
     "Vorzeichen eingegeben werden.",
     "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge dürfen kein "
     "Vorzeichen enthalten."},
    {38, "Das Feld '$%1$' darf maximal %5 Vorkommastellen enthalten.", nullptr},
    {39, "Das Feld '$%1$' darf maximal %5 Vorkommastellen und ein negatives Vorzeichen enthalten.",
     nullptr},
    {40, "Im Feld '$%1$' sind führende Nullen nicht zulässig.", nullptr},
    {41, "Das Feld '$%1$' muss mindestens %6 Zeichen enthalten.", nullptr},
    {42, "Das Feld '$%1$' darf maximal %7 Zeichen enthalten.", nullptr},
    {43, "Der im Feld '$%1$' eingegebene Wert muss größer oder gleich %13 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss größer oder gleich %13 sein."},
    {44, "Der im Feld '$%1$' eingegebene Wert muss kleiner oder gleich %14 sein.",
     "Der im Feld '$%1$' enthaltene Wert muss kleiner oder gleich %14 sein."},
    {45, "Das Feld '$%1$' muss mindestens %6 Zeichen enthalten.", nullptr},
    {46, "Das Feld '$%1$' darf maximal %7 Zeichen enthalten.", nullptr},
    {47, "Das Feld '$%1$' darf keine Zeilenumbrüche enthalten.", nullptr},
    {48,
     "'$%1$': Unzulässiges Zeichen: Es darf nur '%13' (für Ja) oder '%14' (für Nein) eingetragen "
     "werden.",
     "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) oder '%14' (für Nein) sein."},
    {49, "'$%1$': Unzulässiges Zeichen: Es darf nur '%13' (für Ja) eingetragen werden.",
     "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) sein."},
    {50, "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: %7).", nullptr},
    {51,
     "Das Datum im Feld '$%1$' darf nicht vor dem Jahr 1900 liegen. (Erforderliches Format: %7).",
     nullptr},
    {52,
     "'$%1$': Es wurde '00' für den Monat spezifiziert, obwohl eine Monatsangabe erfolgen muss.",
     nullptr},
    {53, "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl eine Monatsangabe erfolgen muss.",
     nullptr},
    {54,
     "'$%1$': Es wurde '0000' für das Jahr spezifiziert, obwohl eine Jahresangabe erfolgen muss.",
     nullptr},
    {55,
     "'$%1$': Es wurde '00' für den Monat spezifiziert, daher muss '00' für den Tag spezifiziert "
     "werden.",
     nullptr},
    {56, "'$%1$': Es wurde '0' für den Monat spezifiziert. Dies ist nicht zulässig.", nullptr},
    {57,
     "'$%1$': Es wurde '0000' für das Jahr spezifiziert, daher muss '00' für den Tag und '00' für "
     "den Monat spezifiziert werden.",
     nullptr},
    {58,
     "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl eine genaue Monatsangabe oder die "
     "Angabe '00' erfolgen muss.",
     nullptr},
    {59,
     "'$%1$': Es wurde '0' für den Tag spezifiziert, obwohl eine genaue Tagesangabe oder die "
     "Angabe '00' erfolgen muss.",
     nullptr},
    {60, "'$%1$': Es wurde '0' für den Tag spezifiziert, obwohl die Angabe '00' erfolgen muss.",
     nullptr},
    {61, "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl die Angabe '00' erfolgen muss.",
     nullptr},
    {62, "Der Datumsbereich im Feld '$%1$' ist nicht gültig. (Erforderliches Format: %7).",
     nullptr},
    {63,
     "Der Datumsbereich im Feld '$%1$' beschreibt kein gültiges Datumsintervall, da das Ende des "
     "Datumsbereiches vor dem Anfang des Datumsbereiches liegt. (Erforderliches Format: %7).",
     nullptr},
    {64,
     "Datumsangaben für das Feld '$%1$' dürfen nicht vor dem Jahr 1900 liegen. (Erforderliches "
     "Format: %7).",
     nullptr},
    {65, "Die Untergrenze für den Beginn des Wirtschaftsjahres ist das Jahr 1960.", nullptr},
    {66,
     "Die Obergrenze für das Ende des Wirtschaftsjahres ist das Ende des aktuellen "
     "Erhebungszeitraums (aktueller Veranlagungszeitraum + 1).",
     nullptr},
    {67, "Das Wirtschaftsjahr kann maximal ein Jahr umfassen.", nullptr},
    {68,
     "Das Jahr in dem das Wirtschaftsjahr endet kann nicht vor dem Jahr liegen, in dem das "
     "Wirtschaftsjahr beginnt.",
     nullptr},
};

TEST(FehlerLookup, JederFormaleTextBeiderLookups) {
  const DefaultFehlerLookup standard;
  const VastFehlerLookup vast;
  ASSERT_EQ(sizeof(FORMALE_TEXTE) / sizeof(FORMALE_TEXTE[0]), 68u);
  for (const FormalerText& fall : FORMALE_TEXTE) {
    SCOPED_TRACE(fall.id);
    EXPECT_EQ(standard.getText(fall.id), fall.standard);
    EXPECT_EQ(vast.getText(fall.id), fall.vast != nullptr ? fall.vast : fall.standard);
  }
}

TEST(FehlerLookup, TexteSindIso885915) {
  // "größer" in ISO-8859-15: g r 0xF6 0xDF e r (one byte per umlaut).
  const std::string text = DefaultFehlerLookup().getText(15);
  EXPECT_NE(text.find("gr\xF6\xDF"
                      "er"),
            std::string::npos)
      << text;
}

TEST(FehlerLookup, FormaleIdsAusserhalbDesBereichs) {
  // Id 0 is "no error"; everything outside 0..68 is unknown, with a trailing line feed.
  const DefaultFehlerLookup standard;
  const VastFehlerLookup vast;
  EXPECT_EQ(standard.getText(0), "");
  EXPECT_EQ(vast.getText(0), "");
  const struct {
    int id;
    const char* meldung;
  } faelle[] = {
      {69, "Unbekannte fehlerId '69'\n"},
      {-1, "Unbekannte fehlerId '-1'\n"},
      {401, "Unbekannte fehlerId '401'\n"},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(fehlertext([&] { standard.getText(fall.id); }), fall.meldung);
    EXPECT_EQ(fehlertext([&] { vast.getText(fall.id); }), fall.meldung);
  }
}

// Field type templates by key and id, transcribed from the message catalogue.
struct FeldtypText {
  const char* key;
  int id;
  const char* text;
};

const FeldtypText FELDTYP_TEXTE[] = {
    {"ungueltigeEmail", 501, "Feld '$%1$': ungültige E-Mail-Adresse."},
    {"ungueltigeEmail", 7, "Feld '$%1$': ungültige E-Mail-Adresse."},
    {"ungueltigeIBAN", 601,
     "Feld '$%1$': Ungültige IBAN: IBAN muss aus zweistelligem Ländercode gefolgt von "
     "zweistelliger Prüfziffer gefolgt von der Basic Bank Account Number bestehen."},
    {"ungueltigeIBAN", 602,
     "Feld '$%1$': Ungültige IBAN: Der angegebene Ländercode ist ungültig oder wird aktuell im "
     "ARBEL-Verfahren nicht unterstützt."},
    {"ungueltigeIBAN", 603,
     "Feld '$%1$': Ungültige IBAN: Die angegebene IBAN entspricht nicht dem für das angegebene "
     "Land definierten formalen Aufbau der IBAN."},
    {"ungueltigeIBAN", 604,
     "Feld '$%1$': Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN führt zu einer "
     "abweichenden Prüfziffer."},
    {"ungueltigeBIC", 101,
     "Feld '$%1$': Ungültiger BIC: Der formale Aufbau des angegebenen BIC ist ungültig."},
    {"ungueltigeBIC", 102,
     "Feld '$%1$': Ungültiger BIC: Der angegebene Ländercode ist ungültig oder wird aktuell im "
     "ARBEL-Verfahren nicht unterstützt."},
    {"ungueltigesDatumMMJJ", 401,
     "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: MM.JJ)."},
    {"ungueltigesDatumMMJJ", 999,
     "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: MM.JJ)."},
    {"ungueltigesDatumTTMMJJ", 401,
     "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: TT.MM.JJ)."},
    {"ungueltigeIDNummer", 701, "Feld '$%1$': Ungültige Identifikationsnummer."},
    {"ungueltigeIDNummer", 704, "Feld '$%1$': Ungültige Identifikationsnummer."},
    {"ungueltigeUStIDNr", 901,
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. Die "
     "UStIDNr muss mit zwei Großbuchstaben beginnen, dem Länderkürzel. Die folgenden Zeichen "
     "können Kleinbuchstaben, Großbuchstaben oder Ziffern, jedoch keine Leerzeichen, keine "
     "Sonderzeichen und keine Umlaute sein."},
    {"ungueltigeUStIDNr", 902,
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. In "
     "Deutschland muss die UStIDNr nach dem zweistelligen Länderkürzel genau 9 Zeichen enthalten."},
    {"ungueltigeUStIDNr", 903,
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. Die "
     "UStIDNr muss nach dem zweistelligen Länderkürzel mindestens 5 Zeichen enthalten."},
    {"ungueltigeUStIDNr", 904,
     "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist ungültig. Die "
     "UStIDNr darf nach dem zweistelligen Länderkürzel maximal 12 Zeichen enthalten."},
    {"ungueltigeUStIDNr", 905,
     "Feld '$%1$': Ungültige UStIDNr: Die angegebene Umsatzsteuer-Identifikationsnummer ist "
     "ungültig."},
    {"ungueltigeSteuernummer", 1001,
     "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben."},
    {"ungueltigeSteuernummer", 12345,
     "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben."},
    {"ungueltigeBundesfinanzamtsnummer", 201,
     "Feld '$%1$': Ungültige Bundesfinanzamtsnummer: Der formale Aufbau der angegebenen "
     "Bundesfinanzamtsnummer ist ungültig. Die Bundesfinanzamtsnummer ist als vierstellige Zahl "
     "anzugeben."},
    {"ungueltigeBundesfinanzamtsnummer", 202,
     "Feld '$%1$': Ungültige Bundesfinanzamtsnummer: Die Bundesfinanzamtsnummer ist ungültig oder "
     "wird aktuell im ARBEL-Verfahren nicht unterstützt."},
    {"ungueltigesLänderkürzel", 801,
     "Feld '$%1$': Ungültiges Länderkürzel: Das Länderkürzel ist ungültig oder wird aktuell im "
     "ARBEL-Verfahren nicht unterstützt."},
    {"ungueltigeBundessteuernummer", 301,
     "Feld '$%1$': Sie haben eine ungültige Bundessteuernummer angegeben."},
};

const char* const VAST_BUNDESSTEUERNUMMER =
    "Feld '$%1$': Die angegebene Bundessteuernummer ist ungültig.";

TEST(FehlerLookup, JederFeldtypText) {
  const DefaultFehlerLookup standard;
  const VastFehlerLookup vast;
  for (const FeldtypText& fall : FELDTYP_TEXTE) {
    SCOPED_TRACE(std::string(fall.key) + " " + std::to_string(fall.id));
    EXPECT_EQ(standard.getFeldtypText(fall.key, fall.id), fall.text);
    const bool anders = std::string(fall.key) == "ungueltigeBundessteuernummer";
    EXPECT_EQ(vast.getFeldtypText(fall.key, fall.id), anders ? VAST_BUNDESSTEUERNUMMER : fall.text);
  }
}

TEST(FehlerLookup, FeldtypIdNullIstLeer) {
  // Id 0 gives an empty text for every key, also an unknown one; the VAST nationwide tax
  // number text is given for every id.
  const DefaultFehlerLookup standard;
  const UtilFehlerLookup util;
  for (const char* key : {"ungueltigeIBAN", "ungueltigeEmail", "gibtEsNicht", ""}) {
    EXPECT_EQ(standard.getFeldtypText(key, 0), "") << key;
    EXPECT_EQ(util.getFeldtypText(key, 0), "") << key;
  }
  EXPECT_EQ(VastFehlerLookup().getFeldtypText("ungueltigeIBAN", 0), "");
  EXPECT_EQ(VastFehlerLookup().getFeldtypText("ungueltigeBundessteuernummer", 0),
            VAST_BUNDESSTEUERNUMMER);
}

TEST(FehlerLookup, UnbekannteKombinationen) {
  // Keys with per-id texts reject other ids; unknown keys reject every id but 0.
  const struct {
    const char* key;
    int id;
    const char* meldung;
  } faelle[] = {
      {"ungueltigeIBAN", 605,
       "Unbekannte Kombination aus errorKey 'ungueltigeIBAN' und fehlerId '605'\n"},
      {"ungueltigeIBAN", 101,
       "Unbekannte Kombination aus errorKey 'ungueltigeIBAN' und fehlerId '101'\n"},
      {"ungueltigeBIC", 103,
       "Unbekannte Kombination aus errorKey 'ungueltigeBIC' und fehlerId '103'\n"},
      {"ungueltigeUStIDNr", 906,
       "Unbekannte Kombination aus errorKey 'ungueltigeUStIDNr' und fehlerId '906'\n"},
      {"ungueltigeBundesfinanzamtsnummer", 203,
       "Unbekannte Kombination aus errorKey 'ungueltigeBundesfinanzamtsnummer' und fehlerId "
       "'203'\n"},
      {"testIDNummer", 1, "Unbekannte Kombination aus errorKey 'testIDNummer' und fehlerId '1'\n"},
      {"ungueltigeLaenderkuerzel", 801,
       "Unbekannte Kombination aus errorKey 'ungueltigeLaenderkuerzel' und fehlerId '801'\n"},
      {"", -5, "Unbekannte Kombination aus errorKey '' und fehlerId '-5'\n"},
  };
  const DefaultFehlerLookup standard;
  const UtilFehlerLookup util;
  const VastFehlerLookup vast;
  for (const auto& fall : faelle) {
    EXPECT_EQ(fehlertext([&] { standard.getFeldtypText(fall.key, fall.id); }), fall.meldung);
    EXPECT_EQ(fehlertext([&] { util.getFeldtypText(fall.key, fall.id); }), fall.meldung);
    EXPECT_EQ(fehlertext([&] { vast.getFeldtypText(fall.key, fall.id); }), fall.meldung);
  }
}

TEST(FehlerLookup, UtilKuerztFeldtexte) {
  // Expected: the catalogue text with "Feld '$%1$':" and the following blank cut off by hand;
  // texts not beginning with "Feld" stay whole.
  const struct {
    const char* key;
    int id;
    const char* text;
  } faelle[] = {
      {"ungueltigeIDNummer", 701, "Ungültige Identifikationsnummer."},
      {"ungueltigeEmail", 501, "ungültige E-Mail-Adresse."},
      {"ungueltigeBIC", 101,
       "Ungültiger BIC: Der formale Aufbau des angegebenen BIC ist ungültig."},
      {"ungueltigeSteuernummer", 1005, "Sie haben eine ungültige Steuernummer angegeben."},
      {"ungueltigesDatumMMJJ", 401,
       "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: MM.JJ)."},
      {"ungueltigesDatumTTMMJJ", 401,
       "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: TT.MM.JJ)."},
  };
  const UtilFehlerLookup util;
  for (const auto& fall : faelle) {
    EXPECT_EQ(util.getFeldtypText(fall.key, fall.id), fall.text) << fall.key;
  }
  // The formal texts are not shortened.
  EXPECT_EQ(util.getText(7), DefaultFehlerLookup().getText(7));
}

}  // namespace
}  // namespace zudadavizu_20_0
