// The host error-code texts as data: every published row byte for byte, only
// the documented groups share a text, and product names are spelled one way.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "errortexts/HostFehlertexte.h"

namespace vesk::divideVira {
namespace {

TEST(HostTexteDaten, VeroeffentlichteZeilenByteGenau) {
  // Every row the published table quotes.
  const std::pair<int, const char*> kZeilen[] = {
      {0, "Verarbeitung fehlerfrei."},
      {610001001, "Verarbeitung fehlerhaft, keine genaueren Informationen vorhanden."},
      {610001002, "Fehler während der Plausibilitätsprüfung, Datensatz nicht plausibel."},
      {610001007, "Keine Klartextfehlermeldung vorhanden."},
      {610001008, "Für den übergebenen Wert sind keine Daten vorhanden."},
      {610001013, "Es ist nicht genügend Arbeitsspeicher vorhanden."},
      {610001032, "Interner Fehler aufgetreten! Details stehen ggf. im Logfile (vesk.log)."},
      {610001033,
       "Bei einer arithmetischen Operation ist ein Fehler aufgetreten! Details stehen im Logile "
       "(vesk.log)"},
      {610001034, "Ungültige Steuernummer."},
      {610001035, "Ungültige Steuernummer: Es werden 13 Stellen erwartet."},
      {610001036, "Ungültige Steuernummer: Es werden nur Ziffern erwartet."},
      {610001037, "Ungültige Landesnummer."},
      {610001038, "Ungültige Bundesfinanzamtsnummer."},
      {610001039, "Ungültige Bundesfinanzamtsnummer."},
      {610001045,
       "Das Plugin 'divideVira' konnte nicht geladen werden oder bietet einen benötigten Service "
       "nicht an. Details stehen im Logfile (vesk.log)."},
      {610001222, "Die angegebenen Parameter sind ungültig oder unvollständig."},
      {610001400, "Allgemeiner Fehler bei einer Hilfsfunktion."},
      {610001404,
       "Das Bundesland/Finanzamt mit der angegebenen Nummer nimmt bei der angegebenen Steuerart am "
       "ARBEL-Verfahren nicht teil."},
      {610001501,
       "Ungültige IBAN: IBAN muss aus zweistelligem Ländercode gefolgt von zweistelliger "
       "Prüfziffer gefolgt von der Basic Bank Account Number bestehen."},
      {610001502,
       "Ungültige IBAN: Der angegebene Ländercode ist ungültig oder wird aktuell im "
       "ARBEL-Verfahren nicht unterstützt."},
      {610001503,
       "Ungültige IBAN: Die angegebene IBAN entspricht nicht dem für das angegebene Land "
       "definierten formalen Aufbau der IBAN."},
      {610001504,
       "Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN führt zu einer abweichenden "
       "Prüfziffer."},
      {610001510, "Ungültiger BIC: Der formale Aufbau des angegeben BIC ist ungültig."},
      {610001511,
       "Ungültiger BIC: Der angegebene Ländercode ist ungültig oder wird aktuell im "
       "ARBEL-Verfahren nicht unterstützt."},
      {610001519,
       "Die angegebene Zulassungsnummer entspricht nicht den Längenvorgaben. Es sind maximal 6 "
       "Stellen erlaubt."},
      {610001520,
       "Ungültige IDNummer: Die Länge der Identifikationsnummer ist falsch, es werden 11 Zeichen "
       "erwartet."},
      {610001521, "Ungültige IDNummer: Identifikationsnummer nicht im numerischen Format."},
      {610001522,
       "Ungültige IDNummer: In den ersten 10 Stellen der Identifikationsnummer muss genau eine "
       "Ziffer doppelt vorkommen."},
      {610001523,
       "Ungültige IDNummer: Die erste Ziffer der Identifikationsnummer darf nicht 0 sein."},
      {610001524, "Ungültige IDNummer: Die Prüfziffer der Identifikationsnummer ist falsch."},
      {610001869,
       "Fehler im übergebenen EDS-XML: Der Inhalt des Nutzdaten-Elements <Empfaenger> ist für "
       "diese Datenart nicht korrekt."},
      {610101200, "Allgemeiner Kommunikationsfehler."},
      {610101253, "Im XML-String konnte der Text \"</DatenTeil>\" nicht gefunden werden."},
      {610201101, "Sealmod: Ungültiges Token Handle."},
      {610301001, "Verarbeitung fehlerhaft, keine genaueren Informationen vorhanden."},
      {610301006, "Fehler beim Parsen der Eingabedaten. Details stehen im Logfile (vesk.log)."},
      {610301108,
       "Die Eingabedaten lagen nicht im Encoding ISO-8859-15 vor, oder es war kein Encoding "
       "spezifiziert."},
      {610301200,
       "Es traten Fehler beim Validieren des XML auf. Details stehen im Logfile (vesk.log)."},
      {610301201, "Eine XML-Entity konnte nicht aufgelöst werden."},
      {610501007,
       "VeskPrint wurde nicht richtig initialisiert. Eventuell wurde Vesk nicht richtig "
       "initialisiert?"},
  };
  const auto& texte = hostFehlertexte();
  for (const auto& [code, text] : kZeilen) EXPECT_EQ(texte.at(code), text) << code;
}

TEST(HostTexteDaten, NurDieVierGruppenTeilenEinenText) {
  std::map<std::string, std::set<int>> codesJeText;
  for (const auto& [code, text] : hostFehlertexte()) codesJeText[text].insert(code);
  std::set<std::set<int>> geteilt;
  for (const auto& [text, codes] : codesJeText) {
    if (codes.size() > 1) geteilt.insert(codes);
  }
  const std::set<std::set<int>> kGruppen = {{610001001, 610301001, 610501001},
                                            {610001032, 610201208},
                                            {610001038, 610001039},
                                            {610101253, 610301253}};
  EXPECT_EQ(geteilt, kGruppen);
}

// A name in any other capitalisation ("VESK", "Arbel", "sealmod") is a typo.
TEST(HostTexteDaten, ProduktnamenEinheitlich) {
  const std::pair<const char*, std::vector<std::string>> kNamen[] = {
      {"vesk", {"Vesk", "vesk.log"}}, {"arbel", {"ARBEL"}}, {"sealmod", {"Sealmod"}}};
  for (const auto& [code, text] : hostFehlertexte()) {
    std::string klein = text;
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    for (const auto& [name, schreibweisen] : kNamen) {
      for (auto pos = klein.find(name); pos != std::string::npos; pos = klein.find(name, pos + 1)) {
        bool erlaubt =
            std::any_of(schreibweisen.begin(), schreibweisen.end(),
                        [&](const std::string& s) { return text.compare(pos, s.size(), s) == 0; });
        EXPECT_TRUE(erlaubt) << code << ": " << text;
      }
    }
  }
}

}  // namespace
}  // namespace vesk::divideVira
