// The outcome code table, row by row, with neighbours of the rows.
#include <gtest/gtest.h>

#include "taxnumber/Feldtyppruefung.h"

namespace vesk::divideVira {
namespace {

TEST(ErgebnisAlsHostCode, JedeZeileUndIhreNachbarn) {
  // Pairs of code and host code.
  const int zeilen[] = {0,    0,         1,    0,         101,  610001510, 102,  610001511,
                        201,  610001222, 202,  610001038, 601,  610001501, 602,  610001502,
                        603,  610001503, 604,  610001504, 701,  610001521, 702,  610001522,
                        703,  610001520, 704,  610001524, 1001, 610001034, 1004, 610001034,
                        1006, 610001034, 1007, 610001037};
  for (std::size_t i = 0; i < std::size(zeilen); i += 2) {
    EXPECT_EQ(ergebnisAlsHostCode(zeilen[i]), zeilen[i + 1]) << zeilen[i];
  }
  for (int code : {-1, 2, 100, 103, 200, 203, 301, 401, 501, 600, 605, 700, 705, 801, 901, 1000,
                   1008, 610001034}) {
    EXPECT_EQ(ergebnisAlsHostCode(code), 610001001) << code;
  }
}

}  // namespace
}  // namespace vesk::divideVira
