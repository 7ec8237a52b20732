// The tax number verifiers' own codes and their order, which the service folds into one host
// code, and the '@' form of the conversion, which only the rules library uses. The module's
// definitions are used; expected check digits come from the reference in tests/taxnumber.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxofficeservice/FinanzamtsdatenService.h"
#include "tests/taxnumber/Referenz.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

namespace ref = dvtest::referenz;

class SteuernummerVerifier : public ::testing::Test {
 protected:
  const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst_{
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr)};
  vesk::plugin2::iface::IFinanzamtsdatenService& service_ = *dienst_;
  vesk::wex2::DefdatenSteuernummerImpl defdaten_{dienst_.get()};
  // The first office of a Land key in the directory, or (gesucht false) the first gap.
  int amt(int land, bool gesucht = true) {
    int n = land * 100;
    while (service_.existiertFinanzamt(n) != gesucht) ++n;
    return n;
  }
};

TEST_F(SteuernummerVerifier, CodesInIhrerReihenfolge) {
  const std::string a = std::to_string(amt(91)), u = std::to_string(amt(91, false));
  std::mt19937 zufall(91);
  const std::string gueltig = ref::erzeuge(zufall, amt(91));
  std::string nrw;  // district 0001 of four digits
  for (int n = 1; nrw.empty(); ++n) nrw = ref::dreizehn(amt(51), 1, n);
  std::string falsch = gueltig;
  falsch[12] = static_cast<char>('0' + (gueltig[12] - '0' + 1) % 10);
  const std::string gesperrt = a + "099912345";  // district 999, locked by a negative pattern
  const struct {
    std::string wert;
    int code;
    const char* grund;
  } faelle[] = {
      {gueltig, 0, "valid"},
      {nrw, 0, "NRW district 0001 is not district 0"},
      {a + "1" + gueltig.substr(5), 1001, "fifth digit not 0"},
      {gueltig.substr(0, 12), 1001, "12 digits"},
      {gueltig + "0", 1001, "14 digits"},
      {a + "0O" + gueltig.substr(6), 1001, "letter O"},
      {" " + gueltig.substr(1), 1001, "leading blank"},
      {"", 1001, "empty"},
      {u + gueltig.substr(4), 1002, "office unknown"},
      {u + "000012345", 1002, "office before district"},
      {a + "000012345", 1003, "district 000, before the pattern of districts below 100"},
      {a + "009912345", 1004, "district 099"},
      {gesperrt.substr(0, 12) + static_cast<char>('0' + (ref::pruefziffer(gesperrt) + 1) % 10),
       1004, "negative pattern before the check digit"},
      {falsch, 1005, "check digit off by one"},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(steuernummerVerifier().verify(fall.wert, &defdaten_), fall.code) << fall.grund;
  }
  // 911608123456: 5+4+18+16+7+12+15+16+15+12 = 120 with Bayern's weights, 120 mod 11 = 10
  // -> check digit 1. The office number is read as a number.
  const struct {
    IFeldtypVordefiniert& verifier;
    std::string wert;
    int code;
  } bund[] = {
      {bundessteuernummerVerifier(), "9116081234561", 0},
      {bundessteuernummerVerifier(), "9116081234562", 301},
      {bundessteuernummerVerifier(), gueltig, 301},
      {bundessteuernummerVerifier(), "911608123456", 301},
      {bundessteuernummerVerifier(), "9116080004561", 301},
      {bundesfinanzamtsnummerVerifier(), a, 0},
      {bundesfinanzamtsnummerVerifier(), u, 202},
      {bundesfinanzamtsnummerVerifier(), "0" + a.substr(1), 202},
      {bundesfinanzamtsnummerVerifier(), a.substr(1), 201},
      {bundesfinanzamtsnummerVerifier(), a + "1", 201},
      {bundesfinanzamtsnummerVerifier(), "91a1", 201},
  };
  for (const auto& fall : bund) EXPECT_EQ(fall.verifier.verify(fall.wert, &defdaten_), fall.code);
  for (const char* wert : {"", "abc", falsch.c_str()}) {
    EXPECT_EQ(steuernummerVerifier().verify(wert, nullptr), 0) << "no definitions: " << wert;
  }
}

TEST_F(SteuernummerVerifier, KonvertierungMitBundeslandNachAt) {
  std::mt19937 zufall(26);
  const std::string by = ref::erzeuge(zufall, amt(91)), he = ref::erzeuge(zufall, amt(26));
  const std::string b = ref::landesform(by), h = ref::landesform(he);  // "fff/bbb/uuuup", "0ff ..."
  const struct {
    std::string anzeige, nummer;  // empty: not converted
  } faelle[] = {
      {b + "@91", by},
      {h + "@26", he},
      {"9" + h.substr(1) + "@26", he},  // the prefix is read as any digit
      {b + "@", ""},
      {b + "@x1", ""},
      {b + "@ 91", ""},
      {b + "@9", ""},   // the key needs two digits
      {b + "@77", ""},  // no such Land: its exception is caught
      {b.substr(0, 3) + "-" + b.substr(4) + "@91", ""},
      {b.substr(0, 11) + "@91", ""},
      {b + "@91@91", ""},
  };
  const std::string ungueltig = "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben.";
  for (const auto& fall : faelle) {
    EXPECT_EQ(steuernummerVerifier().convert(fall.anzeige, &defdaten_),
              fall.nummer.empty() ? KonvertierungsErgebnis(fall.anzeige, ungueltig)
                                  : KonvertierungsErgebnis(fall.nummer, ""));
  }
  EXPECT_EQ(steuernummerVerifier().convertBack(he, &defdaten_),
            KonvertierungsErgebnis(h + "@26", ""));
  EXPECT_EQ(steuernummerVerifier().convertBack(he.substr(1), &defdaten_).second,
            "Konvertiere nur gültige Steuernummmern.");
  EXPECT_THROW(steuernummerVerifier().convert(b + "@91", nullptr), std::runtime_error);
}

// A reference from the definitions stays valid until the same operation is asked again,
// and then shows the new answer: the Part's case of 91 then 41, and the same for the other
// refilled members. Expected values are the service's own answers for the second call.
TEST_F(SteuernummerVerifier, ReferenzZeigtDieLetzteAntwort) {
  const auto& muster = defdaten_.getNegativmuster(91);
  ASSERT_EQ(muster.size(), 3u);  // Bayern's three pairs
  defdaten_.getNegativmuster(41);
  EXPECT_EQ(muster, service_.holeNegativmuster(41));
  EXPECT_NE(muster, service_.holeNegativmuster(91));

  const IFormatierung& format = defdaten_.getFormatierung(26);
  ASSERT_EQ(format.getPraefix() + format.getTrenner1(), "0 ");
  defdaten_.getFormatierung(28);
  EXPECT_EQ(format.getPraefix() + format.getTrenner1() + format.getTrenner2(), "/");

  const IPruefziffernverfahrenDefinition& verfahren =
      defdaten_.getPruefziffernverfahrenDefinition(28, 2801, 100);
  ASSERT_EQ(verfahren.getSummanden().size(), 12u);
  defdaten_.getPruefziffernverfahrenDefinition(91, 9101, 100);
  EXPECT_EQ(verfahren.getVerfahren(), "11er-Verfahren");
  EXPECT_TRUE(verfahren.getSummanden().empty());
  // A failing question leaves the last answer in place.
  EXPECT_THROW(defdaten_.getPruefziffernverfahrenDefinition(5, 501, 100), std::runtime_error);
  EXPECT_EQ(verfahren.getFaktoren(), (std::vector<int>{0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2}));
}

}  // namespace
}  // namespace zudadavizu_20_0
