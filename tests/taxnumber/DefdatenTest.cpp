#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxoffice/FinanzamtsdatenService.h"
#include "taxoffice/Finanzamtstabellen.h"

namespace vesk::wex2 {
namespace {

using divideVira::FinanzamtsdatenService;

class Defdaten : public ::testing::Test {
 protected:
  FinanzamtsdatenService service_{nullptr, nullptr};
  DefdatenSteuernummerImpl defdaten_{&service_};
};

TEST_F(Defdaten, FormatierungWirdKopiertUndNeuGefuellt) {
  const zudadavizu_20_0::IFormatierung& erste = defdaten_.getFormatierung(26);
  EXPECT_EQ(erste.getAnzahlStellenFinanzamt(), 2);
  EXPECT_EQ(erste.getAnzahlStellenBezirk(), 3);
  EXPECT_EQ(erste.getAnzahlStellenUnterscheidungsnummer(), 4);
  EXPECT_EQ(erste.getAnzahlStellenPruefziffer(), 1);
  EXPECT_EQ(erste.getPraefix(), "0");
  EXPECT_EQ(erste.getTrenner1(), " ");
  EXPECT_EQ(erste.getTrenner2(), " ");
  EXPECT_EQ(erste.getTrenner3(), "");
  const zudadavizu_20_0::IFormatierung& zweite = defdaten_.getFormatierung(53);
  EXPECT_EQ(&erste, &zweite);
  EXPECT_EQ(erste.getAnzahlStellenFinanzamt(), 3);
  EXPECT_EQ(erste.getAnzahlStellenBezirk(), 4);
  EXPECT_EQ(erste.getPraefix(), "");
  EXPECT_EQ(erste.getTrenner1(), "/");
  EXPECT_THROW(defdaten_.getFormatierung(5), std::runtime_error);
}

TEST_F(Defdaten, VerfahrenWirdKopiertUndNeuGefuellt) {
  const auto& bw = defdaten_.getPruefziffernverfahrenDefinition(28, 2801, 100);
  EXPECT_EQ(bw.getVerfahren(), "2er-Verfahren");
  EXPECT_EQ(bw.getSummanden().size(), 12u);
  const auto& nrw = defdaten_.getPruefziffernverfahrenDefinition(51, 5101, 1000);
  EXPECT_EQ(&bw, &nrw);
  EXPECT_EQ(bw.getVerfahren(), "11er-Verfahren-NRW");
  EXPECT_EQ(bw.getFaktoren(), (std::vector<int>{0, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_TRUE(bw.getSummanden().empty());
  try {
    defdaten_.getPruefziffernverfahrenDefinition(11, 1115, 300);
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Bufanummer existiert nicht.");
  }
}

TEST_F(Defdaten, NegativmusterErsetzenDieVorigen) {
  const auto& erste = defdaten_.getNegativmuster(91);
  EXPECT_EQ(erste.size(), 3u);
  defdaten_.getNegativmuster(41);
  EXPECT_EQ(erste.size(), 2u);
  EXPECT_EQ(erste, service_.holeNegativmuster(41));
  defdaten_.getNegativmuster(28);
  EXPECT_TRUE(erste.empty());
}

TEST_F(Defdaten, FinanzamtAdresse) {
  const zudadavizu_20_0::IFinanzamtAdresse& adresse = defdaten_.getFinanzamtAdresse(1010);
  const divideVira::FinanzamtEintrag* saarlouis = divideVira::findeFinanzamtEintrag("1010");
  ASSERT_NE(saarlouis, nullptr);
  EXPECT_EQ(adresse.getStrasse(), saarlouis->Strasse);
  EXPECT_EQ(adresse.getPlz(), saarlouis->Plz);
  EXPECT_EQ(adresse.getOrt(), saarlouis->Ort);
  EXPECT_EQ(adresse.getName(), "Saarlouis");

  // No record: all four texts empty, also after a filled answer.
  EXPECT_EQ(&defdaten_.getFinanzamtAdresse(9999), &adresse);
  for (const std::string* text :
       {&adresse.getStrasse(), &adresse.getPlz(), &adresse.getOrt(), &adresse.getName()}) {
    EXPECT_EQ(*text, "");
  }
  // A test office has a name only.
  defdaten_.getFinanzamtAdresse(1096);
  EXPECT_EQ(adresse.getName(), "Testfinanzamt Saarland");
  EXPECT_EQ(adresse.getStrasse() + adresse.getPlz() + adresse.getOrt(), "");
}

TEST_F(Defdaten, EinfacheAnfragen) {
  EXPECT_TRUE(defdaten_.existiertFinanzamt(1010));
  EXPECT_TRUE(defdaten_.existiertFinanzamt(5400));   // test office
  EXPECT_FALSE(defdaten_.existiertFinanzamt(2380));  // record outside every list
  EXPECT_FALSE(defdaten_.existiertFinanzamt(9999));
  EXPECT_EQ(defdaten_.getBundeslandKuerzel(51), "NW");
  EXPECT_EQ(defdaten_.getBundeslandKuerzel(25), "");
  EXPECT_TRUE(defdaten_.istBundeslandKuerzel("ND"));
  EXPECT_FALSE(defdaten_.istBundeslandKuerzel("nw"));
}

}  // namespace
}  // namespace vesk::wex2
