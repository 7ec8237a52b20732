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
  // Every notation row has offices (test offices included).
  EXPECT_EQ(laender.size(), landformate().size());
}

TEST_F(Pruefoperationen, TaxNumberFailuresAllBecome610001034) {
  std::mt19937 zufall(7);
  const std::string bayern = erzeuge(zufall, 9181).bundeseinheitlich;
  ASSERT_FALSE(bayern.empty());
  const struct {
    std::string wert;
    const char* grund;
  } faelle[] = {
      {bayern.substr(0, 4) + "1" + bayern.substr(5), "fifth digit not 0 (1001)"},
      {bayern.substr(0, 12), "twelve digits (1001)"},
      {"", "empty (1001)"},
      {"9999012345678", "office unknown (1002)"},
      {"9181000012345", "district 000 (1003)"},
      {"9181009912345", "Bayern district below 100 (1004)"},
      {"9181099999999", "Bayern 9xxx099999999 (1004)"},
      {bayern.substr(0, 12) + std::to_string((bayern[12] - '0' + 1) % 10), "check digit (1005)"},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(dienst().pruefeSteuernummer(fall.wert), 610001034) << fall.grund;
  }
}

TEST_F(Pruefoperationen, BerlinOfficesOutsideTheWeightRule) {
  // Known offices without a Berlin weight row: the test offices 1190 and 1193.
  std::vector<int> ohneGewichte;
  for (int amt = 1100; amt <= 1199; ++amt) {
    bool bekannt = false;
    berlinB(amt, 100, bekannt);
    if (dienst().existiertFinanzamt(amt) && !bekannt) ohneGewichte.push_back(amt);
  }
  ASSERT_EQ(ohneGewichte, std::vector<int>({1190, 1193}));
  for (int amt : ohneGewichte) {
    try {
      dienst().pruefeSteuernummer(std::to_string(amt) + "012345678");
      ADD_FAILURE() << amt << ": no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Bufanummer existiert nicht.");
    }
  }
  // 1138 has a record but is not on the selection lists: the office check fails first.
  EXPECT_EQ(dienst().pruefeSteuernummer("1138012345678"), 610001034);
}

TEST_F(Pruefoperationen, FormatOfInvalidNumberIsEmpty) {
  for (const char* wert : {"1127012345674", "", "11270123456", "x"}) {
    std::string ausgabe = "alt";
    EXPECT_EQ(dienst().formatiereSteuernummer(wert, ausgabe), 610001034) << wert;
    EXPECT_EQ(ausgabe, "") << wert;
  }
}

// Berlin 1127 uses weight row A: 7*1 + 6*2 + 5*3 + 8*4 + 4*5 + 3*6 + 2*7 = 118,
// 118 mod 11 = 8, check digit 3.
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
  std::mt19937 zufall(26);
  const Steuernummer hessen = erzeuge(zufall, 2613);  // "0ff bbb uuuup"
  const Steuernummer bayern = erzeuge(zufall, 9181);  // "fff/bbb/uuuup"
  const Steuernummer bremen = erzeuge(zufall, 2456);  // "ff bbb uuuup"
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
          {hessen.land.substr(1), "", "2613", 0, h, "the same by office number"},
          {hessenStriche, "", "2613", 0, h, "'/' and '-' become blanks in Hessen"},
          {bremenUnterstrich, "24", "", 0, bremen.bundeseinheitlich.c_str(),
           "'_' becomes a blank in Bremen"},
          {bayern.land.substr(4), "", "9181", 0, by, "Bayern bbb/uuuup gets office 181"},
          {bayern.land.substr(4), "91", "9181", 0, by, "the same with both inputs"},
          {bayern.land, "92", "9181", 610001034, "", "conversion follows 91, result not 92"},
          {"27\\123\\45673", "11", "", 0, BERLIN, "backslashes become '/'"},
          {"27 123_45673", "", "1127", 0, BERLIN, "blank and '_' become '/'"},
          {"123/45673", "", "1127", 0, BERLIN, "two parts: head from the office"},
          {"27/123/45673", "", "1127", 0, BERLIN, "Berlin full form"},
      });
}

TEST_F(Pruefoperationen, BerlinShortFormsArePadded) {
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
  std::mt19937 zufall(28);
  const Steuernummer bw = erzeuge(zufall, 2805);  // "ffbbb/uuuup", office digits 05
  std::string bwFalsch = bw.bundeseinheitlich, bwLandFalsch = bw.land;
  bwFalsch[12] = bwLandFalsch[10] = static_cast<char>('0' + (bw.land[10] - '0' + 1) % 10);
  pruefeErzeugung(
      dienst(),
      {
          {"", "", "", 610001037, nullptr, "neither Land nor office"},
          {BERLIN, "", "", 610001037, nullptr, "13 digits without Land or office"},
          // 5*1 + 4*8 + 3*1 + 2*1 + 7*2 + 6*3 + 5*4 + 4*5 + 3*6 + 2*7 = 146 = 13*11 + 3.
          {"181/123/45678", "91", "", 0, "9181012345678", "Bayern full form, check digit 8"},
          {"181/123/45679", "91", "", 610001034, "9181012345679", "the same, check digit 9"},
          {"123/45678", "91", "", 610001038, nullptr, "Bayern short form without office"},
          {"123/45673", "11", "", 610001038, nullptr, "Berlin two parts without office"},
          {"12/345", "11", "1", 610001038, nullptr, "office too short for the Berlin head"},
          {bw.land, "", "2801", 610001034, "", "office digits 05 disagree with 2801"},
          {bw.land, "28", "2601", 610001034, "", "conversion follows 26, result not 28"},
          {bwLandFalsch, "28", "", 610001034, bwFalsch.c_str(), "converted; check digit wrong"},
          // Padded to 27/123/04567: 7*1 + 6*2 + 5*3 + 4*4 + 3*5 + 2*6 = 77, check digit 0.
          {"27/123/4567", "11", "", 610001034, "1127012304567", "short last part, wrong check"},
          {"27/123/45673", "5", "", 610001034, "", "federal office has no notation"},
          {"27/123/45673", "1", "", 610001034, "", "one-digit Land key"},
      });
}

}  // namespace
}  // namespace dvtest
