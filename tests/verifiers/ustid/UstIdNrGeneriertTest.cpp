// Valid numbers built here from random bodies, their check characters computed mostly by the
// published formulation of each method rather than the validators' one (Luhn from the right,
// ISO 7064 in validation form, sums of digits times powers of ten for the modulo methods, ...);
// every other character in the check position must fail.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/verifiers/Iso7064.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

using Zufall = std::mt19937;
using Erzeuger = std::function<std::string(Zufall&)>;  // "": the body has no check character

const std::string kZiffern = "0123456789", kBuchstaben = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string ziffern(Zufall& z, int anzahl, const std::string& erste = kZiffern) {
  std::string text(1, erste[z() % erste.size()]);
  while (static_cast<int>(text.size()) < anzahl) text += static_cast<char>('0' + z() % 10);
  return text;
}
int wert(char c) { return c - '0'; }
std::string ziffer(int n) { return std::string(1, static_cast<char>('0' + n)); }
std::string zwei(int n) { return ziffer(n / 10) + ziffer(n % 10); }

// vorne followed by stellen random digits (the first from erste), then pruef of the
// weighted sum over all of them, then hinten.
Erzeuger gewichtet(std::string vorne, int stellen, std::string erste, std::vector<int> gewichte,
                   std::function<std::string(int)> pruef, std::string hinten = "") {
  return [=](Zufall& z) {
    const std::string k = vorne + ziffern(z, stellen, erste);
    int summe = 0;
    for (std::size_t i = 0; i < gewichte.size(); ++i) summe += gewichte[i] * wert(k[i]);
    const std::string p = pruef(summe);
    return p.empty() ? "" : k + p + hinten;
  };
}

// Luhn: from the right, every second digit doubled (digit sum), total divisible by 10.
std::string luhn(const std::string& koerper) {
  for (char c = '0'; c <= '9'; ++c) {
    int summe = 0;
    for (std::size_t i = 0; i <= koerper.size(); ++i) {
      const int z = wert(i == 0 ? c : koerper[koerper.size() - i]) * (i % 2 == 1 ? 2 : 1);
      summe += z > 9 ? z - 9 : z;
    }
    if (summe % 10 == 0) return std::string(1, c);
  }
  return "";
}

const std::vector<int> kZehner8 = {10000000, 1000000, 100000, 10000, 1000, 100, 10, 1};

const struct Verfahren {
  const char* land;
  Erzeuger erzeuge;
  std::string alternativen = kZiffern;  // tried in place of the check character ...
  std::size_t stelleVonHinten = 0;      // ... at this index from the end
} kVerfahren[] = {
    {"BE", gewichtet("0", 7, "123456789", kZehner8, [](int s) { return zwei(97 - s % 97); })},
    {"DK", gewichtet("", 7, "123456789", {2, 7, 6, 5, 4, 3, 2},
                     [](int s) { return s % 11 == 1 ? "" : ziffer((11 - s % 11) % 11); })},
    {"EE", gewichtet("10", 6, kZiffern, {3, 7, 1, 3, 7, 1, 3, 7},
                     [](int s) { return ziffer((10 - s % 10) % 10); })},
    {"EL", gewichtet("", 8, kZiffern, {256, 128, 64, 32, 16, 8, 4, 2},
                     [](int s) { return ziffer(s % 11 % 10); })},
    {"FI", gewichtet("", 7, kZiffern, {7, 9, 10, 5, 8, 4, 2},
                     [](int s) { return s % 11 == 1 ? "" : ziffer((11 - s % 11) % 11); })},
    {"HU", gewichtet("", 7, kZiffern, {9, 7, 3, 1, 9, 7, 3},
                     [](int s) { return ziffer((10 - s % 10) % 10); })},
    {"IE", gewichtet("", 7, kZiffern, {8, 7, 6, 5, 4, 3, 2},
                     [](int s) { return std::string(1, "WABCDEFGHIJKLMNOPQRSTUV"[s % 23]); }),
     kBuchstaben},
    {"LU", gewichtet("", 6, kZiffern, {100000, 10000, 1000, 100, 10, 1},
                     [](int s) { return zwei(s % 89); })},
    {"MT", gewichtet("", 6, "123456789", {3, 4, 6, 7, 8, 9},
                     [](int s) { return zwei(37 - s % 37); })},
    {"NL", gewichtet("", 8, kZiffern, {9, 8, 7, 6, 5, 4, 3, 2},
                     [](int s) { return s % 11 == 10 ? "" : ziffer(s % 11); }, "B01"),
     kZiffern, 3},
    {"PL", gewichtet("", 9, kZiffern, {6, 5, 7, 2, 3, 4, 5, 6, 7},
                     [](int s) { return s % 11 == 10 ? "" : ziffer(s % 11); })},
    {"PT", gewichtet("", 8, kZiffern, {9, 8, 7, 6, 5, 4, 3, 2},
                     [](int s) { return ziffer(s % 11 < 2 ? 0 : 11 - s % 11); })},
    {"SI", gewichtet("", 7, "123456789", {8, 7, 6, 5, 4, 3, 2},
                     [](int s) { return s % 11 == 0 ? "" : ziffer((11 - s % 11) % 10); })},
    {"CZ", gewichtet("", 7, "012345678", {8, 7, 6, 5, 4, 3, 2},
                     [](int s) { return ziffer((11 - s % 11) % 10); })},
    // New style: weighted sum + 55 divisible by 97, first seven digits above
    // 1000000 (where the old style has exclusion ranges).
    {"GB", gewichtet("", 7, "234567", {8, 7, 6, 5, 4, 3, 2},
                     [](int s) { return zwei((970 - s - 55) % 97); })},
    {"DE", [](Zufall& z) { return dvtest::mitIso7064(ziffern(z, 8, "123456789")); }},
    {"HR", [](Zufall& z) { return dvtest::mitIso7064(ziffern(z, 10)); }},
    // Weights 1,2 alternating, digit sums of the products; check (96 - S) mod 10.
    {"AT",
     [](Zufall& z) {
       const std::string k = ziffern(z, 7);
       int s = 0;
       for (int i = 0; i < 7; ++i) {
         const int produkt = wert(k[i]) * (1 + i % 2);
         s += produkt / 10 + produkt % 10;
       }
       return "U" + k + ziffer((1000 + 96 - s) % 10);
     }},
    // Office code 001 to 100; the whole number passes Luhn.
    {"IT",
     [](Zufall& z) {
       const int amt = 1 + static_cast<int>(z() % 100);
       const std::string k = ziffern(z, 7) + zwei(amt / 10) + ziffer(amt % 10);
       return k + luhn(k);
     }},
    // 5 to 10 digits; weights 7,5,3,2,1,7,5,3,2 aligned to the right end of the body.
    {"RO",
     [](Zufall& z) {
       const std::string k = ziffern(z, 4 + static_cast<int>(z() % 6), "123456789");
       const std::string rechts = std::string(9 - k.size(), '0') + k;
       int s = 0;
       for (int i = 0; i < 9; ++i) s += wert("753217532"[i]) * wert(rechts[i]);
       return k + ziffer(s * 10 % 11 % 10);
     }},
    {"SE",
     [](Zufall& z) {
       const std::string k = ziffern(z, 9);
       return k + luhn(k) + zwei(1 + z() % 94);
     },
     kZiffern, 2},
    // A multiple of 11 with the third digit from the allowed set.
    {"SK",
     [](Zufall& z) {
       for (;;) {
         const std::string t = std::to_string((1000000010LL + z() % 900000000) / 11 * 11);
         if (std::string("234789").find(t[2]) != std::string::npos) return t;
       }
     }},
    {"CY",
     [](Zufall& z) {
       static constexpr int kUngerade[] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
       const std::string k = ziffern(z, 8, "03");
       int s = 0;
       for (int i = 0; i < 8; ++i) s += i % 2 == 1 ? wert(k[i]) : kUngerade[wert(k[i])];
       return k + static_cast<char>('A' + s % 26);
     },
     kBuchstaben},
    // Companies A to H: the Luhn digit of the seven digits.
    {"ES",
     [](Zufall& z) {
       const std::string k = ziffern(z, 7);
       return "ABCDEFGH"[z() % 8] + k + luhn(k);
     }},
    // Other legal entities: only the letter of the Luhn digit (J for 0).
    {"ES",
     [](Zufall& z) {
       const std::string k = ziffern(z, 7);
       return "NPQRSW"[z() % 6] + k + "JABCDEFGHI"[wert(luhn(k)[0])];
     },
     kZiffern + kBuchstaben},
    // Persons: the letter of the number (X = 0, Y = 1, Z = 2) modulo 23.
    {"ES",
     [](Zufall& z) {
       const std::string k = ziffern(z, 7);
       const int vorne = static_cast<int>(z() % 13);
       return "0123456789XYZ"[vorne] + k +
              "TRWAGMYFPDXBNJZSQVHLCKE"[(vorne % 10 * 10000000L + std::stol(k)) % 23];
     },
     kBuchstaben},
    // The key in front: (number * 100 + 12) modulo 97.
    {"FR",
     [](Zufall& z) {
       const std::string k = ziffern(z, 9);
       return zwei((std::stoll(k) * 100 + 12) % 97) + k;
     },
     kZiffern, 9},
};

TEST(UStIdNrGeneriert, GueltigUndJedesAnderePruefzeichenUngueltig) {
  IFeldtypVordefiniert& verifier = verifierFuer("UStIdNr");
  Zufall zufall(20150615);
  for (const Verfahren& verfahren : kVerfahren) {
    int erzeugt = 0;
    for (int runde = 0; runde < 300; ++runde) {
      const std::string national = verfahren.erzeuge(zufall);
      if (national.empty()) continue;
      ++erzeugt;
      const std::string nummer = verfahren.land + national;
      ASSERT_EQ(verifier.verify(nummer, nullptr), 0) << nummer;
      const std::size_t stelle = nummer.size() - 1 - verfahren.stelleVonHinten;
      for (char anders : verfahren.alternativen) {
        if (anders == nummer[stelle]) continue;
        std::string falsch = nummer;
        falsch[stelle] = anders;
        ASSERT_EQ(verifier.verify(falsch, nullptr), 905) << falsch;
      }
    }
    EXPECT_GT(erzeugt, 200) << verfahren.land;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
