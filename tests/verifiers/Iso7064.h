#pragma once

#include <string>

namespace dvtest {

// ISO 7064 MOD 11,10 in its verification form: the body and the digit after which the
// running sum ends at 1.
inline std::string mitIso7064(const std::string& koerper) {
  for (char c = '0'; c <= '9'; ++c) {
    int p = 10, s = 0;
    for (char z : koerper + c) {
      s = (z - '0' + p) % 10;
      p = 2 * (s == 0 ? 10 : s) % 11;
    }
    if (s == 1) return koerper + c;
  }
  return {};
}

}  // namespace dvtest
