#include <gtest/gtest.h>

#include <vector>

#include "rules/ErgebnisFacade.h"

namespace zudadavizu_20_0 {
namespace {

// Counts its own destructions, so that ownership can be checked (double deletes are caught
// by the sanitizer build).
class ZaehlenderIdentifier : public IdentifierImpl {
 public:
  ZaehlenderIdentifier(std::string name, int& geloescht)
      : IdentifierImpl(std::move(name), {2, 3}, 4), geloescht_(geloescht) {}
  ~ZaehlenderIdentifier() override { ++geloescht_; }

 private:
  int& geloescht_;
};

TEST(ErgebnisFacade, UebernimmtBeideIdentifier) {
  int feldWeg = 0;
  int bezugWeg = 0;
  {
    ErgebnisFacade ergebnis;
    ergebnis.add("art", "key", new ZaehlenderIdentifier("F", feldWeg),
                 new ZaehlenderIdentifier("B", bezugWeg), "text", 1);
    EXPECT_EQ(feldWeg, 1);
    EXPECT_EQ(bezugWeg, 1);
    ergebnis.addFormal("art", "key", new ZaehlenderIdentifier("F", feldWeg),
                       new ZaehlenderIdentifier("B", bezugWeg), "text", 2);
    EXPECT_EQ(feldWeg, 2);
    EXPECT_EQ(bezugWeg, 2);
    // One object handed as both arguments is deleted once.
    int beideWeg = 0;
    auto* beide = new ZaehlenderIdentifier("X", beideWeg);
    ergebnis.add("art", "key", beide, beide, "text", 1);
    EXPECT_EQ(beideWeg, 1);
    ergebnis.add("art", "key", nullptr, nullptr, "text", 1);
    EXPECT_EQ(ergebnis.getEintraege().back().feld.getNummer(), -2);
  }
  EXPECT_EQ(feldWeg, 2);
  EXPECT_EQ(bezugWeg, 2);
}

TEST(ErgebnisFacade, EintraegeInReihenfolge) {
  int weg = 0;
  ErgebnisFacade ergebnis;
  ergebnis.add("regel", "k1", new ZaehlenderIdentifier("F", weg),
               new ZaehlenderIdentifier("B", weg), "t1", 1);
  ergebnis.addFormal("formalePruefung", "k2", new ZaehlenderIdentifier("G", weg),
                     new ZaehlenderIdentifier("H", weg), "t2", 3);
  const std::vector<ErgebnisEintrag> eintraege = ergebnis.getEintraege();
  ASSERT_EQ(eintraege.size(), 2u);
  const ErgebnisEintrag& a = eintraege[0];
  EXPECT_EQ(a.schluessel, "k1");
  EXPECT_EQ(a.markierung, 1);
  EXPECT_EQ(a.art, "regel");
  EXPECT_EQ(a.text, "t1");
  EXPECT_EQ(a.feld.getName(), "F");
  EXPECT_EQ(a.feld.getIndizes(), (std::vector<int>{2, 3}));
  EXPECT_EQ(a.feld.getNummer(), 4);
  EXPECT_EQ(a.bezugsfeld.getName(), "B");
  EXPECT_EQ(a.stufe, 1);
  const ErgebnisEintrag& b = eintraege[1];
  EXPECT_EQ(b.markierung, 0);
  EXPECT_EQ(b.feld.getName(), "G");
  EXPECT_EQ(b.bezugsfeld.getName(), "H");
  EXPECT_EQ(b.stufe, 3);
}

TEST(ErgebnisFacade, AnzahlNachStufe) {
  // Levels 1, 1, 2 and -1; counts by hand.
  ErgebnisFacade ergebnis;
  for (int stufe : {1, 1, 2, -1}) {
    ergebnis.addFormal("a", "k", new IdentifierImpl("F", {1}, -2), new IdentifierImpl("F", {1}, -2),
                       "t", stufe);
  }
  const struct {
    int stufe;
    unsigned anzahl;
  } faelle[] = {{1, 2}, {2, 1}, {-1, 1}, {0, 0}, {3, 0}};
  for (const auto& fall : faelle) {
    EXPECT_EQ(ergebnis.anzahl(fall.stufe), fall.anzahl) << fall.stufe;
    EXPECT_EQ(ergebnis.anzahlFuer("beliebig", fall.stufe), fall.anzahl) << fall.stufe;
  }
  EXPECT_EQ(ErgebnisFacade().anzahl(1), 0u);
}

}  // namespace
}  // namespace zudadavizu_20_0
