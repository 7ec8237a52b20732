// Identification number verifier: the four failure codes in their order and the
// MOD 11,10 check digit, computed here with the ISO 7064 verification form.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "verifiers/IFeldtypVordefiniert.h"

namespace zudadavizu_20_0 {
namespace {

int pruefe(const std::string& idNr) { return verifierFuer("IDNr").verify(idNr, nullptr); }

// A complete MOD 11,10 number leaves the running sum at 1 (mod 10) after its check digit.
bool pruefsummeStimmt(const std::string& nummer) {
  int p = 10, s = 0;
  for (char z : nummer) {
    s = (z - '0' + p) % 10;
    p = (2 * (s == 0 ? 10 : s)) % 11;
  }
  return s == 1;
}

std::string mitPruefziffer(const std::string& zehn) {
  for (char c = '0'; c <= '9'; ++c) {
    if (pruefsummeStimmt(zehn + c)) return zehn + c;
  }
  return {};  // cannot happen: MOD 11,10 always has a check digit
}

bool wiederholungOk(const std::string& nummer) {
  int paare = 0;
  for (int i = 0; i < 10; ++i)
    for (int j = i + 1; j < 10; ++j) paare += nummer[i] == nummer[j];
  return paare == 1;
}

// First ten digits: nine different digits, one of them twice, shuffled.
std::string zufallsnummer(std::mt19937& zufall, bool fuehrendeNull) {
  std::string ziffern = "0123456789";
  std::shuffle(ziffern.begin(), ziffern.end(), zufall);
  ziffern[9] = ziffern[std::uniform_int_distribution<int>(0, 8)(zufall)];
  std::shuffle(ziffern.begin(), ziffern.end(), zufall);
  if (fuehrendeNull != (ziffern[0] == '0')) return zufallsnummer(zufall, fuehrendeNull);
  return mitPruefziffer(ziffern);
}

TEST(IdNrVerifier, GeneratedNumbersPassAndEverySingleDigitChangeFails) {
  std::mt19937 zufall(2011);
  for (int n = 0; n < 400; ++n) {
    std::string nummer = zufallsnummer(zufall, n % 4 == 0);
    ASSERT_EQ(pruefe(nummer), 0) << nummer;
    for (int i = 0; i < 11; ++i) {
      for (char z = '0'; z <= '9'; ++z) {
        if (z == nummer[i]) continue;
        std::string mutiert = nummer;
        mutiert[i] = z;
        int erwartet = !wiederholungOk(mutiert) ? 702 : 704;
        ASSERT_EQ(pruefe(mutiert), erwartet) << mutiert;
      }
    }
  }
}

TEST(IdNrVerifier, CodesInTheirOrder) {
  struct Fall {
    std::string wert;
    int code;
    const char* grund;
  } faelle[] = {
      {"", 703, "empty"},
      {"8609574271", 703, "ten digits"},
      {"86095a4271", 703, "ten characters with a letter: length first"},
      {"860957427190", 703, "twelve digits"},
      {"8609574271a", 701, "letter at the end"},
      {"86095 42719", 701, "blank"},
      {"-8609574271", 701, "sign"},
      {"1112345678" + std::string("9"), 702, "a digit three times"},
      {"1123345678" + std::string("9"), 702, "two doubled digits"},
      {"0123456789" + std::string("0"), 702, "ten different digits"},
      {"1111111111" + std::string("1"), 702, "one digit ten times"},
      {mitPruefziffer("8609574271"), 0, "sample of hand computation below"},
      {"86095742710", 704, "wrong check digit"},
      {mitPruefziffer("0123456780"), 0, "leading zero accepted"},
  };
  for (const Fall& fall : faelle) EXPECT_EQ(pruefe(fall.wert), fall.code) << fall.grund;
}

TEST(IdNrVerifier, HandComputedCheckDigits) {
  // 8609574271: p runs 5, 2, 4, 6, 2, 7, 2, 8, 10, 2, so c = 11 - 2 = 9.
  EXPECT_EQ(pruefe("86095742719"), 0);
  // 2345678911: p runs 4, 3, 3, 5, 2, 7, 10, 7, 5, 1; c = 10 becomes 0.
  EXPECT_EQ(pruefe("23456789110"), 0);
  EXPECT_EQ(pruefe("23456789111"), 704);
}

TEST(IdNrVerifier, ConversionsAreIdentity) {
  auto& v = verifierFuer("IDNr");
  EXPECT_EQ(v.convert("0123", nullptr), KonvertierungsErgebnis("0123", ""));
  EXPECT_EQ(v.convertBack("x y", nullptr), KonvertierungsErgebnis("x y", ""));
}

}  // namespace
}  // namespace zudadavizu_20_0
