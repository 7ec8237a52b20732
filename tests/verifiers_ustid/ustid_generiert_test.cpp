// Valid numbers built here from random bodies with check characters computed in the test,
// mostly by the published formulation of each method rather than the validators' one
// (Luhn from the right, ISO 7064 validation form, modulo 97 over the whole number, ...).
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

using Zufall = std::mt19937;

std::string ziffern(Zufall& zufall, int anzahl, char erste = 0) {
  std::string text;
  for (int i = 0; i < anzahl; ++i) text += static_cast<char>('0' + zufall() % 10);
  if (erste != 0 && anzahl > 0) text[0] = erste;
  return text;
}

int wert(char c) { return c - '0'; }

// Luhn: from the right, every second digit doubled (digit sum), total divisible by 10.
bool luhnGueltig(const std::string& zahl) {
  int summe = 0;
  for (std::size_t i = 0; i < zahl.size(); ++i) {
    int z = wert(zahl[zahl.size() - 1 - i]);
    if (i % 2 == 1) z = z * 2 > 9 ? z * 2 - 9 : z * 2;
    summe += z;
  }
  return summe % 10 == 0;
}

char luhnZiffer(const std::string& koerper) {
  for (char c = '0'; c <= '9'; ++c) {
    if (luhnGueltig(koerper + c)) return c;
  }
  return '?';
}

// ISO 7064 MOD 11,10 in validation form: the recursion over all digits, check digit
// included, leaves 1.
bool iso7064Gueltig(const std::string& zahl) {
  int produkt = 10;
  int summe = 0;
  for (char c : zahl) {
    summe = (produkt + wert(c)) % 10;
    if (summe == 0) summe = 10;
    produkt = summe * 2 % 11;
  }
  return summe % 10 == 1;
}

template <std::size_t N>
int gewichtet(const std::string& text, const int (&gewichte)[N]) {
  int summe = 0;
  for (std::size_t i = 0; i < N; ++i) summe += gewichte[i] * wert(text[i]);
  return summe;
}

struct Land {
  const char* kuerzel;
  // A valid national part, or "" when the random body has no check character.
  std::function<std::string(Zufall&)> erzeuge;
  // Characters tried in place of the check character (index from the end); each
  // other than the generated one must be rejected.
  std::string alternativen;
  std::size_t pruefstelleVonHinten;
};

const std::string kZiffern = "0123456789";
const std::string kBuchstaben = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::vector<Land> laender() {
  return {
      {"AT",
       [](Zufall& z) {
         // Weights 1,2 alternating with digit sums of the products; check (96 - S) mod 10.
         const std::string k = ziffern(z, 7);
         int s = 0;
         for (int i = 0; i < 7; ++i) {
           const int p = wert(k[i]) * (i % 2 == 0 ? 1 : 2);
           s += p / 10 + p % 10;
         }
         return "U" + k + static_cast<char>('0' + (1000 + 96 - s) % 10);
       },
       kZiffern, 0},
      {"BE",
       [](Zufall& z) {
         // The eight digits plus the two-digit check number are divisible by 97.
         const std::string k = "0" + ziffern(z, 7, static_cast<char>('1' + z() % 9));
         for (int c = 1; c <= 97; ++c) {
           if ((std::stoll(k) + c) % 97 == 0) {
             return k + static_cast<char>('0' + c / 10) + static_cast<char>('0' + c % 10);
           }
         }
         return std::string();
       },
       kZiffern, 0},
      {"DE",
       [](Zufall& z) {
         const std::string k = ziffern(z, 8, static_cast<char>('1' + z() % 9));
         for (char c : kZiffern) {
           if (iso7064Gueltig(k + c)) return k + c;
         }
         return std::string();
       },
       kZiffern, 0},
      {"HR",
       [](Zufall& z) {
         const std::string k = ziffern(z, 10);
         for (char c : kZiffern) {
           if (iso7064Gueltig(k + c)) return k + c;
         }
         return std::string();
       },
       kZiffern, 0},
      {"DK",
       [](Zufall& z) {
         // Weighted sum including the last digit (weight 1) divisible by 11.
         static constexpr int w[] = {2, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 7, static_cast<char>('1' + z() % 9));
         const int rest = (11 - gewichtet(k, w) % 11) % 11;
         return rest == 10 ? std::string() : k + static_cast<char>('0' + rest);
       },
       kZiffern, 0},
      {"EE",
       [](Zufall& z) {
         static constexpr int w[] = {3, 7, 1, 3, 7, 1, 3, 7};
         const std::string k = "10" + ziffern(z, 6);
         return k + static_cast<char>('0' + (10 - gewichtet(k, w) % 10) % 10);
       },
       kZiffern, 0},
      {"EL",
       [](Zufall& z) {
         // Powers of two from 2^8 down to 2^1.
         const std::string k = ziffern(z, 8);
         long s = 0;
         for (int i = 0; i < 8; ++i) s += (1L << (8 - i)) * wert(k[i]);
         return k + static_cast<char>('0' + s % 11 % 10);
       },
       kZiffern, 0},
      {"FI",
       [](Zufall& z) {
         static constexpr int w[] = {7, 9, 10, 5, 8, 4, 2};
         const std::string k = ziffern(z, 7);
         const int rest = gewichtet(k, w) % 11;
         if (rest == 1) return std::string();
         return k + static_cast<char>('0' + (rest == 0 ? 0 : 11 - rest));
       },
       kZiffern, 0},
      {"HU",
       [](Zufall& z) {
         static constexpr int w[] = {9, 7, 3, 1, 9, 7, 3};
         const std::string k = ziffern(z, 7);
         return k + static_cast<char>('0' + (10 - gewichtet(k, w) % 10) % 10);
       },
       kZiffern, 0},
      {"IE",
       [](Zufall& z) {
         static constexpr int w[] = {8, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 7);
         const int rest = gewichtet(k, w) % 23;
         return k + (rest == 0 ? 'W' : static_cast<char>('A' + rest - 1));
       },
       kBuchstaben, 0},
      {"IT",
       [](Zufall& z) {
         // Office code 001 to 100; the whole number passes Luhn.
         const int amt = 1 + static_cast<int>(z() % 100);
         const std::string k = ziffern(z, 7) +
                               (amt < 10    ? "00"
                                : amt < 100 ? "0"
                                            : "") +
                               std::to_string(amt);
         return k + luhnZiffer(k);
       },
       kZiffern, 0},
      {"LU",
       [](Zufall& z) {
         const std::string k = ziffern(z, 6);
         const int rest = std::stoi(k) % 89;
         return k + static_cast<char>('0' + rest / 10) + static_cast<char>('0' + rest % 10);
       },
       kZiffern, 0},
      {"MT",
       [](Zufall& z) {
         static constexpr int w[] = {3, 4, 6, 7, 8, 9};
         const std::string k = ziffern(z, 6, static_cast<char>('1' + z() % 9));
         const int c = 37 - gewichtet(k, w) % 37;
         return c > 99 ? std::string()
                       : k + static_cast<char>('0' + c / 10) + static_cast<char>('0' + c % 10);
       },
       kZiffern, 0},
      {"NL",
       [](Zufall& z) {
         static constexpr int w[] = {9, 8, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 8);
         const int rest = gewichtet(k, w) % 11;
         if (rest == 10) return std::string();
         return k + static_cast<char>('0' + rest) + "B" + (z() % 2 ? "01" : "99");
       },
       kZiffern, 3},
      {"PL",
       [](Zufall& z) {
         static constexpr int w[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
         const std::string k = ziffern(z, 9);
         const int rest = gewichtet(k, w) % 11;
         return rest == 10 ? std::string() : k + static_cast<char>('0' + rest);
       },
       kZiffern, 0},
      {"PT",
       [](Zufall& z) {
         static constexpr int w[] = {9, 8, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 8);
         const int rest = gewichtet(k, w) % 11;
         return k + static_cast<char>('0' + (rest < 2 ? 0 : 11 - rest));
       },
       kZiffern, 0},
      {"RO",
       [](Zufall& z) {
         // 5 to 10 digits; weights 7,5,3,2,1,7,5,3,2 aligned to the right end of the body.
         static constexpr int w[] = {7, 5, 3, 2, 1, 7, 5, 3, 2};
         const int laenge = 5 + static_cast<int>(z() % 6);
         const std::string k = ziffern(z, laenge - 1, static_cast<char>('1' + z() % 9));
         int s = 0;
         for (int i = 0; i < laenge - 1; ++i) s += w[9 - (laenge - 1) + i] * wert(k[i]);
         return k + static_cast<char>('0' + s * 10 % 11 % 10);
       },
       kZiffern, 0},
      {"SE",
       [](Zufall& z) {
         const std::string k = ziffern(z, 9);
         const int suffix = 1 + static_cast<int>(z() % 94);
         return k + luhnZiffer(k) + static_cast<char>('0' + suffix / 10) +
                static_cast<char>('0' + suffix % 10);
       },
       kZiffern, 2},
      {"SI",
       [](Zufall& z) {
         static constexpr int w[] = {8, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 7, static_cast<char>('1' + z() % 9));
         const int rest = gewichtet(k, w) % 11;
         if (rest == 0) return std::string();
         return k + static_cast<char>('0' + (11 - rest) % 10);
       },
       kZiffern, 0},
      {"SK",
       [](Zufall& z) {
         // A multiple of 11 with the third digit from the allowed set.
         for (;;) {
           const long long n = (1000000010LL + static_cast<long long>(z() % 900000000)) / 11 * 11;
           const std::string t = std::to_string(n);
           if (std::string("234789").find(t[2]) != std::string::npos) return t;
         }
       },
       kZiffern, 0},
      {"CY",
       [](Zufall& z) {
         static constexpr int g[] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
         const std::string k = ziffern(z, 8, static_cast<char>(z() % 2 ? '0' : '3'));
         int s = 0;
         for (int i = 0; i < 8; ++i) s += i % 2 == 0 ? g[wert(k[i])] : wert(k[i]);
         return k + static_cast<char>('A' + s % 26);
       },
       kBuchstaben, 0},
      {"ES",
       [](Zufall& z) {
         // Companies A to H: the Luhn digit of the seven digits (its letter would pass too).
         const std::string k = ziffern(z, 7);
         return std::string(1, "ABCDEFGH"[z() % 8]) + k + luhnZiffer(k);
       },
       kZiffern, 0},
      {"ES",
       [](Zufall& z) {
         // Other legal entities: only the letter of the Luhn digit (J for 0).
         const std::string k = ziffern(z, 7);
         const char l = luhnZiffer(k);
         return std::string(1, "NPQRSW"[z() % 6]) + k + (l == '0' ? 'J' : char('A' + l - '1'));
       },
       kZiffern + kBuchstaben, 0},
      {"ES",
       [](Zufall& z) {
         // Persons: the letter of the eight-digit number (X = 0, Y = 1, Z = 2) modulo 23.
         const std::string k = ziffern(z, 7);
         const int vorne = static_cast<int>(z() % 13);
         const char erster = vorne < 10 ? static_cast<char>('0' + vorne) : "XYZ"[vorne - 10];
         const long n = (vorne < 10 ? vorne : vorne - 10) * 10000000L + std::stol(k);
         return erster + k + "TRWAGMYFPDXBNJZSQVHLCKE"[n % 23];
       },
       kBuchstaben, 0},
      {"FR",
       [](Zufall& z) {
         const std::string k = ziffern(z, 9);
         const long long schluessel = (std::stoll(k) * 100 + 12) % 97;
         return std::string(1, static_cast<char>('0' + schluessel / 10)) +
                static_cast<char>('0' + schluessel % 10) + k;
       },
       kZiffern, 9},
      {"CZ",
       [](Zufall& z) {
         static constexpr int w[] = {8, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 7, static_cast<char>('0' + z() % 9));
         return k + static_cast<char>('0' + (11 - gewichtet(k, w) % 11) % 10);
       },
       kZiffern, 0},
      {"GB",
       [](Zufall& z) {
         // New-style numbers: weighted sum + 55 divisible by 97, first seven digits above
         // 1000000 (the old style above 999999 has exclusion ranges).
         static constexpr int w[] = {8, 7, 6, 5, 4, 3, 2};
         const std::string k = ziffern(z, 7, static_cast<char>('2' + z() % 6));
         const int s = gewichtet(k, w);
         for (int c = 0; c < 100; ++c) {
           const int summe = s + 10 * (c / 10) + c % 10;
           if ((summe + 55) % 97 == 0) {
             return k + static_cast<char>('0' + c / 10) + static_cast<char>('0' + c % 10);
           }
         }
         return std::string();
       },
       kZiffern, 0},
  };
}

TEST(UStIdNrGeneriert, GeneratedNumbersPassAndEveryOtherCheckCharacterFails) {
  IFeldtypVordefiniert& verifier = verifierFuer("UStIdNr");
  Zufall zufall(20150615);
  for (const Land& land : laender()) {
    int erzeugt = 0;
    for (int runde = 0; runde < 300; ++runde) {
      const std::string national = land.erzeuge(zufall);
      if (national.empty()) continue;
      ++erzeugt;
      const std::string wert = land.kuerzel + national;
      ASSERT_EQ(0, verifier.verify(wert, nullptr)) << wert;
      const std::size_t stelle = wert.size() - 1 - land.pruefstelleVonHinten;
      for (char anders : land.alternativen) {
        if (anders == wert[stelle]) continue;
        std::string falsch = wert;
        falsch[stelle] = anders;
        ASSERT_EQ(905, verifier.verify(falsch, nullptr)) << falsch << " (from " << wert << ")";
      }
    }
    EXPECT_GT(erzeugt, 200) << land.kuerzel;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
