#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "verifiers/Pruefziffernverfahren.h"
#include "verifiers/SteuernummerAusnahmen.h"

namespace zudadavizu_20_0 {
namespace {

const std::vector<int> kElfer = {0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
const std::vector<int> kZweier = {0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2};
const std::vector<int> kZweierSummanden = {0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1};
const std::vector<int> kModifiziert = {0, 0, 1, 2, 0, 1, 2, 1, 2, 1, 2, 1};
const std::vector<int> kNrw = {0, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1};

// For each case: the 12 leading digits and the only check digit that passes (-1: none).
// Sums worked by hand, shown beside each case.
struct Fall {
  std::string stellen;
  int gueltig;
};

template <class Verfahren>
std::vector<int> passendePruefziffern(const std::string& stellen, Verfahren verfahren) {
  std::vector<int> passend;
  for (int c = 0; c <= 9; ++c) {
    if (verfahren(stellen + std::to_string(c), c)) passend.push_back(c);
  }
  return passend;
}

template <class Verfahren>
void pruefeFaelle(const std::vector<Fall>& faelle, Verfahren verfahren) {
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.stellen);
    const std::vector<int> erwartet =
        fall.gueltig < 0 ? std::vector<int>{} : std::vector<int>{fall.gueltig};
    EXPECT_EQ(passendePruefziffern(fall.stellen, verfahren), erwartet);
  }
}

TEST(Pruefziffernverfahren, ElferVerfahren) {
  pruefeFaelle(
      {
          {"918101234567", 8},   // 5+32+3+2+14+18+20+20+18+14 = 146, 146 mod 11 = 3 -> 8
          {"918101234560", 0},   // 132 = 12 * 11, remainder 0 -> 0
          {"918101234566", -1},  // 144 mod 11 = 1 -> 11 - 1 = 10 is no digit
          {"000000000000", 0},   // sum 0
      },
      [](const std::string& wert, int c) { return elferVerfahren(wert, kElfer, c); });
}

TEST(Pruefziffernverfahren, ZweierVerfahren) {
  pruefeFaelle(
      {
          // (0+9)%10 * 512 = 4608 -> 18 -> 9; (3+8)%10 * 256 = 256 -> 13 -> 4;
          // (8+1)%10 * 2 = 18 -> 9; every other product 0: 22 -> 10 - 2 = 8.
          {"280303456788", 8},
          // all (digit + addend) mod 10 are 0 where the weight is not: sum 0 -> 0.
          {"281203456789", 0},
          // digit 1 in the third place: (1+9)%10 = 0 drops the 9 of 4608: 4 + 9 = 13 -> 7.
          {"281303456788", 7},
      },
      [](const std::string& wert, int c) {
        return zweierVerfahren(wert, kZweier, kZweierSummanden, c);
      });
}

TEST(Pruefziffernverfahren, ZweierVerfahrenVerlangtZwoelfSummanden) {
  for (const std::vector<int>& summanden :
       {std::vector<int>{}, std::vector<int>(11, 0), std::vector<int>(13, 0)}) {
    try {
      zweierVerfahren("2803034567888", kZweier, summanden, 8);
      ADD_FAILURE() << summanden.size();
    } catch (const FalscheSummandenanzahl& e) {
      EXPECT_STREQ(e.what(),
                   "Der Array mit den im Prüfziffernverfahren notwendigen Summanden hat nicht "
                   "die erwartete Länge 12.");
    }
  }
}

TEST(Pruefziffernverfahren, ModifiziertesElferVerfahren) {
  pruefeFaelle(
      {
          // 2*5 = 10 -> 1, 1*5, 2*6 = 12 -> 3, 1, 2*2, 3, 2*4, 5: 30 -> 0.
          {"270505612345", 0},
          // last digit 6 instead of 5: 31 -> 9.
          {"270505612346", 9},
      },
      [](const std::string& wert, int c) {
        return modifiziertesElferVerfahren(wert, kModifiziert, c);
      });
  // Weight 4 at the last position: 4*5 = 20 contributes 1, 4*3 = 12 contributes 3.
  std::vector<int> vierer(12, 0);
  vierer[11] = 4;
  EXPECT_TRUE(modifiziertesElferVerfahren("0000000000050", vierer, 9));  // 1 -> 9
  EXPECT_TRUE(modifiziertesElferVerfahren("0000000000037", vierer, 7));  // 3 -> 7
}

TEST(Pruefziffernverfahren, ElferVerfahrenNrw) {
  pruefeFaelle(
      {
          // 3+4+3+7+12+15+16+3+4+3 = 70, 70 mod 11 = 4.
          {"512301234123", 4},
          // last digit 9 instead of 3: 76 mod 11 = 10, no digit.
          {"512301234129", -1},
          {"000000000000", 0},
      },
      [](const std::string& wert, int c) { return elferVerfahrenNrw(wert, kNrw, c); });
}

}  // namespace
}  // namespace zudadavizu_20_0
