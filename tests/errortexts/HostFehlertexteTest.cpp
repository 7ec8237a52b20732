#include <gtest/gtest.h>

#include <thread>

#include "errortexts/HostFehlertexte.h"
#include "support/HostCodes.h"

namespace vesk::divideVira {
namespace {

TEST(HostFehlertexte, HaeltGenauDieErwartetenCodes) {
  const auto& texte = hostFehlertexte();
  std::vector<int> codes;
  for (const auto& [code, text] : texte) codes.push_back(code);
  EXPECT_EQ(codes, dvtest::erwarteteHostCodes());
  EXPECT_EQ(texte.size(), 175u);
}

TEST(HostFehlertexte, TexteSindEinzeiligeSaetzeInLatin9) {
  for (const auto& [code, text] : hostFehlertexte()) {
    SCOPED_TRACE(code);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    for (unsigned char c : text) EXPECT_GE(c, 0x20);
    // UTF-8 lead bytes of umlauts would show that a text escaped the conversion.
    EXPECT_EQ(text.find('\xC3'), std::string::npos);
  }
}

// Texts quoted verbatim in the reference table.
TEST(HostFehlertexte, ZitierteTexteByteGenau) {
  const std::pair<int, const char*> kZitiert[] = {
      {0, "Verarbeitung fehlerfrei."},
      {610001001, "Verarbeitung fehlerhaft, keine genaueren Informationen vorhanden."},
      {610001008, "Für den übergebenen Wert sind keine Daten vorhanden."},
      {610001033, "Bei einer arithmetischen Operation ist ein Fehler aufgetreten! Details stehen "
                  "im Logile (vesk.log)"},
      {610001034, "Ungültige Steuernummer."},
      {610001038, "Ungültige Bundesfinanzamtsnummer."},
      {610001404, "Das Bundesland/Finanzamt mit der angegebenen Nummer nimmt bei der angegebenen "
                  "Steuerart am ARBEL-Verfahren nicht teil."},
      {610001510, "Ungültiger BIC: Der formale Aufbau des angegeben BIC ist ungültig."},
      {610101253, "Im XML-String konnte der Text \"</DatenTeil>\" nicht gefunden werden."},
      {610201101, "Sealmod: Ungültiges Token Handle."},
      {610301108, "Die Eingabedaten lagen nicht im Encoding ISO-8859-15 vor, oder es war kein "
                  "Encoding spezifiziert."},
      {610501007, "VeskPrint wurde nicht richtig initialisiert. Eventuell wurde Vesk nicht "
                  "richtig initialisiert?"},
  };
  const auto& texte = hostFehlertexte();
  for (const auto& [code, text] : kZitiert) EXPECT_EQ(texte.at(code), text) << code;
  EXPECT_EQ(texte.at(610001034), "Ung\xfcltige Steuernummer.");  // umlaut as one byte
}

TEST(HostFehlertexte, GruppenMitGemeinsamemText) {
  const std::vector<std::vector<int>> kGruppen = {{610001001, 610301001, 610501001},
                                                  {610001032, 610201208},
                                                  {610001038, 610001039},
                                                  {610101253, 610301253}};
  const auto& texte = hostFehlertexte();
  for (const auto& gruppe : kGruppen) {
    for (int code : gruppe) EXPECT_EQ(texte.at(code), texte.at(gruppe[0])) << code;
  }
}

TEST(HostFehlertexte, SealmodPraefixGenauWoVorgesehen) {
  for (const auto& [code, text] : hostFehlertexte()) {
    bool erwartet = (code >= 610201101 && code <= 610201145) || code == 610201212;
    EXPECT_EQ(text.rfind("Sealmod: ", 0) == 0, erwartet) << code;
  }
}

TEST(HostFehlertexte, ErsterAufrufAusMehrerenThreadsBautEineTabelle) {
  std::vector<const std::map<int, std::string>*> gesehen(8);
  std::vector<std::thread> threads;
  for (auto& adresse : gesehen) threads.emplace_back([&adresse] { adresse = &hostFehlertexte(); });
  for (auto& t : threads) t.join();
  for (auto* adresse : gesehen) EXPECT_EQ(adresse, gesehen[0]);
}

}  // namespace
}  // namespace vesk::divideVira
