#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxoffice/FinanzamtsdatenService.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "tests/taxnumber/Referenz.h"
#include "verifiers/Verifiers.h"

namespace vesk::wex2 {
namespace {

namespace ref = dvtest::referenz;
using zudadavizu_20_0::KonvertierungsErgebnis;

std::string mitNullen(int zahl, int stellen) {
  std::string text = std::to_string(zahl);
  return std::string(static_cast<std::size_t>(stellen) - text.size(), '0') + text;
}

bool hatBezirksregeln(const std::string& kuerzel) {
  for (const char* k : {"BY", "BB", "MV", "SL", "SN", "ST", "TH"}) {
    if (kuerzel == k) return true;
  }
  return false;
}

// 13 digits of office, district and distinguishing number with the reference check digit;
// empty when the method admits no check digit for them.
std::string vervollstaendige(int amt, int bezirk, int unterscheidung) {
  const ref::Land& land = ref::land(amt / 100);
  const int b = ref::stellen(land, 'b');
  const std::string zwoelf =
      std::to_string(amt) + "0" + mitNullen(bezirk, b) + mitNullen(unterscheidung, 7 - b);
  const int c = ref::pruefziffer(zwoelf);
  return c < 0 ? std::string() : zwoelf + std::to_string(c);
}

// A valid number that no negative pattern of the office's Land excludes.
std::string zufaelligeNummer(int amt, std::mt19937& zufall) {
  const ref::Land& land = ref::land(amt / 100);
  const std::string kuerzel = land.kuerzel;
  for (;;) {
    int bezirk, unterscheidung;
    if (kuerzel == "NW") {
      bezirk = std::uniform_int_distribution<>(1, 9997)(zufall);
      if (bezirk == 998) continue;
      unterscheidung = std::uniform_int_distribution<>(1, 999)(zufall);
    } else {
      bezirk = hatBezirksregeln(kuerzel) ? std::uniform_int_distribution<>(100, 997)(zufall)
                                         : std::uniform_int_distribution<>(1, 999)(zufall);
      unterscheidung = std::uniform_int_distribution<>(0, 9999)(zufall);
    }
    const std::string nummer = vervollstaendige(amt, bezirk, unterscheidung);
    if (!nummer.empty()) return nummer;
  }
}

std::vector<int> gelisteteAemter() {
  std::vector<int> aemter;
  for (std::size_t i = 0; i < divideVira::FINANZAMT_LISTEN_ANZAHL; ++i) {
    for (auto* e = divideVira::FINANZAMT_LISTEN[i].eintraege; e->nummer != 0; ++e) {
      aemter.push_back(e->nummer);
    }
  }
  return aemter;
}

// The first listed office of a Land; 5400, 5500 and 5600 (test offices) for the keys
// without a list.
int erstesAmt(int land) {
  for (int amt : gelisteteAemter()) {
    if (amt / 100 == land) return amt;
  }
  return land * 100;
}

class GenerierteSteuernummern : public ::testing::Test {
 protected:
  int pruefe(const std::string& wert) { return verifier_.verify(wert, &defdaten_); }

  // verify, then 13 digits -> Land notation -> 13 digits.
  void pruefeGueltig(const std::string& nummer) {
    EXPECT_EQ(pruefe(nummer), 0) << nummer;
    const std::string anzeige = ref::landesform(nummer) + "@" + nummer.substr(0, 2);
    EXPECT_EQ(verifier_.convertBack(nummer, &defdaten_), KonvertierungsErgebnis(anzeige, ""));
    EXPECT_EQ(verifier_.convert(anzeige, &defdaten_), KonvertierungsErgebnis(nummer, ""));
  }

  divideVira::FinanzamtsdatenService service_{nullptr, nullptr};
  DefdatenSteuernummerImpl defdaten_{&service_};
  zudadavizu_20_0::IFeldtypVordefiniert& verifier_ = zudadavizu_20_0::verifierFuer("Steuernummer");
};

TEST_F(GenerierteSteuernummern, JedesGelisteteFinanzamt) {
  std::mt19937 zufall(20240607);
  const std::vector<int> aemter = gelisteteAemter();
  ASSERT_EQ(aemter.size(), 561u);
  for (int amt : aemter) {
    SCOPED_TRACE(amt);
    for (int runde = 0; runde < 4; ++runde) pruefeGueltig(zufaelligeNummer(amt, zufall));
    // Every other check digit fails.
    const std::string nummer = zufaelligeNummer(amt, zufall);
    for (char c = '0'; c <= '9'; ++c) {
      if (c == nummer[12]) continue;
      EXPECT_EQ(pruefe(nummer.substr(0, 12) + c), 1005) << nummer << " with " << c;
    }
  }
}

// Test offices count as existing; Berlin's need a place in its weight rule.
TEST_F(GenerierteSteuernummern, Testfinanzaemter) {
  std::mt19937 zufall(7);
  for (auto* e = divideVira::TESTFINANZAMT_LISTE; e->nummer != 0; ++e) {
    const int amt = e->nummer;
    SCOPED_TRACE(amt);
    if (amt / 100 == 11 && !ref::berlinHatRegel(amt)) {
      try {
        pruefe(std::to_string(amt) + "012345678");
        ADD_FAILURE();
      } catch (const std::runtime_error& fehler) {
        EXPECT_STREQ(fehler.what(), "Bufanummer existiert nicht.");
      }
      continue;
    }
    pruefeGueltig(zufaelligeNummer(amt, zufall));
  }
}

// Each Land's negative patterns, on numbers whose check digit is right where that matters.
TEST_F(GenerierteSteuernummern, NegativmusterJedesLandes) {
  struct Fall {
    const char* was;
    int bezirk, unterscheidung;
    int by, bezirksregeln, nw, sonst;  // expected codes by the Land's patterns
  };
  // NRW has four district digits: 50 is 0050, 998 is 0998.
  const std::vector<Fall> faelle = {
      {"district 0", 0, 1234, 1003, 1003, 1003, 1003},
      {"district 50", 50, 1234, 1004, 1004, 0, 0},
      {"district 99", 99, 1234, 1004, 1004, 0, 0},
      {"district 100", 100, 1234, 0, 0, 0, 0},
      {"district 998", 998, 1234, 1004, 1004, 1004, 0},
      {"district 999", 999, 1234, 1004, 1004, 1004, 0},
      {"district 997", 997, 1234, 0, 0, 0, 0},
      {"distinguishing 0", 123, 0, 0, 0, 1004, 0},
      {"distinguishing 1", 123, 1, 0, 0, 0, 0},
  };
  for (const ref::Land& land : ref::kLaender) {
    const int amt = erstesAmt(land.schluessel);
    const std::string kuerzel = land.kuerzel;
    const int erwartetIndex = kuerzel == "BY"             ? 0
                              : hatBezirksregeln(kuerzel) ? 1
                              : kuerzel == "NW"           ? 2
                                                          : 3;
    for (const Fall& fall : faelle) {
      const int erwartet =
          std::vector<int>{fall.by, fall.bezirksregeln, fall.nw, fall.sonst}[erwartetIndex];
      // Where the method admits no check digit, a digit outside every pattern moves on: the
      // first of the distinguishing number, or the district's last when that number is 0.
      const int stellenU = 7 - ref::stellen(land, 'b');
      const int zehnerU = static_cast<int>(std::pow(10, stellenU - 1));
      const bool ohneU = fall.unterscheidung == 0;
      std::string nummer;
      for (int versuch = 0; nummer.empty() && versuch < 10; ++versuch) {
        const int bezirk = fall.bezirk + (ohneU ? versuch : 0);
        const int u = (fall.unterscheidung + (ohneU ? 0 : versuch * zehnerU)) % (10 * zehnerU);
        nummer = vervollstaendige(amt, bezirk, u);
      }
      ASSERT_FALSE(nummer.empty()) << land.schluessel << " " << fall.was;
      EXPECT_EQ(pruefe(nummer), erwartet) << land.schluessel << " " << fall.was << " " << nummer;
    }
  }
  // "9xxx099999999" is excluded in Bayern whatever its check digit.
  for (int amt : {erstesAmt(91), erstesAmt(92)}) {
    for (char c = '0'; c <= '9'; ++c) {
      EXPECT_EQ(pruefe(std::to_string(amt) + "09999999" + c), 1004) << amt << c;
    }
  }
}

}  // namespace
}  // namespace vesk::wex2
