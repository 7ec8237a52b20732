// Identifiers (construction, order, text form), data (first value kept) and results
// (counts by level, ownership of the identifiers handed over).
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/IdentifierImpl.h"

namespace zudadavizu_20_0 {
namespace {

// An identifier whose area can be set, to show that the area takes no part in the order.
class BereichIdentifier : public IdentifierImpl {
 public:
  BereichIdentifier(const char* name, std::string bereich)
      : IdentifierImpl(name, {1}, -2), bereich_(std::move(bereich)) {}
  const std::string& getBereich() const override { return bereich_; }

 private:
  std::string bereich_;
};

class Ebenen : public IFeldbeschreibung {
 public:
  explicit Ebenen(std::size_t anzahl) : anzahl_(anzahl) {}
  std::vector<std::string> getEbenen(const std::string&) const override {
    return std::vector<std::string>(anzahl_, "Ebene");
  }

 private:
  std::size_t anzahl_;
};

TEST(IdentifierImpl, KonstruktorenUndText) {
  // Text form by hand: name "/" first index "." (last index, or 1 for one index) ["@" number].
  const DatenImpl daten;
  const struct {
    IdentifierImpl identifier;
    const char* text;
  } faelle[] = {
      {{"unbenannt", 1, 1, -2}, "unbenannt/1.1"},
      {{"Feld", {3}, 7}, "Feld/3.1@7"},
      {{"Feld", {2, 5, 9}, -2}, "Feld/2.9"},
      {{"Feld", {-4, 0}, -1}, "Feld/-4.0@-1"},
      // A list whose first element is the number, or (flag true) no number and no index.
      {{"L", std::vector<int>{9, 1, 2}, false}, "L/1.2@9"},
      // Levels of the field description give the index count, at least one.
      {{Ebenen(0), "E", 2, 4}, "E/4.1@2"},
      {{Ebenen(3), "E", 2, 4}, "E/4.1@2"},
  };
  for (const auto& fall : faelle) EXPECT_EQ(daten.toText(fall.identifier), fall.text);
  EXPECT_EQ(IdentifierImpl(Ebenen(3), "E", 2, 4).getIndizes(), (std::vector<int>{4, 1, 1}));
  const IdentifierImpl ohne("L", std::vector<int>{9, 1, 2}, true);
  EXPECT_EQ(ohne.getNummer(), -2);
  EXPECT_THROW(daten.toText(ohne), std::invalid_argument);
  EXPECT_THROW(IdentifierImpl("A", std::vector<int>{}, false), std::invalid_argument);
  const std::unique_ptr<IIdentifier> klon(IdentifierImpl("B", {1, 2}, 3).clone());
  EXPECT_EQ(daten.toText(*klon) + klon->getBereich(), "B/1.2@3DEFAULT");
}

TEST(IdentifierImpl, Ordnung) {
  // By hand from the order rules: name bytewise, then number (signed), then indices element
  // by element with a proper prefix first; the area takes no part.
  const struct {
    IdentifierImpl a, b;
    bool kleiner, groesser;
  } faelle[] = {
      {{"A", {9}, 9}, {"B", {1}, 1}, true, false},
      {{"Z", {1}, 1}, {"\xE4", {1}, 1}, true, false},  // ä (0xE4) sorts after ASCII
      {{"A", {1}, -2}, {"A", {1}, 0}, true, false},
      {{"A", {5}, -3}, {"A", {1}, -2}, true, false},
      {{"A", {1}, -2}, {"A", {1, 1}, -2}, true, false},
      {{"A", {1, 2}, -2}, {"A", {1, 1, 5}, -2}, false, true},
      {{"A", {-1, 9}, 1}, {"A", {0}, 1}, true, false},
      {{"A", {}, 1}, {"A", {0}, 1}, true, false},
      {{"A", {1, 1}, 4}, {"A", {1, 1}, 4}, false, false},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.a.getName() + "/" + std::to_string(fall.a.getNummer()));
    EXPECT_EQ(istKleiner(fall.a, fall.b), fall.kleiner);
    EXPECT_EQ(istKleiner(fall.b, fall.a), fall.groesser);
  }
  const BereichIdentifier x("A", "X"), y("A", "Y");
  EXPECT_FALSE(istKleiner(x, y) || istKleiner(y, x));
}

TEST(DatenImpl, ErsterWertBleibtUndIteratorFolgtDerOrdnung) {
  DatenImpl daten;
  daten.setWert(IdentifierImpl("B", {1}, -2), "b");
  daten.setWert(IdentifierImpl("A", {1}, -2), "erster");
  daten.setWert(IdentifierImpl("A", {1}, -2), "zweiter");
  daten.setWert(BereichIdentifier("A", "X"), "dritter");
  daten.setWert(IdentifierImpl("A", {1, 1}, -2), "laenger");
  daten.setWert(IdentifierImpl("A", {1}, -3), "n");
  EXPECT_EQ(daten.getWert(BereichIdentifier("A", "Y")), "erster");
  EXPECT_EQ(daten.getWert(IdentifierImpl("A", {2}, -2)), "");
  std::vector<std::string> werte;
  for (std::unique_ptr<IDatenIterator> it(daten.iterator()); it->hatWeitere(); it->weiter()) {
    werte.push_back(daten.toText(it->getIdentifier()) + "=" + it->getWert());
  }
  EXPECT_EQ(werte,
            (std::vector<std::string>{"A/1.1@-3=n", "A/1.1=erster", "A/1.1=laenger", "B/1.1=b"}));
}

// Counts its own destructions; double deletes are caught by the sanitizer build.
class ZaehlenderIdentifier : public IdentifierImpl {
 public:
  ZaehlenderIdentifier(const char* name, int& geloescht)
      : IdentifierImpl(name, {2, 3}, 4), geloescht_(geloescht) {}
  ~ZaehlenderIdentifier() override { ++geloescht_; }

 private:
  int& geloescht_;
};

TEST(ErgebnisFacade, UebernimmtDieIdentifier) {
  int feldWeg = 0, bezugWeg = 0, beideWeg = 0;
  {
    ErgebnisFacade ergebnis;
    ergebnis.add("regel", "k1", new ZaehlenderIdentifier("F", feldWeg),
                 new ZaehlenderIdentifier("B", bezugWeg), "t1", 1);
    ergebnis.addFormal("formal", "k2", new ZaehlenderIdentifier("G", feldWeg),
                       new ZaehlenderIdentifier("H", bezugWeg), "t2", 3);
    EXPECT_EQ(feldWeg + bezugWeg, 4);  // copied into the entries, deleted at once
    auto* beide = new ZaehlenderIdentifier("X", beideWeg);
    ergebnis.add("regel", "k3", beide, beide, "t3", 1);
    EXPECT_EQ(beideWeg, 1);
    ergebnis.add("regel", "k4", nullptr, nullptr, "t4", 1);
    const std::vector<ErgebnisEintrag> e = ergebnis.getEintraege();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].feld.getName() + e[0].bezugsfeld.getName() + e[1].feld.getName(), "FBG");
    EXPECT_EQ(e[0].markierung * 10 + e[1].markierung, 10);  // formal entries are not marked
    EXPECT_EQ(e[1].feld.getIndizes(), (std::vector<int>{2, 3}));
    EXPECT_EQ(e[1].stufe, 3);
    EXPECT_EQ(e[3].feld.getNummer(), -2);
  }
  EXPECT_EQ(feldWeg + bezugWeg + beideWeg, 5);
}

TEST(ErgebnisFacade, AnzahlNachStufe) {
  // Levels 1, 1, 2 and -1; counts by hand.
  ErgebnisFacade ergebnis;
  for (int stufe : {1, 1, 2, -1}) {
    ergebnis.addFormal("a", "k", nullptr, nullptr, "t", stufe);
  }
  const std::pair<int, unsigned> faelle[] = {{1, 2}, {2, 1}, {-1, 1}, {0, 0}, {3, 0}};
  for (const auto& [stufe, anzahl] : faelle) {
    EXPECT_EQ(ergebnis.anzahl(stufe), anzahl) << stufe;
    EXPECT_EQ(ergebnis.anzahlFuer("beliebig", stufe), anzahl) << stufe;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
