#include <gtest/gtest.h>

#include <boost/lexical_cast.hpp>

#include "plugin/Version.h"

namespace vesk::util {
namespace {

struct Fall {
  const char* text;
  std::vector<int16_t> teile;
  bool gueltig;
};

// Expected values worked out by hand from the parsing rule: digit runs are
// numbers, anything else separates, fewer than four are padded with zeros.
const Fall kFaelle[] = {
    {"2015, 3, 15, 0", {2015, 3, 15, 0}, true},
    {"21, 5, 4, 0", {21, 5, 4, 0}, true},
    {"21.0.0.0", {21, 0, 0, 0}, true},
    {"7, 8", {7, 8, 0, 0}, false},
    {"", {0, 0, 0, 0}, false},
    {",,,;;1--2..3  4", {1, 2, 3, 4}, true},
    {"1.2.3.4.5", {1, 2, 3, 4, 5}, true},
    {"32767.-1", {32767, 1, 0, 0}, false},  // '-' is a separator, not a sign
    {"0007.0", {7, 0, 0, 0}, false},
};

TEST(VeskVersion, ParstVersionstexte) {
  for (const Fall& fall : kFaelle) {
    SCOPED_TRACE(fall.text);
    VeskVersion version{std::string(fall.text)};
    EXPECT_EQ(version.teile(), fall.teile);
    EXPECT_EQ(version.gueltig(), fall.gueltig);
    VeskVersion ausZeiger(fall.text);
    EXPECT_EQ(ausZeiger.teile(), fall.teile);
  }
}

TEST(VeskVersion, ZahlUeberInt16WirftBadCast) {
  EXPECT_THROW(VeskVersion("32768, 1, 1, 1"), boost::bad_lexical_cast);
  try {
    VeskVersion("1.99999");
    FAIL();
  } catch (const boost::bad_lexical_cast& e) {
    EXPECT_STREQ(e.what(), "bad lexical cast: source type value could not be interpreted as target");
  }
}

TEST(VeskVersion, KonstruktorenOhneText) {
  VeskVersion leer;
  EXPECT_EQ(leer.teile(), (std::vector<int16_t>{0, 0, 0, 0}));
  EXPECT_FALSE(leer.gueltig());
  VeskVersion vier(1, 2, 3, 4);
  EXPECT_EQ(vier.teil0(), 1);
  EXPECT_EQ(vier.teil3(), 4);
  EXPECT_FALSE(vier.gueltig());
}

TEST(VeskVersion, FabrikenLesenDieModulversionen) {
  auto datei = erzeugeDateiVersion();
  EXPECT_EQ(datei->teile(), (std::vector<int16_t>{2015, 3, 15, 0}));
  auto produkt = erzeugeProduktVersion();
  EXPECT_EQ(produkt->teile(), (std::vector<int16_t>{21, 5, 4, 0}));
  EXPECT_TRUE(produkt->gueltig());
}

}  // namespace
}  // namespace vesk::util
