#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zudadavizu_20_0 {

// Arithmetic shared by the country rules. A character that is not a decimal digit counts
// as the digit -1 wherever a rule computes with it, so a letter can only pass by accident
// of the arithmetic, as the published rules define it.
class UstIdNrValidatorBase {
 protected:
  // Digit value, -1 for any other character.
  static int ziffer(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

  // Digit sum of 2x for a digit x (C++ division and remainder for x = -1).
  static int verdoppelt(int x) { return (2 * x) / 10 + (2 * x) % 10; }

  // Sum of gewichte[i] * ziffer(text[ab + i]); text must be long enough.
  template <std::size_t N>
  static int gewichteteSumme(std::string_view text, const int (&gewichte)[N], std::size_t ab = 0) {
    int summe = 0;
    for (std::size_t i = 0; i < N; ++i) summe += gewichte[i] * ziffer(text[ab + i]);
    return summe;
  }

  static bool nurZiffern(std::string_view text) {
    for (char c : text) {
      if (c < '0' || c > '9') return false;
    }
    return true;
  }

  // The whole text as a decimal number; false when empty, over 18 characters or not all
  // digits.
  static bool alsZahl(std::string_view text, std::int64_t& zahl) {
    if (text.empty() || text.size() > 18 || !nurZiffern(text)) return false;
    zahl = 0;
    for (char c : text) zahl = zahl * 10 + (c - '0');
    return true;
  }

  // ISO/IEC 7064 MOD 11,10 check digit over the digits of the text.
  static int iso7064Mod1110(std::string_view ziffern);

  // Whether six digits are a calendar date "yyMMdd" or "ddMMyy" (two-digit years as the
  // latest such year not after today); false for anything that is not six digits.
  static bool istDatumJJMMTT(std::string_view text);
  static bool istDatumTTMMJJ(std::string_view text);
};

}  // namespace zudadavizu_20_0
