// The rules-facing tax number definitions: constant per-Land objects, and the address member
// refilled per request. The verifier applies them in the module tests (tests/checks).
#include <gtest/gtest.h>

#include <string>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace vesk::wex2 {
namespace {

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

}  // namespace
}  // namespace vesk::wex2
