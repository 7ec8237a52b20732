#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "tests/verifiers/TestDefdaten.h"
#include "verifiers/SteuernummerAusnahmen.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

using dvtest::TestDefdaten;

// Test data: office 9181 of Land 91 (3 office, 3 district, 4 distinguishing digits),
// "11er-Verfahren" with the weights 0 5 4 3 0 2 7 6 5 4 3 2. Check digits by hand:
// 918101234567 sums to 146, 146 mod 11 = 3, so the check digit is 8.
const std::string kGueltig = "9181012345678";

int pruefe(const std::string& wert, TestDefdaten& defdaten) {
  return steuernummerVerifier().verify(wert, &defdaten);
}

TEST(SteuernummerVerifier, ErgebnisCodes) {
  struct Fall {
    std::string wert;
    int code;
    const char* grund;
  };
  const std::vector<Fall> faelle = {
      {kGueltig, 0, "valid"},
      {"9181012345600", 0, "sum 132, remainder 0, check digit 0"},
      {"9181112345678", 1001, "fifth digit not 0"},
      {"918101234567", 1001, "12 digits"},
      {"91810123456789", 1001, "14 digits"},
      {"9181O12345678", 1001, "letter O"},
      {" 9181012345678", 1001, "leading blank (full match)"},
      {"", 1001, "empty"},
      {"9182012345678", 1002, "office unknown"},
      {"9181000045678", 1003, "district 000"},
      {"9181012345677", 1005, "check digit off by one"},
      {"9181012345660", 1005, "remainder 1: no digit passes"},
      {"9181012345669", 1005, "remainder 1: no digit passes"},
  };
  for (const Fall& fall : faelle) {
    TestDefdaten defdaten;
    EXPECT_EQ(pruefe(fall.wert, defdaten), fall.code) << fall.wert << ": " << fall.grund;
  }
}

TEST(SteuernummerVerifier, ReihenfolgeDerCodes) {
  TestDefdaten defdaten;
  defdaten.negativmuster = {{".*", "alles"}};
  EXPECT_EQ(pruefe("9182000045670", defdaten), 1002) << "office before district";
  EXPECT_EQ(pruefe("9181000045670", defdaten), 1003) << "district before negative patterns";
  EXPECT_EQ(pruefe("9181012345677", defdaten), 1004) << "negative patterns before check digit";
  EXPECT_TRUE(defdaten.gefragteVerfahren.empty()) << "no method fetched before its step";

  TestDefdaten unbekanntesVerfahren;
  unbekanntesVerfahren.verfahren.name = "12er-Verfahren";
  EXPECT_EQ(pruefe(kGueltig, unbekanntesVerfahren), 1005);
}

TEST(SteuernummerVerifier, LiestFinanzamtUndBezirk) {
  TestDefdaten defdaten;
  EXPECT_EQ(pruefe(kGueltig, defdaten), 0);
  EXPECT_EQ(defdaten.gefragteFinanzaemter, std::vector<int>{9181});
  EXPECT_EQ(defdaten.gefragteVerfahren, (std::vector<std::tuple<int, int, int>>{{91, 9181, 123}}));

  // Four district digits: 0000 is district 0, 0001 is not (918100001234 sums to 70 -> 7).
  TestDefdaten vierstellig;
  vierstellig.formate[91].bezirk = 4;
  EXPECT_EQ(pruefe("9181000005675", vierstellig), 1003);
  EXPECT_EQ(pruefe("9181000012347", vierstellig), 0);
  EXPECT_EQ(std::get<2>(vierstellig.gefragteVerfahren.back()), 1);

  // No district digits: nothing to read, the district stays -1 and the step passes.
  TestDefdaten ohneBezirk;
  ohneBezirk.formate[91].bezirk = 0;
  EXPECT_EQ(pruefe("9181000345678", ohneBezirk), 1005);
  EXPECT_EQ(std::get<2>(ohneBezirk.gefragteVerfahren.back()), -1);
}

TEST(SteuernummerVerifier, NegativmusterSindVollstaendigeTreffer) {
  TestDefdaten defdaten;
  defdaten.negativmuster = {{"[0-9]{4}01[0-9]{7}", "Bezirk 1xx"}};
  EXPECT_EQ(pruefe(kGueltig, defdaten), 1004);
  defdaten.negativmuster = {{"[0-9]{4}01", "only a prefix"}, {"2345678", "only a suffix"}};
  EXPECT_EQ(pruefe(kGueltig, defdaten), 0);
}

TEST(SteuernummerVerifier, OhneDefinitionenIstAllesGueltig) {
  for (IFeldtypVordefiniert* verifier : {&steuernummerVerifier(), &bundessteuernummerVerifier(),
                                         &bundesfinanzamtsnummerVerifier()}) {
    for (const char* wert : {"", "abc", "9181012345677", "0000"}) {
      EXPECT_EQ(verifier->verify(wert, nullptr), 0) << wert;
    }
  }
}

TEST(SteuernummerVerifier, FalscheFaktorenanzahl) {
  for (std::size_t anzahl : {0u, 11u, 13u}) {
    TestDefdaten defdaten;
    defdaten.verfahren.faktoren.assign(anzahl, 1);
    try {
      pruefe(kGueltig, defdaten);
      ADD_FAILURE() << anzahl;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(),
                   "Der Array mit den im Prüfziffernverfahren notwendigen Faktoren hat nicht die "
                   "erwartete Länge 12.");
    }
  }
}

TEST(SteuernummerVerifier, UngueltigesNegativmusterScheitertBeiJedemGebrauch) {
  TestDefdaten defdaten;
  defdaten.negativmuster = {{"([0-9]{13}", "kaputt"}};
  for (int versuch = 0; versuch < 2; ++versuch) {
    try {
      pruefe(kGueltig, defdaten);
      ADD_FAILURE() << "attempt " << versuch;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Das Negativmuster \"([0-9]{13}\" hat eine ungültige Syntax.");
    }
  }
}

// Several threads fill the pattern caches at once, each with patterns of its own and one
// shared pattern; every answer must stay that of a single thread.
TEST(SteuernummerVerifier, GleichzeitigePruefungen) {
  constexpr int kThreads = 4;
  std::vector<int> fehler(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &fehler] {
      for (int runde = 0; runde < 200; ++runde) {
        TestDefdaten defdaten;
        const std::string eigenes =
            "[0-9]{4}0" + std::to_string(100 + t * 200 + runde) + "[0-9]{5}";
        defdaten.negativmuster = {{"[0-9]{4}09{8}", "geteilt"}, {eigenes, "eigenes"}};
        const int erwartet = (100 + t * 200 + runde == 123) ? 1004 : 0;
        if (pruefe(kGueltig, defdaten) != erwartet) ++fehler[t];
        if (steuernummerVerifier().convert("181/123/45678@91", &defdaten).first != kGueltig) {
          ++fehler[t];
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(fehler, std::vector<int>(kThreads, 0));
}

}  // namespace
}  // namespace zudadavizu_20_0
