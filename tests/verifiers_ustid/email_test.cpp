#include <gtest/gtest.h>

#include <string>

#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

struct Fall {
  std::string wert;
  int erwartet;
};

// By hand from the address pattern: local part [a-zA-Z0-9._%+-]+, '@', domain
// [a-zA-Z0-9.-]+, '.', 2 to 6 letters; the whole value must match.
TEST(EMailVerifier, Boundaries) {
  const Fall faelle[] = {
      {"max.mustermann@example.de", 0},
      {"a@b.cd", 0},
      {"a_b%c+d-e.f@sub-1.example.museum", 0},
      {"x@y.abcdef", 0},
      {"x@y.abcdefg", 501},  // 7 letters at the end
      {"x@y.c", 501},        // 1 letter at the end
      {"x@y.d3", 501},       // digit in the last part
      {"x@localhost", 501},  // no dot after the '@'
      {"x@.de", 501},        // empty domain before the last dot
      {"@y.de", 501},        // empty local part
      {"x@@y.de", 501},
      {"x y@y.de", 501},
      {"x@y.de ", 501},
      {"x@y.de\n", 501},  // '$' must not stop before a final line break
      {"\nx@y.de", 501},
      {"m\xFCller@y.de", 501},  // u umlaut in ISO-8859-15
      {"x@y.d.de", 0},
      {"", 501},
  };
  IFeldtypVordefiniert& verifier = eMailVerifier();
  for (const Fall& fall : faelle)
    EXPECT_EQ(fall.erwartet, verifier.verify(fall.wert, nullptr)) << fall.wert;
}

}  // namespace
}  // namespace zudadavizu_20_0
