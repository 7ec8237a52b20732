#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/verifiers/TestDefdaten.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

using dvtest::TestDefdaten;

const std::string kUngueltig = "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben.";

// Land 91 as in the verify tests, and a Land 26 with prefix "0", 2 office digits and blank
// separators. 261301234567 sums to 149 with the test weights, 149 mod 11 = 6 -> 5.
TestDefdaten zweiLaender() {
  TestDefdaten defdaten;
  TestDefdaten::Formatierung hessen;
  hessen.finanzamt = 2;
  hessen.praefix = "0";
  hessen.trenner1 = hessen.trenner2 = " ";
  defdaten.formate[26] = hessen;
  defdaten.finanzaemter.insert(2613);
  return defdaten;
}

TEST(SteuernummerKonvertierung, Vorwaerts) {
  struct Fall {
    std::string eingabe;
    std::string ergebnis;  // empty: fails with kUngueltig and returns the input
  };
  const std::vector<Fall> faelle = {
      {"181/123/45678@91", "9181012345678"},
      {"013 123 45675@26", "2613012345675"},
      {"913 123 45675@26", "2613012345675"},  // the prefix is read as any digit
      {"181/123/45678@", ""},                 // nothing after '@'
      {"181/123/45678@x1", ""},               // Land key not a number
      {"181/123/45678@ 91", ""},              // nor with a blank
      {"181/123/45678@77", ""},               // no such Land: its exception is caught
      {"181-123-45678@91", ""},               // wrong separators
      {"181/123/4567@91", ""},                // a digit short
      {"181/123/45678@91@91", ""},            // text after the first '@' is no number
  };
  for (const Fall& fall : faelle) {
    TestDefdaten defdaten = zweiLaender();
    const KonvertierungsErgebnis ergebnis = steuernummerVerifier().convert(fall.eingabe, &defdaten);
    if (fall.ergebnis.empty()) {
      EXPECT_EQ(ergebnis, KonvertierungsErgebnis(fall.eingabe, kUngueltig)) << fall.eingabe;
    } else {
      EXPECT_EQ(ergebnis, KonvertierungsErgebnis(fall.ergebnis, "")) << fall.eingabe;
    }
  }
}

TEST(SteuernummerKonvertierung, LandesnummerBrauchtZweiZiffern) {
  // Land 9 exists here, yet its display pattern wants two digits after '@'.
  TestDefdaten defdaten = zweiLaender();
  defdaten.formate[9] = TestDefdaten::Formatierung();
  EXPECT_EQ(steuernummerVerifier().convert("181/123/45678@9", &defdaten).second, kUngueltig);
}

TEST(SteuernummerKonvertierung, TrennerGehenUnmaskiertInsMuster) {
  TestDefdaten defdaten = zweiLaender();
  defdaten.formate[91].trenner1 = ".";  // any character
  EXPECT_EQ(steuernummerVerifier().convert("181x123/45678@91", &defdaten).first, "9181012345678");
  defdaten.formate[91].trenner1 = "(";  // does not compile: a failed conversion, no exception
  EXPECT_EQ(steuernummerVerifier().convert("181(123/45678@91", &defdaten).second, kUngueltig);
}

TEST(SteuernummerKonvertierung, Rueckwaerts) {
  TestDefdaten defdaten = zweiLaender();
  EXPECT_EQ(steuernummerVerifier().convertBack("9181012345678", &defdaten),
            KonvertierungsErgebnis("181/123/45678@91", ""));
  EXPECT_EQ(steuernummerVerifier().convertBack("2613012345675", &defdaten),
            KonvertierungsErgebnis("013 123 45675@26", ""));
  for (const char* ungueltig : {"9181012345677", "2613012345676", "abc", ""}) {
    EXPECT_EQ(steuernummerVerifier().convertBack(ungueltig, &defdaten),
              KonvertierungsErgebnis(ungueltig, "Konvertiere nur gültige Steuernummmern."));
  }
}

TEST(SteuernummerKonvertierung, Ausnahmen) {
  const char* ohneDefdaten =
      "Die Convert-Methode im SteuernummerVerifier benötigt eine gültige defdatenSteuernummer! "
      "(IMetafeld::convert)";
  try {
    steuernummerVerifier().convert("181/123/45678@91", nullptr);
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), ohneDefdaten);
  }
  try {
    steuernummerVerifier().convertBack("9181012345678", nullptr);
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), ohneDefdaten);
  }
  TestDefdaten defdaten;
  try {
    steuernummerVerifier().convert("181/123/45678", &defdaten);
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(),
                 "Der übergebene String \"181/123/45678\" muss neben der Steuernummer in "
                 "Oberflächendarstellung, getrennt durch das Zeichen '@', auch die "
                 "Bundeslandnummer enthalten.");
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
