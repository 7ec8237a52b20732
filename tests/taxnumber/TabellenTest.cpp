#include <gtest/gtest.h>

#include <vector>

#include "taxnumber/SteuernummerTabellen.h"

namespace vesk::divideVira {
namespace {

// Row orders as published; lookups scan in this order.
TEST(SteuernummerTabellen, Zeilenreihenfolge) {
  const std::vector<int> formate = {28, 91, 92, 11, 30, 24, 22, 26, 40, 23, 51,
                                    52, 53, 54, 55, 56, 27, 10, 32, 31, 21, 41};
  std::vector<int> gelesen;
  for (const SteuernummerFormatZeile& zeile : STEUERNUMMER_FORMATE) {
    gelesen.push_back(zeile.landNummer);
  }
  EXPECT_EQ(gelesen, formate);

  const std::vector<int> faktoren = {28, 91, 92, 30, 24, 22, 26, 40, 23, 51, 52,
                                     53, 54, 55, 56, 27, 10, 32, 31, 21, 41};
  gelesen.clear();
  for (const StellenwertZeile& zeile : FAKTOREN_TABELLE) gelesen.push_back(zeile.landNummer);
  EXPECT_EQ(gelesen, faktoren);

  gelesen.clear();
  for (const StellenwertZeile& zeile : SUMMANDEN_TABELLE) gelesen.push_back(zeile.landNummer);
  EXPECT_EQ(gelesen, (std::vector<int>{28, 26, 21}));
}

}  // namespace
}  // namespace vesk::divideVira
