// The rules-facing tax number definitions: members refilled per request, and every Land's
// negative patterns as the tax number verifier applies them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxoffice/FinanzamtsdatenService.h"
#include "tests/taxnumber/Referenz.h"
#include "verifiers/Verifiers.h"

namespace vesk::wex2 {
namespace {

namespace ref = dvtest::referenz;

class Defdaten : public ::testing::Test {
 protected:
  divideVira::FinanzamtsdatenService service_{nullptr, nullptr};
  DefdatenSteuernummerImpl defdaten_{&service_};
};

TEST_F(Defdaten, DefinitionenBleibenAdressenWerdenNeuGefuellt) {
  // Notation, method and negative patterns are constant objects: a later request for another
  // Land leaves an earlier answer as it was (rows of the per-Land tables).
  const zudadavizu_20_0::IFormatierung& format = defdaten_.getFormatierung(26);
  EXPECT_NE(&defdaten_.getFormatierung(53), &format);
  EXPECT_EQ(format.getPraefix() + "|" + format.getTrenner1(), "0| ");
  EXPECT_EQ(&defdaten_.getFormatierung(26), &format);

  const auto& verfahren = defdaten_.getPruefziffernverfahrenDefinition(28, 2801, 100);
  EXPECT_EQ(defdaten_.getPruefziffernverfahrenDefinition(51, 5101, 1000).getVerfahren(),
            "11er-Verfahren-NRW");
  EXPECT_EQ(verfahren.getVerfahren(), "2er-Verfahren");
  EXPECT_EQ(verfahren.getSummanden().size(), 12u);

  const auto& muster = defdaten_.getNegativmuster(91);
  EXPECT_TRUE(defdaten_.getNegativmuster(28).empty());
  EXPECT_EQ(muster.size(), 3u);

  // Address of an office with a record, then of one without: all four texts empty.
  const zudadavizu_20_0::IFinanzamtAdresse& adresse = defdaten_.getFinanzamtAdresse(1010);
  EXPECT_EQ(adresse.getName(), "Saarlouis");
  EXPECT_FALSE(adresse.getPlz().empty());
  EXPECT_EQ(&defdaten_.getFinanzamtAdresse(9999), &adresse);
  EXPECT_EQ(adresse.getStrasse() + adresse.getPlz() + adresse.getOrt() + adresse.getName(), "");
  defdaten_.getFinanzamtAdresse(1096);  // a test office has a name only
  EXPECT_EQ(adresse.getName() + adresse.getStrasse() + adresse.getPlz() + adresse.getOrt(),
            "Testfinanzamt Saarland");
}

TEST_F(Defdaten, NegativmusterJedesLandes) {
  zudadavizu_20_0::IFeldtypVordefiniert& verifier = zudadavizu_20_0::steuernummerVerifier();
  // The first existing office of a Land; in Berlin one within the weight rule.
  const auto erstesAmt = [this](int schluessel) {
    int amt = schluessel * 100;
    while (!defdaten_.existiertFinanzamt(amt) || (schluessel == 11 && !ref::berlin(amt, 0))) ++amt;
    return amt;
  };
  // Expected codes by the published pattern lists: Bayern, the other Länder with district
  // rules, NRW (four district digits: 50 is 0050), the rest.
  const struct {
    const char* was;
    int bezirk, unterscheidung;
    int by, bezirksregeln, nw, sonst;
  } faelle[] = {
      {"district 0", 0, 1234, 1003, 1003, 1003, 1003},
      {"district 50", 50, 1234, 1004, 1004, 0, 0},
      {"district 99", 99, 1234, 1004, 1004, 0, 0},
      {"district 100", 100, 1234, 0, 0, 0, 0},
      {"district 997", 997, 1234, 0, 0, 0, 0},
      {"district 998", 998, 1234, 1004, 1004, 1004, 0},
      {"district 999", 999, 1234, 1004, 1004, 1004, 0},
      {"distinguishing 0", 123, 0, 0, 0, 1004, 0},
      {"distinguishing 1", 123, 1, 0, 0, 0, 0},
  };
  for (const ref::Land& land : ref::kLaender) {
    const int amt = erstesAmt(land.schluessel);
    const std::string k = land.kuerzel;
    const bool bezirksregeln = std::string("BB MV SL SN ST TH").find(k) != std::string::npos;
    for (const auto& fall : faelle) {
      const int erwartet = k == "BY"       ? fall.by
                           : bezirksregeln ? fall.bezirksregeln
                           : k == "NW"     ? fall.nw
                                           : fall.sonst;
      // Where the method admits no check digit, a digit outside every pattern moves on: the
      // first of the distinguishing number, or the district's last when that number is 0.
      const int zehnerU = ref::stellen(land, 'u') == 4 ? 1000 : 100;
      std::string nummer;
      for (int versuch = 0; nummer.empty() && versuch < 10; ++versuch) {
        nummer = fall.unterscheidung == 0
                     ? ref::dreizehn(amt, fall.bezirk + versuch, 0)
                     : ref::dreizehn(amt, fall.bezirk,
                                     (fall.unterscheidung + versuch * zehnerU) % (10 * zehnerU));
      }
      ASSERT_FALSE(nummer.empty()) << amt << " " << fall.was;
      EXPECT_EQ(verifier.verify(nummer, &defdaten_), erwartet) << fall.was << " " << nummer;
    }
  }
  // "9xxx099999999" is excluded in Bayern whatever its check digit.
  for (char c = '0'; c <= '9'; ++c) {
    const std::string nummer = std::to_string(erstesAmt(91)) + "099999999";
    EXPECT_EQ(verifier.verify(nummer.substr(0, 12) + c, &defdaten_), 1004) << c;
  }
}

}  // namespace
}  // namespace vesk::wex2
