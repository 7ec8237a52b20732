#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The decimal digit helpers of the whole library: the lowest layer, so that the rules
// framework and the verifiers read digits one way.
namespace zudadavizu_20_0 {

inline bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// Digit value, -1 for any other character: the VAT rules compute with that -1.
inline int ziffer(char c) { return istZiffer(c) ? c - '0' : -1; }

// True for the empty text too.
inline bool nurZiffern(std::string_view text) {
  for (char c : text) {
    if (!istZiffer(c)) return false;
  }
  return true;
}

// The number the digits write; the caller has checked them (nurZiffern) and that the
// number fits (at most 9 digits for int, 18 for std::int64_t).
template <class Zahl = int>
Zahl dezimal(std::string_view ziffern) {
  Zahl zahl = 0;
  for (char c : ziffern) zahl = zahl * 10 + (c - '0');
  return zahl;
}

// The two digits at ab, e.g. a Land key or a two-digit year; the caller has checked them.
inline int zweiZiffern(std::string_view text, std::size_t ab) {
  return dezimal(text.substr(ab, 2));
}

}  // namespace zudadavizu_20_0
