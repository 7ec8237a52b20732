#pragma once

#include <vector>

namespace dvtest {

// The complete list of host result codes, typed in independently of the
// module's table, per group.
inline std::vector<int> erwarteteHostCodes() {
  std::vector<int> codes = {0};
  const int allgemein[] = {1,   2,   7,   8,   13,  14,  16,  17,  18,  19,  20,  25,  26,
                           27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,
                           40,  41,  42,  44,  45,  46,  51,  102, 108, 206, 208, 209, 212,
                           218, 220, 222, 223, 224, 225, 226, 227, 228, 229, 400, 404, 501,
                           502, 503, 504, 510, 511, 519, 520, 521, 522, 523, 524, 851, 860,
                           861, 862, 863, 865, 866, 867, 868, 869};
  for (int c : allgemein) codes.push_back(610001000 + c);
  const int uebertragung[] = {200, 201, 210, 251, 253, 255, 256, 257, 258, 259, 260, 271, 274,
                              276, 278, 279, 280, 282, 283, 291, 292, 293, 294, 295, 297};
  for (int c : uebertragung) codes.push_back(610101000 + c);
  codes.push_back(610201016);
  for (int c = 101; c <= 127; ++c) codes.push_back(610201000 + c);
  const int zertifikate[] = {144, 145, 200, 201, 202, 203, 205, 206, 208, 209, 210, 211, 212, 213};
  for (int c : zertifikate) codes.push_back(610201000 + c);
  const int eingabe[] = {1,   5,   6,   7,   10,  14,  31,  104, 105, 106, 107, 108, 109,
                         110, 111, 114, 115, 150, 151, 152, 200, 201, 252, 253, 300};
  for (int c : eingabe) codes.push_back(610301000 + c);
  const int druck[] = {1, 2, 4, 7, 8, 9, 10, 11, 12};
  for (int c : druck) codes.push_back(610501000 + c);
  return codes;
}

// The six code ranges in which no other code may have a text.
inline std::vector<std::pair<int, int>> hostCodeBereiche() {
  return {{0, 0},
          {610001000, 610001999},
          {610101000, 610101999},
          {610201000, 610201999},
          {610301000, 610301999},
          {610501000, 610501999}};
}

}  // namespace dvtest
