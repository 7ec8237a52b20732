#include "verifiers/Pruefziffern.h"

#include <array>
#include <cstdint>

namespace zudadavizu_20_0 {

namespace {

// MOD 11,10 step for p = 1..10 and digit d (a non-digit counts as -1, index 10): the next p.
struct Mod1110Schritte {
  std::array<std::array<unsigned char, 11>, 11> naechstes{};
  constexpr Mod1110Schritte() {
    for (int p = 1; p <= 10; ++p) {
      for (int i = 0; i <= 10; ++i) {
        const int d = i == 10 ? -1 : i;
        int s = (d + p) % 10;
        if (s == 0) s = 10;
        naechstes[p][i] = static_cast<unsigned char>((2 * s) % 11);
      }
    }
  }
};
constexpr Mod1110Schritte MOD1110;

// Appends the decimal digits of one character to zahl; false for a character that is
// neither digit nor letter.
bool haengeAn(char zeichen, std::uint64_t& zahl) {
  const unsigned c = static_cast<unsigned char>(zeichen);
  if (c - '0' < 10u) {
    zahl = zahl * 10 + (c - '0');
    return true;
  }
  const unsigned buchstabe = (c | 0x20u) - 'a';
  if (buchstabe >= 26u) return false;
  zahl = zahl * 100 + buchstabe + 10;
  return true;
}

}  // namespace

int gewichteteSumme(std::string_view text, std::size_t ab, const int* gewichte,
                    std::size_t anzahl) {
  int summe = 0;
  for (std::size_t i = 0; i < anzahl; ++i) summe += gewichte[i] * ziffer(text[ab + i]);
  return summe;
}

int iso7064Mod1110(std::string_view ziffern) {
  int p = 10;
  for (char c : ziffern) p = MOD1110.naechstes[p][istZiffer(c) ? c - '0' : 10];
  return p == 1 ? 0 : 11 - p;
}

// Reduced every seven characters: a remainder below 97 followed by at most 14 digits stays
// far inside 64 bits.
int iso7064Mod9710Rest(std::string_view vorn, std::string_view hinten) {
  std::uint64_t zahl = 0;
  std::size_t n = 0;
  for (std::string_view teil : {vorn, hinten}) {
    for (char c : teil) {
      if (!haengeAn(c, zahl)) return -1;
      if (++n % 7 == 0) zahl %= 97;
    }
  }
  return static_cast<int>(zahl % 97);
}

}  // namespace zudadavizu_20_0
