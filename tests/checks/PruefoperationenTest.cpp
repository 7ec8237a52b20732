// The service's checks and conversions through the loaded module.
#include <random>
#include <set>
#include <stdexcept>

#include "checks/SteuernummerReferenz.h"
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

class Pruefoperationen : public ModulTest {
 protected:
  void SetUp() override {
    ModulTest::SetUp();
    dienst_ = modul().finanzamtsdatenService();
  }
  void TearDown() override { dienst_.reset(); }
  Dienst& dienst() { return *dienst_; }

  // Existing offices of a Land key, ascending. The directory is generated stand-in data, so
  // the tests pick their offices from it instead of naming numbers.
  std::vector<int> aemter(int land) {
    std::vector<int> liste;
    for (int amt = land * 100; amt < land * 100 + 100; ++amt) {
      if (dienst().existiertFinanzamt(amt)) liste.push_back(amt);
    }
    return liste;
  }
  // The first number of the Land for which pred holds, 0 when none.
  template <class Praedikat>
  int erstesAmt(int land, Praedikat pred) {
    for (int amt = land * 100; amt < land * 100 + 100; ++amt) {
      if (pred(amt)) return amt;
    }
    return 0;
  }

  // Offices the module knows, each with a generated valid number.
  std::vector<std::pair<int, Steuernummer>> gueltigeNummern() {
    std::mt19937 zufall(1302);
    std::vector<std::pair<int, Steuernummer>> nummern;
    for (int amt = 1000; amt <= 9999; ++amt) {
      if (!dienst().existiertFinanzamt(amt)) continue;
      Steuernummer nummer = erzeuge(zufall, amt);
      if (!nummer.bundeseinheitlich.empty()) nummern.emplace_back(amt, nummer);
    }
    return nummern;
  }

 private:
  std::unique_ptr<Dienst> dienst_;
};

TEST_F(Pruefoperationen, GeneratedTaxNumbersOfEveryOfficePassAndConvertBothWays) {
  auto nummern = gueltigeNummern();
  ASSERT_GT(nummern.size(), 500u);
  std::set<int> laender;
  for (const auto& [amt, nummer] : nummern) {
    laender.insert(amt / 100);
    const std::string& n = nummer.bundeseinheitlich;
    ASSERT_EQ(dienst().pruefeSteuernummer(n), 0) << n;
    for (char z = '0'; z <= '9'; ++z) {
      if (z == n[12]) continue;
      std::string falsch = n.substr(0, 12) + z;
      ASSERT_EQ(dienst().pruefeSteuernummer(falsch), 610001034) << falsch;
    }
    std::string land = "unverändert";
    ASSERT_EQ(dienst().formatiereSteuernummer(n, land), 0) << n;
    EXPECT_EQ(land, nummer.land) << n;
    std::string zurueck;
    EXPECT_EQ(dienst().erzeugeSteuernummer(nummer.land, std::to_string(amt / 100), "", zurueck), 0)
        << nummer.land;
    EXPECT_EQ(zurueck, n);
    zurueck.clear();
    EXPECT_EQ(dienst().erzeugeSteuernummer(nummer.land, "", std::to_string(amt), zurueck), 0)
        << nummer.land;
    EXPECT_EQ(zurueck, n);
  }
  // Every Land has offices: all notation rows but the NRW test keys 54 to 56.
  EXPECT_GE(laender.size(), landformate().size() - 3);
}

TEST_F(Pruefoperationen, TaxNumberFailuresAllBecome610001034) {
  std::mt19937 zufall(7);
  const int amt = aemter(91).at(0);
  const std::string a = std::to_string(amt);
  const std::string bayern = erzeuge(zufall, amt).bundeseinheitlich;
  const int unbekannt = erstesAmt(91, [&](int n) { return !dienst().existiertFinanzamt(n); });
  ASSERT_NE(unbekannt, 0);
  const struct {
    std::string wert;
    const char* grund;
  } faelle[] = {
      {a + "1" + bayern.substr(5), "fifth digit not 0 (1001)"},
      {bayern.substr(0, 12), "twelve digits (1001)"},
      {"", "empty (1001)"},
      {std::to_string(unbekannt) + "012345678", "office unknown (1002)"},
      {a + "000012345", "district 000 (1003)"},
      {a + "009912345", "Bayern district below 100 (1004)"},
      {a + "099999999", "Bayern 9xxx099999999 (1004)"},
      {bayern.substr(0, 12) + std::to_string((bayern[12] - '0' + 1) % 10), "check digit (1005)"},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(dienst().pruefeSteuernummer(fall.wert), 610001034) << fall.grund;
  }
}

TEST_F(Pruefoperationen, BerlinOfficesAndTheWeightRule) {
  // An existing Berlin office outside the weight selection throws the definitions' error;
  // every other one is checked.
  for (int amt : aemter(11)) {
    bool bekannt = false;
    berlinB(amt, 100, bekannt);
    const std::string wert = std::to_string(amt) + "012345678";
    if (bekannt) {
      EXPECT_NO_THROW(dienst().pruefeSteuernummer(wert)) << amt;
      continue;
    }
    try {
      dienst().pruefeSteuernummer(wert);
      ADD_FAILURE() << amt << ": no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Bufanummer existiert nicht.");
    }
  }
  // An unknown office outside the selection fails the office check before the weights.
  const int unbekannt = erstesAmt(11, [&](int n) {
    bool bekannt = false;
    berlinB(n, 100, bekannt);
    return !bekannt && !dienst().existiertFinanzamt(n);
  });
  ASSERT_NE(unbekannt, 0);
  EXPECT_EQ(dienst().pruefeSteuernummer(std::to_string(unbekannt) + "012345678"), 610001034);
}

TEST_F(Pruefoperationen, FormatOfInvalidNumberIsEmpty) {
  for (const char* wert : {"1127012345674", "", "11270123456", "x"}) {
    std::string ausgabe = "alt";
    EXPECT_EQ(dienst().formatiereSteuernummer(wert, ausgabe), 610001034) << wert;
    EXPECT_EQ(ausgabe, "") << wert;
  }
}

// Berlin 1127 (in every directory: the weight rule names it) uses weight row A:
// 7*1 + 6*2 + 5*3 + 8*4 + 4*5 + 3*6 + 2*7 = 118, 118 mod 11 = 8, check digit 3.
const char* const BERLIN = "1127012345673";

struct Erzeugung {
  std::string wert, land, amt;
  int code;
  const char* ergebnis;  // null: the output is not touched on this path
  const char* grund;
};

void pruefeErzeugung(Dienst& dienst, const std::vector<Erzeugung>& faelle) {
  for (const Erzeugung& fall : faelle) {
    std::string ausgabe = "unberührt";
    EXPECT_EQ(dienst.erzeugeSteuernummer(fall.wert, fall.land, fall.amt, ausgabe), fall.code)
        << fall.grund;
    EXPECT_EQ(ausgabe, fall.ergebnis != nullptr ? fall.ergebnis : "unberührt") << fall.grund;
  }
}

TEST_F(Pruefoperationen, ErzeugeSteuernummerNormalisesAndRepairs) {
  ASSERT_TRUE(dienst().existiertFinanzamt(1127));
  std::mt19937 zufall(26);
  const std::string hessenAmt = std::to_string(aemter(26).at(0));
  const std::string bayernAmt = std::to_string(aemter(91).at(0));
  const Steuernummer hessen = erzeuge(zufall, std::stoi(hessenAmt));  // "0ff bbb uuuup"
  const Steuernummer bayern = erzeuge(zufall, std::stoi(bayernAmt));  // "fff/bbb/uuuup"
  const Steuernummer bremen = erzeuge(zufall, aemter(24).at(0));      // "ff bbb uuuup"
  std::string hessenStriche = hessen.land, bremenUnterstrich = bremen.land;
  hessenStriche[3] = '/';
  hessenStriche[7] = '-';
  for (char& c : bremenUnterstrich) c = c == ' ' ? '_' : c;
  const char* const h = hessen.bundeseinheitlich.c_str();
  const char* const by = bayern.bundeseinheitlich.c_str();
  pruefeErzeugung(
      dienst(),
      {
          {hessen.land, "26", "", 0, h, "Hessen as printed"},
          {hessen.land.substr(1), "26", "", 0, h, "Hessen without its leading 0"},
          {hessen.land.substr(1), "", hessenAmt, 0, h, "the same by office number"},
          {hessenStriche, "", hessenAmt, 0, h, "'/' and '-' become blanks in Hessen"},
          {bremenUnterstrich, "24", "", 0, bremen.bundeseinheitlich.c_str(),
           "'_' becomes a blank in Bremen"},
          {bayern.land.substr(4), "", bayernAmt, 0, by, "Bayern bbb/uuuup gets the office"},
          {bayern.land.substr(4), "91", bayernAmt, 0, by, "the same with both inputs"},
          {bayern.land, "92", bayernAmt, 610001034, "", "conversion follows 91, result not 92"},
          {"27\\123\\45673", "11", "", 0, BERLIN, "backslashes become '/'"},
          {"27 123_45673", "", "1127", 0, BERLIN, "blank and '_' become '/'"},
          {"123/45673", "", "1127", 0, BERLIN, "two parts: head from the office"},
          {"27/123/45673", "", "1127", 0, BERLIN, "Berlin full form"},
      });
}

TEST_F(Pruefoperationen, BerlinShortFormsArePadded) {
  ASSERT_TRUE(dienst().existiertFinanzamt(1127));
  // 1127 0 001 0002 c: weight row A gives 5*1 + 2*2 = 9, check digit 11 - 9 = 2.
  // 1127 0 012 0034 c: 6*1 + 5*2 + 3*3 + 2*4 = 33 = 3*11, check digit 0.
  pruefeErzeugung(dienst(), {
                                {"1/22", "", "1127", 0, "1127000100022", "b/uu"},
                                {"1/22", "11", "1127", 0, "1127000100022", "b/uu, both inputs"},
                                {"27/1/22", "11", "", 0, "1127000100022", "ff/b/uu"},
                                {"12/340", "", "1127", 0, "1127001200340", "bb/uup"},
                                {"27-12-340", "11", "", 0, "1127001200340", "ff-bb-uup"},
                                {"1/2", "", "1127", 610001034, "", "last part too short"},
                                {"1234/22", "", "1127", 610001034, "", "district too long"},
                                {"27/1/123456", "11", "", 610001034, "", "last part too long"},
                            });
}

TEST_F(Pruefoperationen, ErzeugeSteuernummerFailures) {
  ASSERT_TRUE(dienst().existiertFinanzamt(1127));
  std::mt19937 zufall(28);
  const std::vector<int> bwAemter = aemter(28);
  ASSERT_GE(bwAemter.size(), 2u);
  const Steuernummer bw = erzeuge(zufall, bwAemter[0]);  // "ffbbb/uuuup"
  const std::string anderesAmt = std::to_string(bwAemter[1]);
  const std::string hessenAmt = std::to_string(aemter(26).at(0));
  std::string bwFalsch = bw.bundeseinheitlich, bwLandFalsch = bw.land;
  bwFalsch[12] = bwLandFalsch[10] = static_cast<char>('0' + (bw.land[10] - '0' + 1) % 10);
  // 5*1 + 4*8 + 3*1 + 2*1 + 7*2 + 6*3 + 5*4 + 4*5 + 3*6 + 2*7 = 146 = 13*11 + 3: check digit 8,
  // valid when the directory has office 9181.
  const int bayern9181 = dienst().existiertFinanzamt(9181) ? 0 : 610001034;
  pruefeErzeugung(
      dienst(),
      {
          {"", "", "", 610001037, nullptr, "neither Land nor office"},
          {BERLIN, "", "", 610001037, nullptr, "13 digits without Land or office"},
          {"181/123/45678", "91", "", bayern9181, "9181012345678", "Bayern, check digit 8"},
          {"181/123/45679", "91", "", 610001034, "9181012345679", "Bayern, check digit 9"},
          {"123/45678", "91", "", 610001038, nullptr, "Bayern short form without office"},
          {"123/45673", "11", "", 610001038, nullptr, "Berlin two parts without office"},
          {"12/345", "11", "1", 610001038, nullptr, "office too short for the Berlin head"},
          {bw.land, "", anderesAmt, 610001034, "", "office digits of another office"},
          {bw.land, "28", hessenAmt, 610001034, "", "conversion follows 26, result not 28"},
          {bwLandFalsch, "28", "", 610001034, bwFalsch.c_str(), "converted; check digit wrong"},
          // Padded to 27/123/04567: 7*1 + 6*2 + 5*3 + 4*4 + 3*5 + 2*6 = 77, check digit 0.
          {"27/123/4567", "11", "", 610001034, "1127012304567", "short last part, wrong check"},
          {"27/123/45673", "5", "", 610001034, "", "federal office has no notation"},
          {"27/123/45673", "1", "", 610001034, "", "one-digit Land key"},
      });
}

}  // namespace
}  // namespace dvtest
