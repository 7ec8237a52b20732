#pragma once

#include <cstddef>
#include <string_view>

#include "rules/Ziffern.h"

// The check-digit arithmetic shared by the verifiers (tax numbers, IBAN, identification and
// VAT numbers) and the tax office service.
namespace zudadavizu_20_0 {

// Sum of gewichte[i] * ziffer(text[ab + i]) for i below anzahl; text must be long enough.
int gewichteteSumme(std::string_view text, std::size_t ab, const int* gewichte, std::size_t anzahl);
template <std::size_t N>
int gewichteteSumme(std::string_view text, const int (&gewichte)[N], std::size_t ab = 0) {
  return gewichteteSumme(text, ab, gewichte, N);
}

// ISO/IEC 7064 MOD 11,10 check digit over the characters of the text (0 to 9).
int iso7064Mod1110(std::string_view ziffern);

// Remainder mod 97 of the number written by vorn followed by hinten, letters (either case)
// written as 10 to 35 (ISO 7064 MOD 97-10); -1 when a character is neither digit nor letter.
int iso7064Mod9710Rest(std::string_view vorn, std::string_view hinten);

}  // namespace zudadavizu_20_0
