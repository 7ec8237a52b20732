// The restricted pattern matcher must agree with the regular expression engine on
// every table pattern, for texts built to sit near and across each pattern's edges.
#include <gtest/gtest.h>

#include <boost/xpressive/xpressive_dynamic.hpp>
#include <random>
#include <stdexcept>

#include "verifiers/Zeichenmuster.h"

namespace zudadavizu_20_0 {
namespace {

namespace xp = boost::xpressive;

const char* const MUSTER[] = {
    "AT[0-9]{2}[0-9]{5}[0-9]{11}",
    "BG[0-9]{2}[A-Z]{4}[0-9]{4}[0-9]{2}[a-zA-Z0-9]{8}",
    "IT[0-9]{2}[A-Z]{1}[0-9]{5}[0-9]{5}[a-zA-Z0-9]{12}",
    "PL[0-9]{2}[0-9]{8}[0-9]{0,16}",
    "[a-zA-Z]{2}[0-9]{2}[0-9a-zA-Z]{1,30}",
    "[a-zA-Z]{4}[a-zA-Z]{2}[0-9a-zA-Z]{2}",
    "[0-9]{11}",
    "a[0-9]{0,3}[0-9]{2,4}b",
    "x{0}y",
};

// Texts drawn from a small alphabet that includes every class edge and a non-ASCII byte.
std::string zufallstext(std::mt19937& zufall, const std::string& vorlage) {
  static const std::string zeichen = "0189AZaz@[`{ -\xE4PLGBITxyab";
  std::uniform_int_distribution<int> art(0, 9);
  std::uniform_int_distribution<std::size_t> wahl(0, zeichen.size() - 1);
  std::string text = vorlage;
  int aenderungen = art(zufall) % 3;
  for (int i = 0; i < aenderungen && !text.empty(); ++i) {
    std::uniform_int_distribution<std::size_t> stelle(0, text.size() - 1);
    switch (art(zufall) % 3) {
      case 0:
        text[stelle(zufall)] = zeichen[wahl(zufall)];
        break;
      case 1:
        text.erase(stelle(zufall), 1);
        break;
      default:
        text.insert(stelle(zufall), 1, zeichen[wahl(zufall)]);
    }
  }
  return text;
}

TEST(Zeichenmuster, AgreesWithTheRegexEngine) {
  const char* const VORLAGEN[] = {
      "AT611904300234573201",
      "BG80BNBG96611020345678",
      "IT60X0542811101000000123456",
      "PL61109010140000071219812874",
      "PL611090101400",
      "DE89370400440532013000",
      "DEUTDEFF",
      "86095742719",
      "a12345b",
      "a12b",
      "y",
      "",
  };
  std::mt19937 zufall(97);
  for (const char* muster : MUSTER) {
    Zeichenmuster eigenes(muster);
    xp::sregex regex = xp::sregex::compile(muster, xp::regex_constants::ECMAScript);
    for (const char* vorlage : VORLAGEN) {
      for (int n = 0; n < 300; ++n) {
        std::string text = zufallstext(zufall, vorlage);
        ASSERT_EQ(eigenes.passt(text), xp::regex_match(text, regex))
            << "pattern " << muster << ", text '" << text << "'";
      }
    }
  }
}

TEST(Zeichenmuster, RejectsWhatItCannotMatch) {
  const char* const UNGUELTIG[] = {"([0-9]{2})", "[0-9]+", "a|b",   "[^0-9]",     "[0-9",
                                   "[0-9]{2",    "[]",     "[9-0]", "[0-9]{3,2}", "."};
  for (const char* muster : UNGUELTIG) {
    EXPECT_THROW(Zeichenmuster{muster}, std::runtime_error) << muster;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
