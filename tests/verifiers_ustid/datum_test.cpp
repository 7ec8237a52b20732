#include <gtest/gtest.h>

#include <string>

#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

struct Fall {
  std::string wert;
  int erwartet;
};

// By hand: "MM.JJ" with months 01 to 12 and any two-digit year.
TEST(DatumMMJJVerifier, Boundaries) {
  const Fall faelle[] = {
      {"01.15", 0},    {"12.99", 0},     {"10.00", 0},   {"00.15", 401}, {"13.15", 401},
      {"19.15", 401},  {"20.15", 401},   {"1.15", 401},  {"01.5", 401},  {"01/15", 401},
      {"01.150", 401}, {"01.15\n", 401}, {"0a.15", 401}, {"", 401},
  };
  IFeldtypVordefiniert& verifier = datumMMJJVerifier();
  for (const Fall& fall : faelle)
    EXPECT_EQ(fall.erwartet, verifier.verify(fall.wert, nullptr)) << fall.wert;
}

// By hand: month lengths, February 29 exactly in years divisible by 4 (00 included).
TEST(DatumTTMMJJVerifier, Boundaries) {
  const Fall faelle[] = {
      {"01.01.15", 0},   {"31.01.15", 0},    {"32.01.15", 401}, {"00.01.15", 401},
      {"28.02.15", 0},   {"29.02.15", 401},  {"29.02.00", 0},   {"29.02.04", 0},
      {"29.02.96", 0},   {"29.02.01", 401},  {"30.02.04", 401}, {"20.02.01", 0},
      {"30.04.15", 0},   {"31.04.15", 401},  {"31.06.15", 401}, {"31.09.15", 401},
      {"31.11.15", 401}, {"30.11.15", 0},    {"31.05.15", 0},   {"31.12.15", 0},
      {"31.10.15", 0},   {"01.00.15", 401},  {"01.13.15", 401}, {"01.19.15", 401},
      {"40.01.15", 401}, {"01.20.15", 401},  {"1.01.15", 401},  {"01.01.2015", 401},
      {"01-01-15", 401}, {"01.01.15 ", 401}, {"", 401},
  };
  IFeldtypVordefiniert& verifier = datumTTMMJJVerifier();
  for (const Fall& fall : faelle)
    EXPECT_EQ(fall.erwartet, verifier.verify(fall.wert, nullptr)) << fall.wert;
}

}  // namespace
}  // namespace zudadavizu_20_0
