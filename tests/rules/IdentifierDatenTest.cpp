#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "rules/DatenImpl.h"
#include "rules/IdentifierImpl.h"

namespace zudadavizu_20_0 {
namespace {

// An identifier whose area can be set, to show that the area takes no part in the order.
class BereichIdentifier : public IdentifierImpl {
 public:
  BereichIdentifier(const IdentifierImpl& basis, std::string bereich)
      : IdentifierImpl(basis), bereich_(std::move(bereich)) {}
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

TEST(IdentifierImpl, Konstruktoren) {
  const IdentifierImpl zwei("A", {3, 4}, 7);
  EXPECT_EQ(zwei.getIndizes(), (std::vector<int>{3, 4}));
  EXPECT_EQ(zwei.getNummer(), 7);
  EXPECT_EQ(zwei.getBereich(), "DEFAULT");

  // The first element of the list is the number when the flag is false.
  const IdentifierImpl mitNummer("A", std::vector<int>{9, 1, 2}, false);
  EXPECT_EQ(mitNummer.getNummer(), 9);
  EXPECT_EQ(mitNummer.getIndizes(), (std::vector<int>{1, 2}));
  const IdentifierImpl ohne("A", std::vector<int>{9, 1, 2}, true);
  EXPECT_EQ(ohne.getNummer(), -2);
  EXPECT_TRUE(ohne.getIndizes().empty());
  EXPECT_THROW(IdentifierImpl("A", std::vector<int>{}, false), std::invalid_argument);

  const IdentifierImpl vier("A", 5, 6, -2);
  EXPECT_EQ(vier.getIndizes(), (std::vector<int>{5, 6}));

  // Levels of the field description give the index count, at least one.
  const struct {
    std::size_t ebenen;
    std::vector<int> indizes;
  } faelle[] = {{0, {4}}, {1, {4}}, {3, {4, 1, 1}}};
  for (const auto& fall : faelle) {
    const IdentifierImpl fuenf(Ebenen(fall.ebenen), "F", 2, 4);
    EXPECT_EQ(fuenf.getIndizes(), fall.indizes) << fall.ebenen;
    EXPECT_EQ(fuenf.getNummer(), 2);
  }
}

TEST(IdentifierImpl, CloneUndSetter) {
  std::unique_ptr<IIdentifier> klon(IdentifierImpl("B", {1, 2}, 3).clone());
  EXPECT_EQ(klon->getName(), "B");
  EXPECT_EQ(klon->getIndizes(), (std::vector<int>{1, 2}));
  EXPECT_EQ(klon->getNummer(), 3);
  EXPECT_EQ(klon->getBereich(), "DEFAULT");
  IdentifierImpl geaendert("A", {1}, 2);
  geaendert.setName("N");
  geaendert.setIndizes({7, 8, 9});
  geaendert.setNummer(-2);
  EXPECT_EQ(DatenImpl().toText(geaendert), "N/7.9");
}

TEST(IdentifierImpl, Ordnung) {
  // Expected by the order rules: name bytewise, then number (signed), then indices element by
  // element with a proper prefix first.
  const struct {
    IdentifierImpl a;
    IdentifierImpl b;
    bool kleiner;
    bool groesser;
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
    EXPECT_EQ(fall.a < fall.b, fall.kleiner);
    EXPECT_EQ(fall.b < fall.a, fall.groesser);
  }
  const BereichIdentifier x(IdentifierImpl("A", {1}, 1), "X");
  const BereichIdentifier y(IdentifierImpl("A", {1}, 1), "Y");
  EXPECT_FALSE(istKleiner(x, y));
  EXPECT_FALSE(istKleiner(y, x));
}

TEST(DatenImpl, ToText) {
  // name "/" first index "." (last index, or 1 for a single index) ["@" number].
  const struct {
    IdentifierImpl identifier;
    const char* text;
  } faelle[] = {
      {{"unbenannt", {1, 1}, -2}, "unbenannt/1.1"},
      {{"Feld", {3}, 7}, "Feld/3.1@7"},
      {{"Feld", {2, 5, 9}, -2}, "Feld/2.9"},
      {{"Feld", {-4, 0}, -1}, "Feld/-4.0@-1"},
      {{"F", {12, 34}, 0}, "F/12.34@0"},
  };
  const DatenImpl daten;
  for (const auto& fall : faelle) EXPECT_EQ(daten.toText(fall.identifier), fall.text);
  EXPECT_THROW(daten.toText(IdentifierImpl("F", std::vector<int>{}, true)), std::invalid_argument);
}

TEST(DatenImpl, ErsterWertBleibt) {
  DatenImpl daten;
  daten.setWert(IdentifierImpl("A", {1}, -2), "erster");
  daten.setWert(IdentifierImpl("A", {1}, -2), "zweiter");
  daten.setWert(BereichIdentifier(IdentifierImpl("A", {1}, -2), "X"), "dritter");
  daten.setWert(IdentifierImpl("A", {1, 1}, -2), "laenger");
  EXPECT_EQ(daten.getWert(IdentifierImpl("A", {1}, -2)), "erster");
  EXPECT_EQ(daten.getWert(BereichIdentifier(IdentifierImpl("A", {1}, -2), "Y")), "erster");
  EXPECT_EQ(daten.getWert(IdentifierImpl("A", {1, 1}, -2)), "laenger");
  EXPECT_EQ(daten.getWert(IdentifierImpl("A", {2}, -2)), "");
}

TEST(DatenImpl, IteratorInSchluesselordnung) {
  DatenImpl daten;
  daten.setWert(IdentifierImpl("B", {1}, -2), "b");
  daten.setWert(IdentifierImpl("A", {1, 1}, -2), "a11");
  daten.setWert(IdentifierImpl("A", {1}, -2), "a1");
  daten.setWert(IdentifierImpl("A", {1}, -3), "a1n");
  std::unique_ptr<IDatenIterator> it(daten.iterator());
  std::vector<std::string> werte;
  for (; it->hatWeitere(); it->weiter()) {
    werte.push_back(daten.toText(it->getIdentifier()) + "=" + it->getWert());
  }
  EXPECT_EQ(werte, (std::vector<std::string>{"A/1.1@-3=a1n", "A/1.1=a1", "A/1.1=a11", "B/1.1=b"}));
  std::unique_ptr<IDatenIterator> leer(DatenImpl().iterator());
  EXPECT_FALSE(leer->hatWeitere());
}

}  // namespace
}  // namespace zudadavizu_20_0
