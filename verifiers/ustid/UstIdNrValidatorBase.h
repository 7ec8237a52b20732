#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "verifiers/Pruefziffern.h"

namespace zudadavizu_20_0 {

// Operations shared by the country rules beside the common check-digit arithmetic. A
// character that is not a decimal digit counts as the digit -1 wherever a rule computes
// with it (ziffer), so a letter can only pass by accident of the arithmetic, as the
// published rules define it.
class UstIdNrValidatorBase {
 protected:
  // Digit sum of 2x for a digit x (C++ division and remainder for x = -1).
  static int verdoppelt(int x) { return (2 * x) / 10 + (2 * x) % 10; }

  // The whole text as a decimal number; false when empty, over 18 characters or not all
  // digits.
  static bool alsZahl(std::string_view text, std::int64_t& zahl) {
    if (text.empty() || text.size() > 18 || !nurZiffern(text)) return false;
    zahl = dezimal<std::int64_t>(text);
    return true;
  }

  // Whether six digits are a calendar date "yyMMdd" or "ddMMyy" (two-digit years as the
  // latest such year not after today); false for anything that is not six digits.
  static bool istDatumJJMMTT(std::string_view text);
  static bool istDatumTTMMJJ(std::string_view text);
};

}  // namespace zudadavizu_20_0
