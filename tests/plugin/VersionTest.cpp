#include <gtest/gtest.h>

#include <boost/lexical_cast.hpp>

#include "plugin/Version.h"

namespace vesk::util {
namespace {

std::string alsText(const VeskVersion& v) {
  std::string text = v.gueltig() ? "gueltig" : "ungueltig";
  for (int16_t teil : v.teile()) text += " " + std::to_string(teil);
  return text;
}

// Worked out by hand from the reading rule: digit runs are numbers, anything else separates,
// fewer than four numbers are padded with zeros and leave the version invalid.
TEST(VeskVersion, LiestVersionstexte) {
  const std::pair<const char*, const char*> kFaelle[] = {
      {"2015, 3, 15, 0", "gueltig 2015 3 15 0"},
      {"21.0.0.0", "gueltig 21 0 0 0"},
      {"7, 8", "ungueltig 7 8 0 0"},
      {"", "ungueltig 0 0 0 0"},
      {",,,;;1--2..3  4", "gueltig 1 2 3 4"},
      {"1.2.3.4.5", "gueltig 1 2 3 4 5"},
      {"32767.-1", "ungueltig 32767 1 0 0"},  // '-' separates, it is no sign
  };
  for (const auto& [text, erwartet] : kFaelle)
    EXPECT_EQ(alsText(VeskVersion(std::string(text))), erwartet);
  EXPECT_THROW(VeskVersion("32768, 1, 1, 1"), boost::bad_lexical_cast);
  EXPECT_EQ(alsText(VeskVersion()), "ungueltig 0 0 0 0");
  EXPECT_EQ(alsText(VeskVersion(1, 2, 3, 4)), "ungueltig 1 2 3 4");
  // The module's own versions, as published for the host, read by the other constructor.
  EXPECT_EQ(alsText(*erzeugeDateiVersion()), "gueltig 2015 3 15 0");
  EXPECT_EQ(alsText(*erzeugeProduktVersion()), "gueltig 21 5 4 0");
}

}  // namespace
}  // namespace vesk::util
