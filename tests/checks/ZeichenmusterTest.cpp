// The restricted pattern matcher must agree with the regular expression engine on the
// table and negative patterns, for texts built to sit near and across each pattern's edges;
// alternatives of different lengths make it backtrack.
#include <gtest/gtest.h>

#include <boost/xpressive/xpressive_dynamic.hpp>
#include <random>
#include <stdexcept>

#include "verifiers/Muster.h"

namespace zudadavizu_20_0 {
namespace {

namespace xp = boost::xpressive;

TEST(Zeichenmuster, StimmtMitDerRegexMaschineUeberein) {
  const char* const muster[] = {"AT[0-9]{2}[0-9]{5}[0-9]{11}",
                                "BG[0-9]{2}[A-Z]{4}[0-9]{4}[0-9]{2}[a-zA-Z0-9]{8}",
                                "PL[0-9]{2}[0-9]{8}[0-9]{0,16}",
                                "[a-zA-Z]{2}[0-9]{2}[0-9a-zA-Z]{1,30}",
                                "[a-zA-Z]{4}[a-zA-Z]{2}[0-9a-zA-Z]{2}",
                                "a[0-9]{0,3}[0-9]{2,4}b",
                                "x{0}y",
                                "[0-9]{5}(000|998|999)[0-9]{5}",
                                "[0-9]{5}(0|09|099)9{4}",
                                "[A-Z]{2}[a-zA-Z0-9]*",
                                "[0-9]{4}09{8}"};
  const char* const vorlagen[] = {"AT611904300234573201",
                                  "BG80BNBG96611020345678",
                                  "PL61109010140000071219812874",
                                  "PL611090101400",
                                  "DEUTDEFF",
                                  "a12345b",
                                  "a12b",
                                  "y",
                                  "9181099812345",
                                  "9181099999999",
                                  "DE12ab",
                                  ""};
  // Up to two random substitutions, deletions or insertions from an alphabet with every
  // class edge and a non-ASCII byte.
  const std::string zeichen = "0189AZaz@[`{ -\xE4PLGBTxyab";
  std::mt19937 zufall(97);
  const auto zahl = [&zufall](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(zufall);
  };
  for (const char* m : muster) {
    const Zeichenmuster eigenes(m);
    const xp::sregex regex = xp::sregex::compile(m, xp::regex_constants::ECMAScript);
    for (const std::string vorlage : vorlagen) {
      for (int n = 0; n < 300; ++n) {
        std::string text = vorlage;
        for (std::size_t i = zahl(3); i > 0 && !text.empty(); --i) {
          const std::size_t stelle = zahl(text.size()), art = zahl(3);
          if (art == 0) text[stelle] = zeichen[zahl(zeichen.size())];
          if (art == 1) text.erase(stelle, 1);
          if (art == 2) text.insert(stelle, 1, zeichen[zahl(zeichen.size())]);
        }
        ASSERT_EQ(eigenes.passt(text), xp::regex_match(text, regex)) << m << " '" << text << "'";
      }
    }
  }
  for (const char* falsch : {"([0-9]{2})", "[0-9]+", "a|b", "[^0-9]", "[0-9", "[0-9]{2", "[]",
                             "[9-0]", "[0-9]{3,2}", ".", "(a|b)*", "(a|[0-9])", "(ab"}) {
    EXPECT_THROW(Zeichenmuster{falsch}, std::runtime_error) << falsch;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
