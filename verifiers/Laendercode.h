#pragma once

namespace zudadavizu_20_0 {

// Two-letter country codes at the start of a text, compared bytewise and case-sensitively
// for the bisection over the sorted country tables.
inline bool laendercodeVor(const char* a, const char* b) {
  return static_cast<unsigned char>(a[0]) < static_cast<unsigned char>(b[0]) ||
         (a[0] == b[0] && static_cast<unsigned char>(a[1]) < static_cast<unsigned char>(b[1]));
}

inline bool laendercodeGleich(const char* a, const char* b) { return a[0] == b[0] && a[1] == b[1]; }

}  // namespace zudadavizu_20_0
