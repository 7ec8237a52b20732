#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/verifiers/TestDefdaten.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

using dvtest::TestDefdaten;

// 911608123456 sums to 120 with the test weights, 120 mod 11 = 10 -> check digit 1.
TEST(BundessteuernummerVerifier, Codes) {
  struct Fall {
    std::string wert;
    int code;
  };
  for (const Fall& fall : std::vector<Fall>{
           {"9116081234561", 0},
           {"9116081234562", 301},  // check digit
           {"9181012345678", 301},  // a valid tax number, but not of the federal office
           {"911608123456", 301},
           {"9116080004561", 301},  // district 000
       }) {
    TestDefdaten defdaten;
    EXPECT_EQ(bundessteuernummerVerifier().verify(fall.wert, &defdaten), fall.code) << fall.wert;
  }
}

TEST(BundessteuernummerVerifier, FragtKeinFinanzamt) {
  TestDefdaten defdaten;
  defdaten.finanzaemter.clear();
  EXPECT_EQ(bundessteuernummerVerifier().verify("9116081234561", &defdaten), 0);
  EXPECT_TRUE(defdaten.gefragteFinanzaemter.empty());
  EXPECT_EQ(defdaten.gefragteVerfahren, (std::vector<std::tuple<int, int, int>>{{91, -1, 812}}));
}

TEST(BundesfinanzamtsnummerVerifier, Codes) {
  struct Fall {
    std::string wert;
    int code;
    std::vector<int> gefragt;
  };
  for (const Fall& fall : std::vector<Fall>{
           {"9181", 0, {9181}},
           {"9182", 202, {9182}},
           {"0123", 202, {123}},  // read as the three-digit number
           {"918", 201, {}},
           {"91811", 201, {}},
           {"91a1", 201, {}},
           {" 918", 201, {}},
       }) {
    TestDefdaten defdaten;
    EXPECT_EQ(bundesfinanzamtsnummerVerifier().verify(fall.wert, &defdaten), fall.code)
        << fall.wert;
    EXPECT_EQ(defdaten.gefragteFinanzaemter, fall.gefragt) << fall.wert;
  }
}

TEST(BundesVerifier, KonvertierenNicht) {
  TestDefdaten defdaten;
  for (IFeldtypVordefiniert* verifier :
       {&bundessteuernummerVerifier(), &bundesfinanzamtsnummerVerifier()}) {
    EXPECT_EQ(verifier->convert("181/123/45678@91", &defdaten),
              KonvertierungsErgebnis("181/123/45678@91", ""));
    EXPECT_EQ(verifier->convertBack("9181012345678", nullptr),
              KonvertierungsErgebnis("9181012345678", ""));
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
