// The service's tax number checks and conversions through the loaded module. The office
// directory is generated stand-in data, so offices are picked from it, not named.
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "errortexts/Hostcodes.h"
#include "tests/checks/DienstTest.h"
#include "tests/taxnumber/Referenz.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace dvtest {
namespace {

namespace ref = referenz;

class Pruefoperationen : public DienstTest {};

TEST_F(Pruefoperationen, GenerierteNummernJedesAmtesInBeideRichtungen) {
  std::mt19937 zufall(1302);
  std::set<int> laender;
  for (int amt = 1000; amt <= 9999; ++amt) {
    if (!dienst().existiertFinanzamt(amt)) continue;
    const std::string n = ref::erzeuge(zufall, amt);
    if (n.empty()) continue;  // Berlin offices outside the weight rule, below
    laender.insert(amt / 100);
    ASSERT_EQ(dienst().pruefeSteuernummer(n), 0) << n;
    for (char z = '0'; z <= '9'; ++z) {
      if (z != n[12]) {
        ASSERT_EQ(dienst().pruefeSteuernummer(n.substr(0, 12) + z),
                  hostcode::kSteuernummerUngueltig)
            << n << z;
      }
    }
    std::string land = "alt", zurueck;
    ASSERT_EQ(dienst().formatiereSteuernummer(n.substr(0, 12), land),
              hostcode::kSteuernummerUngueltig)
        << n;
    EXPECT_EQ(land, "");
    ASSERT_EQ(dienst().formatiereSteuernummer(n, land), 0) << n;
    EXPECT_EQ(land, ref::landesform(n));
    EXPECT_EQ(dienst().erzeugeSteuernummer(land, std::to_string(amt / 100), "", zurueck), 0);
    EXPECT_EQ(zurueck, n);
    zurueck.clear();
    EXPECT_EQ(dienst().erzeugeSteuernummer(land, "", std::to_string(amt), zurueck), 0);
    EXPECT_EQ(zurueck, n);
  }
  EXPECT_EQ(laender.size(), std::size(ref::kLaender));
}

TEST_F(Pruefoperationen, BerlinerAemterAusserhalbDerGewichtsregel) {
  // An existing office outside the rule throws the definitions' error; an unknown one fails
  // the office check before the weights are needed.
  for (int amt = 1100; amt < 1200; ++amt) {
    if (ref::berlin(amt, 100) != nullptr || !dienst().existiertFinanzamt(amt)) continue;
    try {
      dienst().pruefeSteuernummer(std::to_string(amt) + "012345678");
      ADD_FAILURE() << amt << ": no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Bufanummer existiert nicht.");
    }
  }
  const int unbekannt = erstesAmt(11, [this](int n) {
    return ref::berlin(n, 100) == nullptr && !dienst().existiertFinanzamt(n);
  });
  ASSERT_NE(unbekannt, 0);
  EXPECT_EQ(dienst().pruefeSteuernummer(std::to_string(unbekannt) + "012345678"),
            hostcode::kSteuernummerUngueltig);
}

TEST_F(Pruefoperationen, ErzeugeSteuernummerNormalisiertErgaenztUndScheitert) {
  ASSERT_TRUE(dienst().existiertFinanzamt(1127));  // named by the Berlin weight rule
  std::mt19937 zufall(26);
  const std::string hessenAmt = std::to_string(erstesAmt(26));
  const std::string bayernAmt = std::to_string(erstesAmt(91));
  const std::string h = ref::erzeuge(zufall, std::stoi(hessenAmt));   // "0ff bbb uuuup"
  const std::string by = ref::erzeuge(zufall, std::stoi(bayernAmt));  // "fff/bbb/uuuup"
  const std::string hb = ref::erzeuge(zufall, erstesAmt(24));         // "ff bbb uuuup"
  const int bwAmt = erstesAmt(28);
  const std::string bw = ref::erzeuge(zufall, bwAmt);  // "ffbbb/uuuup"
  const std::string anderesBwAmt = std::to_string(
      erstesAmt(28, [&](int n) { return n > bwAmt && dienst().existiertFinanzamt(n); }));
  std::string hessenStriche = ref::landesform(h), bremenUnterstrich = ref::landesform(hb);
  hessenStriche[3] = '/';
  hessenStriche[7] = '-';
  for (char& c : bremenUnterstrich) c = c == ' ' ? '_' : c;
  std::string bwFalsch = bw, bwLandFalsch = ref::landesform(bw);
  bwFalsch[12] = bwLandFalsch[10] = static_cast<char>('0' + (bw[12] - '0' + 1) % 10);
  // Berlin 1127 uses weight row A: 7*1 + 6*2 + 5*3 + 8*4 + 4*5 + 3*6 + 2*7 = 118, 118 mod 11 =
  // 8, check digit 3. Short forms: 1127 0 001 0002 c: 5*1 + 2*2 = 9 -> 2; 1127 0 012 0034 c:
  // 6*1 + 5*2 + 3*3 + 2*4 = 33 -> 0; 27/123/04567: 77 -> 0.
  const std::string berlin = "1127012345673";
  const struct {
    std::string wert, land, amt;
    int code;
    const char* ergebnis;  // null: the output is not touched
    const char* grund;
  } faelle[] = {
      {ref::landesform(h), "26", "", 0, h.c_str(), "Hessen as printed"},
      {ref::landesform(h).substr(1), "26", "", 0, h.c_str(), "Hessen without its leading 0"},
      {ref::landesform(h).substr(1), "", hessenAmt, 0, h.c_str(), "the same by office"},
      {hessenStriche, "", hessenAmt, 0, h.c_str(), "'/' and '-' become blanks in Hessen"},
      {bremenUnterstrich, "24", "", 0, hb.c_str(), "'_' becomes a blank in Bremen"},
      {ref::landesform(by).substr(4), "", bayernAmt, 0, by.c_str(), "Bayern gets the office"},
      {ref::landesform(by), "92", bayernAmt, hostcode::kSteuernummerUngueltig, "",
       "converted by 91, result not 92"},
      {"27\\123\\45673", "11", "", 0, berlin.c_str(), "backslashes become '/'"},
      {"27 123_45673", "", "1127", 0, berlin.c_str(), "blank and '_' become '/'"},
      {"123/45673", "", "1127", 0, berlin.c_str(), "two parts: head from the office"},
      {"1/22", "", "1127", 0, "1127000100022", "Berlin b/uu"},
      {"27/1/22", "11", "", 0, "1127000100022", "ff/b/uu"},
      {"12/340", "", "1127", 0, "1127001200340", "bb/uup"},
      {"27-12-340", "11", "", 0, "1127001200340", "ff-bb-uup"},
      {"1/2", "", "1127", hostcode::kSteuernummerUngueltig, "", "last part too short"},
      {"1234/22", "", "1127", hostcode::kSteuernummerUngueltig, "", "district too long"},
      {"27/1/123456", "11", "", hostcode::kSteuernummerUngueltig, "", "last part too long"},
      {"27/123/4567", "11", "", hostcode::kSteuernummerUngueltig, "1127012304567",
       "short last part, wrong check"},
      {"", "", "", hostcode::kLandesnummerUngueltig, nullptr, "neither Land nor office"},
      {berlin, "", "", hostcode::kLandesnummerUngueltig, nullptr,
       "13 digits without Land or office"},
      {"123/45678", "91", "", hostcode::kBufanummerUngueltig, nullptr,
       "Bayern short form without office"},
      {"123/45673", "11", "", hostcode::kBufanummerUngueltig, nullptr,
       "Berlin two parts without office"},
      {"12/345", "11", "1", hostcode::kBufanummerUngueltig, nullptr,
       "office too short for the Berlin head"},
      {ref::landesform(bw), "", anderesBwAmt, hostcode::kSteuernummerUngueltig, "",
       "digits of another office"},
      {ref::landesform(bw), "28", hessenAmt, hostcode::kSteuernummerUngueltig, "",
       "converted by 26, result not 28"},
      {bwLandFalsch, "28", "", hostcode::kSteuernummerUngueltig, bwFalsch.c_str(),
       "converted; check digit wrong"},
      {"27/123/45673", "5", "", hostcode::kSteuernummerUngueltig, "",
       "federal office has no notation"},
      {"27/123/45673", "1", "", hostcode::kSteuernummerUngueltig, "", "one-digit Land key"},
  };
  for (const auto& fall : faelle) {
    std::string ausgabe = "unberührt";
    EXPECT_EQ(dienst().erzeugeSteuernummer(fall.wert, fall.land, fall.amt, ausgabe), fall.code)
        << fall.grund;
    EXPECT_EQ(ausgabe, fall.ergebnis != nullptr ? fall.ergebnis : "unberührt") << fall.grund;
  }
}

}  // namespace
}  // namespace dvtest
