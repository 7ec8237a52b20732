// Country rules branch by branch. The first valid number of each country is a
// published sample; every other number was worked out by hand from the
// country's rule, its body chosen so that exactly the named branch decides.
// Wrong check characters of random bodies: ustid_generiert_test.cpp.
#include <gtest/gtest.h>

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <string>
#include <vector>

#include "rules/Heute.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

struct Land {
  std::vector<std::string> gueltig, ungueltig;
};

const Land kLaender[] = {
    // AT: no U; 8 and 10 characters.
    {{"ATU13585627"}, {"ATX13585627", "ATU1358562", "ATU135856270"}},
    // DE: check right but leading 0; letter as check digit.
    {{"DE136695976"}, {"DE002746864", "DE13669597A"}},
    // DK: sum divisible by 11 but leading 0; 9 characters.
    {{"DK13585628"}, {"DK01969404", "DK135856280"}},
    // EE: check right but begins 20, 11.
    {{"EE100931558"}, {"EE209398979", "EE117242719"}},
    // FI: remainder 0 (c = 11 counts as 0) | remainder 1 (c = 10 has no digit).
    {{"FI20774740", "FI43952490"}, {"FI44718416"}},
    // EL: remainder 10 gives 0 | 8 characters.
    {{"EL094259216", "EL421350120"}, {"EL42135012"}},
    // IE: remainder 0 is W, 22 is V | X is never a check letter; digit; lower case;
    // a published number of the older form, where the rule reads the D as -1.
    {{"IE6433435F", "IE9598665W", "IE3755246V"},
     {"IE6433435X", "IE64334356", "IE6433435f", "IE8D79739I"}},
    // HU: check digit.
    {{"HU12892312"}, {"HU12892313"}},
    // HR: leading 0 allowed, unlike DE | check digit.
    {{"HR33392005961", "HR09626635034"}, {"HR33392005962"}},
    // LU: check part not a number; 9 characters.
    {{"LU15027442"}, {"LU1502744A", "LU150274420"}},
    // PL: remainder 10 has no digit.
    {{"PL8567346215"}, {"PL5580587452"}},
    // PT: c = 10 and c = 11 count as 0 | check digit.
    {{"PT501964843", "PT153840650", "PT559398670"}, {"PT501964844"}},
    // CY: lower-case letter; letter right but begins 12; 8 characters.
    {{"CY10259033P"}, {"CY10259033p", "CY12000000F", "CY1025903P"}},
    // IT: offices 001 to 100, 120, 121, 888, 999 | 000, 101, 119, 122.
    {{"IT00743110157", "IT12345670017", "IT12345671007", "IT12345671205", "IT12345671213",
      "IT12345678887", "IT12345679992"},
     {"IT12345670009", "IT12345671015", "IT12345671197", "IT12345671221"}},
    // MT: 100001 is the smallest body | check right, body 100000.
    {{"MT11679112", "MT10000125"}, {"MT10000034"}},
    // NL: no B; branch 00; branch not a number; remainder 10 has no digit.
    {{"NL004495445B01", "NL123456782B90"},
     {"NL004495445C01", "NL004495445B00", "NL004495445B0A", "NL804466187B01"}},
    // SE: suffix 94 | suffixes 95, 00.
    {{"SE556188840401", "SE556188840494"}, {"SE556188840495", "SE556188840400"}},
    // SK: divisible by 11 but third digit 5, 6; below 1000000000; letter.
    {{"SK2022749619"}, {"SK6359595726", "SK6863111255", "SK0028163542", "SK202274961A"}},
    // SI: c = 10 with last digit 0 | check right, leading 0; c = 11; c = 10 with last digit 1.
    {{"SI50223054", "SI28539460"}, {"SI00043222", "SI33978840", "SI31939971"}},
    // RO: 5 digits padded to 0000046148; c = 10 counts as 0 | check digit of the padded
    // number; 9 digits, check digit read from the end; 11 characters (the rule stops at 10).
    {{"RO18547290", "RO46148", "RO18082470"}, {"RO46149", "RO185472900", "RO18547290123"}},
    // BE: 9 digits (old notation); 9 and 10 digits whose body divisible by 97 needs 97 |
    // 00 is never a check number; check right but first digit 1 (9 and 10 digits),
    // second digit 0; check part not a number; 11 characters.
    {{"BE0776091951", "BE837431187", "BE221470497", "BE0520385697"},
     {"BE0520385600", "BE109235658", "BE1689308547", "BE0001611980", "BE07760919A1",
      "BE07760919511"}},
    // GB: government GD001 to 499, health HA500 to 999; branch 001; old rule (sum divisible
    // by 97) for k (first seven digits) = 99999, 44643, 1000000, 9489999, 9700001, 9990000;
    // new rule (sum + 55) for k = 0, 1000001 | GD500, HA499, XY, not a number; branch 000,
    // not a number; all zeros; letter; 10 characters; old rule for k = 100000, 150556,
    // 999999, 9490001, 9700000, 9990001, 9999998, 9999999; new rule for k = 1, 1000000.
    {{"GB980780684", "GBGD001", "GBGD499", "GBHA500", "GBHA999", "GB980780684001", "GB009999914",
      "GB004464311", "GB100000089", "GB948999917", "GB970000171", "GB999000005", "GB000000042",
      "GB100000132"},
     {"GBGD500", "GBHA499", "GBXY001", "GBGD0A1", "GB980780684000", "GB98078068400A", "GB000000000",
      "GB98078068A", "GB9807806840", "GB010000090", "GB015055613", "GB099999948", "GB949000138",
      "GB970000073", "GB999000103", "GB999999875", "GB999999973", "GB000000140", "GB100000034"}},
    // BG: 9 digits: first remainder 10 (second weights), both 10 (check 0); 10 digits:
    // published person, person only with month, month + 20, month + 40; foreigner only;
    // other only, c = 11 counts as 0 | check digit; person check right but 37 February,
    // month 13; other with c = 10; all three fail; 8 characters.
    {{"BG175074752", "BG881573298", "BG461061040", "BG7523169263", "BG8202221912", "BG7025188578",
      "BG6547026514", "BG1147869406", "BG6356078738", "BG4212932790"},
     {"BG175074753", "BG3002378309", "BG0813341687", "BG9388115600", "BG0472372463", "BG17507475"}},
    // FR: published letter-digit and digit-letter keys; two letters, letter-digit,
    // digit-letter | digit key differs; letter key with the number changed; I and O are
    // no key characters (JF, 1P would pass); lower case; number not a number; 10 characters.
    {{"FR40303265045", "FRK7399859412", "FR4Z123456782", "FRWJ142528578", "FRC6097540981",
      "FR5D410997335"},
     {"FR41303265045", "FRK7399859413", "FRIF651064838", "FR1O560914772", "FRk7399859412",
      "FR4Z12345678A", "FR4030326504"}},
    // LV: legal persons with check 3 - R and 14 - R (their dates 56.10., 62.63. invalid);
    // published natural person born 16.11.75 | R = 4 never passes; legal check wrong
    // (date 40.00.); 31 February; 29 February 2015; day 00; month 13; serial not a
    // number; 10 characters.
    {{"LV40003521600", "LV56102470973", "LV62638623679", "LV16117519997"},
     {"LV11524346230", "LV40003521601", "LV31027639825", "LV29021597919", "LV00127607483",
      "LV01137637887", "LV1611756994A", "LV4000352160"}},
    // LT: 9 digits with second weights, second remainder 10 gives 0; published 12 digits,
    // 12 digits with second weights | check digit (9, 12); first check right but 8th / 11th
    // digit not 1; 10 characters.
    {{"LT119511515", "LT765697114", "LT146177410", "LT100001919017", "LT339312022510"},
     {"LT119511516", "LT030544424", "LT100001919018", "LT359924583409", "LT1195115150"}},
    // ES: companies with digit (A, B, J, U, V), others with letter (N P Q R S W), X Y Z
    // counting 0 1 2, K L M, a person (DNI) | N takes no digit, J no letter (A would pass);
    // person and X with wrong letter; I first; lower case last; letter among the digits;
    // 10 characters.
    {{"ESA13585625", "ESB58378431", "ESJ99216582", "ESU44094340", "ESV94758372", "ESN1905299B",
      "ESP1690581B", "ESQ1588604G", "ESR7758380E", "ESS4827246B", "ESW8753995C", "ESX2482300W",
      "ESX1353786Y", "ESY7057311M", "ESZ0427039A", "ESK7141404L", "ESL1598673N", "ESM1234567L",
      "ES54362315K"},
     {"ESN84357672", "ESJ4117890F", "ES54362315L", "ESX2482300V", "ESI76054741", "ESA1358562a",
      "ESA1358A625", "ESA135856250"}},
    // CZ: 8 digits; 9 digits: born 01.01.1953, woman (month + 50), special 6 numbers with
    // D = 10 giving 9, D = 11 giving 8; 10 digits: published, woman, 29 February 2000 and
    // 1996, year 54 is 1954 | 8 digits beginning 9; 9 digits: year 54 not before 1954,
    // 30 February, month 63 - 50, 13, serial not a number, special check digit wrong (2);
    // 10 digits: not divisible by 11, month 63 - 50, year 53 after 2015, letter; 7 characters.
    {{"CZ25123891", "CZ530101123", "CZ535101123", "CZ640903926", "CZ672780109", "CZ689943268",
      "CZ7103192745", "CZ7153190000", "CZ0002290002", "CZ9602290005", "CZ5401010010"},
     {"CZ92221688", "CZ540101123", "CZ530230123", "CZ536301123", "CZ531302123", "CZ53010112A",
      "CZ640903927", "CZ687382004", "CZ7103192746", "CZ7163190001", "CZ5362310008", "CZ710319274A",
      "CZ2512389"}},
};

TEST(UStIdNrLaender, JederZweig) {
  setzeHeute(boost::gregorian::date(2015, 6, 15));  // two-digit years are read against it
  IFeldtypVordefiniert& verifier = verifierFuer("UStIdNr");
  for (const Land& land : kLaender) {
    for (const auto& wert : land.gueltig) EXPECT_EQ(verifier.verify(wert, nullptr), 0) << wert;
    for (const auto& wert : land.ungueltig) EXPECT_EQ(verifier.verify(wert, nullptr), 905) << wert;
  }
  setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time));
}

// Ten-digit birth numbers: the year is at most today's two digits, or above 53.
// Each number is completed here to a multiple of 11 by its last two digits.
TEST(UStIdNrLaender, TschechienAktuellesJahr) {
  const struct {
    int heute, jahr, code;
  } kFaelle[] = {{2015, 15, 0}, {2015, 16, 905}, {2016, 16, 0}, {2015, 53, 905},
                 {2053, 53, 0}, {2015, 54, 0},   {2015, 0, 0},  {2099, 53, 0}};
  for (const auto& fall : kFaelle) {
    setzeHeute(boost::gregorian::date(fall.heute, 1, 1));
    const long long koerper = fall.jahr * 100000000LL + 1010000;  // born on 1 January
    const long long nummer = koerper + (11 - koerper % 11) % 11;
    char text[32];
    std::snprintf(text, sizeof text, "CZ%010lld", nummer);
    EXPECT_EQ(verifierFuer("UStIdNr").verify(text, nullptr), fall.code)
        << text << " " << fall.heute;
  }
  setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time));
}

}  // namespace
}  // namespace zudadavizu_20_0
