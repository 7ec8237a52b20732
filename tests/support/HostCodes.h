#pragma once

#include <vector>

namespace dvtest {

// The host's published list of result codes, typed in independently of the module's table.
inline std::vector<int> erwarteteHostCodes() {
  std::vector<int> codes = {0};
  auto gruppe = [&](int basis, std::initializer_list<int> nummern) {
    for (int n : nummern) codes.push_back(basis + n);
  };
  gruppe(610001000, {1,   2,   7,   8,   13,  14,  16,  17,  18,  19,  20,  25,  26,  27,  28,
                     29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  44,
                     45,  46,  51,  102, 108, 206, 208, 209, 212, 218, 220, 222, 223, 224, 225,
                     226, 227, 228, 229, 400, 404, 501, 502, 503, 504, 510, 511, 519, 520, 521,
                     522, 523, 524, 851, 860, 861, 862, 863, 865, 866, 867, 868, 869});
  gruppe(610101000, {200, 201, 210, 251, 253, 255, 256, 257, 258, 259, 260, 271, 274,
                     276, 278, 279, 280, 282, 283, 291, 292, 293, 294, 295, 297});
  gruppe(610201000, {16});
  for (int n = 101; n <= 127; ++n) codes.push_back(610201000 + n);
  gruppe(610201000, {144, 145, 200, 201, 202, 203, 205, 206, 208, 209, 210, 211, 212, 213});
  gruppe(610301000, {1,   5,   6,   7,   10,  14,  31,  104, 105, 106, 107, 108, 109,
                     110, 111, 114, 115, 150, 151, 152, 200, 201, 252, 253, 300});
  gruppe(610501000, {1, 2, 4, 7, 8, 9, 10, 11, 12});
  return codes;
}

}  // namespace dvtest
