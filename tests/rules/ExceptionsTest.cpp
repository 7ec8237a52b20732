#include <gtest/gtest.h>

#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {
namespace {

TEST(RulesExceptions, ArbelRulesExceptionText) {
  const ArbelRulesException e("A", "2014", "X", "m");
  EXPECT_STREQ(e.what(), "m");
  EXPECT_EQ(e.getText(), "Fehler für Applikation <A> Datenart <X> Veranlagungsjahr <2014>: m");
  const ArbelRulesException kopie(e);
  EXPECT_EQ(kopie.getText(), e.getText());
  EXPECT_EQ(kopie.getApplikation(), "A");
  EXPECT_EQ(kopie.getVeranlagungsjahr(), "2014");
  EXPECT_EQ(kopie.getDatenart(), "X");
}

TEST(RulesExceptions, FeldNichtDefiniertInDerHierarchie) {
  const FeldInRegelMengeNichtDefiniertException e("Betrag", "ESt", "2015", "Anlage");
  EXPECT_STREQ(e.what(), "Feld <Betrag> in Regelmenge nicht definiert");
  EXPECT_EQ(e.getFeldname(), "Betrag");
  EXPECT_EQ(e.getText(),
            "Fehler für Applikation <ESt> Datenart <Anlage> Veranlagungsjahr <2015>: "
            "Feld <Betrag> in Regelmenge nicht definiert");
  EXPECT_THROW(throw e, ValidatorException);
  EXPECT_THROW(throw e, ArbelRulesException);
  EXPECT_THROW(throw e, std::runtime_error);
  EXPECT_THROW(throw e, std::exception);
}

TEST(RulesExceptions, DarstellungsfehlerIstKeinRulesFehler) {
  try {
    throw UngueltigeDarstellungsInformationException("kaputt");
  } catch (const ArbelRulesException&) {
    FAIL() << "falscher Zweig";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "kaputt");
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
