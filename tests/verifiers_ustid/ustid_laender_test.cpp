// Country rules branch by branch. Sources of the expected values: "Muster" = a published
// sample number; "Hand" = worked out by hand from the country's rule (bodies were chosen so
// that exactly the named branch decides).
#include <gtest/gtest.h>

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <string>

#include "rules/Heute.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

struct Fall {
  const char* wert;
  int erwartet;
  const char* warum;
};

// Two-digit years are read relative to this date.
class UStIdNrLaender : public ::testing::Test {
 protected:
  void SetUp() override { setzeHeute(boost::gregorian::date(2015, 6, 15)); }
  void TearDown() override {
    setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time));
  }

  static void pruefe(const std::vector<Fall>& faelle) {
    IFeldtypVordefiniert& verifier = verifierFuer("UStIdNr");
    for (const Fall& fall : faelle) {
      EXPECT_EQ(fall.erwartet, verifier.verify(fall.wert, nullptr))
          << fall.wert << ": " << fall.warum;
    }
  }
};

TEST_F(UStIdNrLaender, SimpleChecksumCountries) {
  pruefe({
      {"ATU13585627", 0, "Muster"},
      {"ATU10223006", 0, "Muster"},
      {"ATU13585628", 905, "Hand: check digit"},
      {"ATX13585627", 905, "Hand: no U"},
      {"ATU1358562", 905, "Hand: 8 characters"},
      {"ATU135856270", 905, "Hand: 10 characters"},
      {"DE136695976", 0, "Muster"},
      {"DE136695977", 905, "Hand: check digit"},
      {"DE002746864", 905, "Hand: check digit right, leading 0"},
      {"DE13669597A", 905, "Hand: letter as check digit"},
      {"DK13585628", 0, "Muster"},
      {"DK88146328", 0, "Muster"},
      {"DK13585629", 905, "Hand: sum not divisible by 11"},
      {"DK01969404", 905, "Hand: sum divisible by 11, leading 0"},
      {"DK135856280", 905, "Hand: 9 characters"},
      {"EE100931558", 0, "Muster"},
      {"EE100594102", 0, "Muster"},
      {"EE100931559", 905, "Hand: check digit"},
      {"EE209398979", 905, "Hand: check right, begins 20"},
      {"EE117242719", 905, "Hand: check right, begins 11"},
      {"FI20774740", 0, "Muster"},
      {"FI09853608", 0, "Muster"},
      {"FI20774741", 905, "Hand: check digit"},
      {"FI43952490", 0, "Hand: remainder 0, c = 11 counts as 0"},
      {"FI44718416", 905, "Hand: remainder 1, c = 10 has no digit"},
      {"EL094259216", 0, "Muster"},
      {"EL094259217", 905, "Hand: check digit"},
      {"EL421350120", 0, "Hand: remainder 10 gives 0"},
      {"EL42135012", 905, "Hand: 8 characters"},
      {"IE6433435F", 0, "Muster"},
      {"IE9598665W", 0, "Hand: remainder 0 is W"},
      {"IE3755246V", 0, "Hand: remainder 22 is V"},
      {"IE6433435G", 905, "Hand: wrong letter"},
      {"IE6433435X", 905, "Hand: X is never a check letter"},
      {"IE64334356", 905, "Hand: digit instead of a letter"},
      {"IE6433435f", 905, "Hand: lower-case letter"},
      {"IE8D79739I", 905, "Muster of the older form; the rule reads the D as -1"},
      {"HU12892312", 0, "Muster"},
      {"HU21376414", 0, "Muster"},
      {"HU12892313", 905, "Hand: check digit"},
      {"HR33392005961", 0, "Muster"},
      {"HR09626635034", 0, "Hand: leading 0 allowed, unlike DE"},
      {"HR33392005962", 905, "Hand: check digit"},
      {"LU15027442", 0, "Muster"},
      {"LU15027443", 905, "Hand: remainder differs"},
      {"LU1502744A", 905, "Hand: check part not a number"},
      {"LU150274420", 905, "Hand: 9 characters"},
      {"PL8567346215", 0, "Muster"},
      {"PL5260001246", 0, "Muster"},
      {"PL8567346216", 905, "Hand: check digit"},
      {"PL5580587452", 905, "Hand: remainder 10 has no digit"},
      {"PT501964843", 0, "Muster"},
      {"PT502757191", 0, "Muster"},
      {"PT501964844", 905, "Hand: check digit"},
      {"PT153840650", 0, "Hand: c = 10 counts as 0"},
      {"PT559398670", 0, "Hand: c = 11 counts as 0"},
      {"CY10259033P", 0, "Muster"},
      {"CY00532445O", 0, "Muster"},
      {"CY10259033Q", 905, "Hand: check letter"},
      {"CY10259033p", 905, "Hand: lower-case check letter"},
      {"CY12000000F", 905, "Hand: letter right but begins 12"},
      {"CY1025903P", 905, "Hand: 8 characters"},
  });
}

TEST_F(UStIdNrLaender, RangesAndFixedCharacters) {
  pruefe({
      {"IT00743110157", 0, "Muster"},
      {"IT01114601006", 0, "Muster"},
      {"IT00743110158", 905, "Hand: Luhn check digit"},
      {"IT12345670009", 905, "Hand: office 000"},
      {"IT12345670017", 0, "Hand: office 001"},
      {"IT12345671007", 0, "Hand: office 100"},
      {"IT12345671015", 905, "Hand: office 101"},
      {"IT12345671197", 905, "Hand: office 119"},
      {"IT12345671205", 0, "Hand: office 120"},
      {"IT12345671213", 0, "Hand: office 121"},
      {"IT12345671221", 905, "Hand: office 122"},
      {"IT12345678887", 0, "Hand: office 888"},
      {"IT12345679992", 0, "Hand: office 999"},
      {"MT11679112", 0, "Muster"},
      {"MT15121333", 0, "Muster"},
      {"MT11679113", 905, "Hand: check number"},
      {"MT10000125", 0, "Hand: 100001 is the smallest body"},
      {"MT10000034", 905, "Hand: check right, body 100000"},
      {"NL004495445B01", 0, "Muster"},
      {"NL123456782B90", 0, "Muster"},
      {"NL004495446B01", 905, "Hand: check digit"},
      {"NL004495445C01", 905, "Hand: no B"},
      {"NL004495445B00", 905, "Hand: branch 00"},
      {"NL004495445B0A", 905, "Hand: branch not a number"},
      {"NL804466187B01", 905, "Hand: remainder 10 has no digit"},
      {"SE123456789701", 0, "Muster"},
      {"SE556188840401", 0, "Muster"},
      {"SE556188840494", 0, "Hand: suffix 94"},
      {"SE556188840495", 905, "Hand: suffix 95"},
      {"SE556188840400", 905, "Hand: suffix 00"},
      {"SE556188840501", 905, "Hand: Luhn check digit"},
      {"SK2022749619", 0, "Muster"},
      {"SK4030000007", 0, "Muster"},
      {"SK2022749610", 905, "Hand: not divisible by 11"},
      {"SK6359595726", 905, "Hand: divisible by 11, third digit 5"},
      {"SK6863111255", 905, "Hand: divisible by 11, third digit 6"},
      {"SK0028163542", 905, "Hand: divisible by 11, below 1000000000"},
      {"SK202274961A", 905, "Hand: letter"},
      {"SI50223054", 0, "Muster"},
      {"SI15012557", 0, "Muster"},
      {"SI50223055", 905, "Hand: check digit"},
      {"SI00043222", 905, "Hand: check right, leading 0"},
      {"SI33978840", 905, "Hand: c = 11"},
      {"SI28539460", 0, "Hand: c = 10 with last digit 0"},
      {"SI31939971", 905, "Hand: c = 10 with last digit 1"},
      {"RO18547290", 0, "Muster"},
      {"RO11198699", 0, "Muster"},
      {"RO46148", 0, "Hand: 5 digits padded to 0000046148"},
      {"RO18082470", 0, "Hand: c = 10 counts as 0"},
      {"RO18547291", 905, "Hand: check digit"},
      {"RO46149", 905, "Hand: check digit of the padded number"},
      {"RO185472900", 905, "Hand: 9 digits; the check digit is read from the end"},
      {"RO18547290123", 905,
       "Hand: 11 characters: the verifier passes it on, the rule stops at 10"},
      {"RO1854729012345", 904, "Hand: 13 characters is over the general limit"},
      {"RO1234", 903, "Hand: 4 characters"},
  });
}

TEST_F(UStIdNrLaender, Belgium) {
  pruefe({
      {"BE0776091951", 0, "Muster"},
      {"BE0428759497", 0, "Muster"},
      {"BE0776091952", 905, "Hand: check number"},
      {"BE837431187", 0, "Hand: 9 digits, old notation"},
      {"BE109235658", 905, "Hand: 9 digits, check right, first digit 1"},
      {"BE221470497", 0, "Hand: 9 digits, body divisible by 97 needs 97"},
      {"BE0520385697", 0, "Hand: 10 digits, body divisible by 97 needs 97"},
      {"BE0520385600", 905, "Hand: 00 is never a check number"},
      {"BE1689308547", 905, "Hand: 10 digits, check right, first digit 1"},
      {"BE0001611980", 905, "Hand: 10 digits, check right, second digit 0"},
      {"BE07760919A1", 905, "Hand: check part not a number"},
      {"BE07760919511", 905, "Hand: 11 characters"},
  });
}

TEST_F(UStIdNrLaender, GreatBritain) {
  pruefe({
      {"GB980780684", 0, "Muster"},
      {"GB802311782", 0, "Muster"},
      {"GB980780685", 905, "Hand: check digits"},
      {"GBGD001", 0, "Hand: government department"},
      {"GBGD499", 0, "Hand: highest government number"},
      {"GBGD500", 905, "Hand: government numbers stop at 499"},
      {"GBHA500", 0, "Hand: lowest health authority number"},
      {"GBHA999", 0, "Hand: highest health authority number"},
      {"GBHA499", 905, "Hand: health authorities start at 500"},
      {"GBXY001", 905, "Hand: neither GD nor HA"},
      {"GBGD0A1", 905, "Hand: not a number"},
      {"GB980780684001", 0, "Hand: branch 001"},
      {"GB980780684000", 905, "Hand: branch 000"},
      {"GB98078068400A", 905, "Hand: branch not a number"},
      {"GB000000000", 905, "Hand: all zeros (sum 0 would pass the old rule)"},
      {"GB98078068A", 905, "Hand: letter"},
      {"GB9807806840", 905, "Hand: 10 characters"},
      // Old rule (sum divisible by 97) with its excluded ranges of the first seven digits k.
      {"GB009999914", 0, "Hand: old rule, k = 99999"},
      {"GB004464311", 0, "Hand: old rule, k = 44643"},
      {"GB010000090", 905, "Hand: old rule, k = 100000"},
      {"GB015055613", 905, "Hand: old rule, k = 150556"},
      {"GB099999948", 905, "Hand: old rule, k = 999999"},
      {"GB100000089", 0, "Hand: old rule, k = 1000000"},
      {"GB948999917", 0, "Hand: old rule, k = 9489999"},
      {"GB949000138", 905, "Hand: old rule, k = 9490001"},
      {"GB970000073", 905, "Hand: old rule, k = 9700000"},
      {"GB970000171", 0, "Hand: old rule, k = 9700001"},
      {"GB999000005", 0, "Hand: old rule, k = 9990000"},
      {"GB999000103", 905, "Hand: old rule, k = 9990001"},
      {"GB999999875", 905, "Hand: old rule, k = 9999998"},
      {"GB999999973", 905, "Hand: old rule, k = 9999999"},
      // New rule (sum + 55 divisible by 97).
      {"GB000000042", 0, "Hand: new rule, k = 0"},
      {"GB000000140", 905, "Hand: new rule, k = 1"},
      {"GB100000034", 905, "Hand: new rule, k = 1000000"},
      {"GB100000132", 0, "Hand: new rule, k = 1000001"},
  });
}

TEST_F(UStIdNrLaender, Bulgaria) {
  pruefe({
      {"BG175074752", 0, "Muster: 9 digits, first weights"},
      {"BG175074753", 905, "Hand: check digit"},
      {"BG881573298", 0, "Hand: first remainder 10, second weights"},
      {"BG461061040", 0, "Hand: both remainders 10, check 0"},
      {"BG7523169263", 0, "Muster: person"},
      {"BG8032056031", 0, "Muster: person"},
      {"BG8202221912", 0, "Hand: person only, plain month"},
      {"BG7025188578", 0, "Hand: person only, month + 20"},
      {"BG6547026514", 0, "Hand: person only, month + 40"},
      {"BG3002378309", 905, "Hand: person check right, 37 February"},
      {"BG0813341687", 905, "Hand: person check right, month 13"},
      {"BG1147869406", 0, "Hand: foreigner only"},
      {"BG6356078738", 0, "Hand: other only"},
      {"BG4212932790", 0, "Hand: other only, c = 11 counts as 0"},
      {"BG9388115600", 905, "Hand: other with c = 10, which has no digit"},
      {"BG0472372463", 905, "Hand: all three fail"},
      {"BG17507475", 905, "Hand: 8 characters"},
  });
}

TEST_F(UStIdNrLaender, France) {
  pruefe({
      {"FR40303265045", 0, "Muster: digit key"},
      {"FR23334175221", 0, "Muster: digit key"},
      {"FR41303265045", 905, "Hand: digit key differs"},
      {"FRK7399859412", 0, "Muster: letter and digit"},
      {"FR4Z123456782", 0, "Muster: digit and letter"},
      {"FRWJ142528578", 0, "Hand: two letters"},
      {"FRC6097540981", 0, "Hand: letter and digit"},
      {"FR5D410997335", 0, "Hand: digit and letter"},
      {"FRK7399859413", 905, "Hand: letter key, number changed"},
      {"FRIF651064838", 905, "Hand: I is not a key character (JF would pass)"},
      {"FR1O560914772", 905, "Hand: O is not a key character (1P would pass)"},
      {"FRk7399859412", 905, "Hand: lower-case key"},
      {"FR4Z12345678A", 905, "Hand: company number not a number"},
      {"FR4030326504", 905, "Hand: 10 characters"},
  });
}

TEST_F(UStIdNrLaender, LatviaAndLithuania) {
  pruefe({
      {"LV40003521600", 0, "Muster: legal person"},
      {"LV56102470973", 0, "Hand: legal person, check 3 - R (date 56.10. invalid)"},
      {"LV62638623679", 0, "Hand: legal person, check 14 - R (date 62.63. invalid)"},
      {"LV11524346230", 905, "Hand: R = 4 never passes, date 11.52. invalid"},
      {"LV40003521601", 905, "Hand: legal check wrong, date 40.00. invalid"},
      {"LV16117519997", 0, "Muster: natural person born 16.11.75"},
      {"LV31027639825", 905, "Hand: natural person, 31 February"},
      {"LV29021597919", 905, "Hand: natural person, 29 February of 2015"},
      {"LV00127607483", 905, "Hand: natural person, day 00"},
      {"LV01137637887", 905, "Hand: natural person, month 13"},
      {"LV1611756994A", 905, "Hand: natural person, serial not a number"},
      {"LV4000352160", 905, "Hand: 10 characters"},
      {"LT119511515", 0, "Muster: 9 digits"},
      {"LT119511516", 905, "Hand: check digit"},
      {"LT765697114", 0, "Hand: 9 digits, second weights"},
      {"LT146177410", 0, "Hand: 9 digits, second remainder 10 gives 0"},
      {"LT030544424", 905, "Hand: first check right, 8th digit not 1"},
      {"LT100001919017", 0, "Muster: 12 digits"},
      {"LT100004801610", 0, "Muster: 12 digits"},
      {"LT100001919018", 905, "Hand: check digit"},
      {"LT339312022510", 0, "Hand: 12 digits, second weights"},
      {"LT359924583409", 905, "Hand: first check right, 11th digit not 1"},
      {"LT1195115150", 905, "Hand: 10 characters"},
  });
}

TEST_F(UStIdNrLaender, Spain) {
  pruefe({
      {"ESA13585625", 0, "Muster: company, digit"},
      {"ESB58378431", 0, "Muster: company, digit"},
      {"ESA13585626", 905, "Hand: company, digit wrong"},
      {"ESJ99216582", 0, "Muster: J with digit"},
      {"ESU44094340", 0, "Hand: U with digit"},
      {"ESV94758372", 0, "Hand: V with digit"},
      {"ESN84357672", 905, "Hand: N takes no digit (A would pass)"},
      {"ESN1905299B", 0, "Hand: N with letter"},
      {"ESP1690581B", 0, "Hand: P with letter"},
      {"ESQ1588604G", 0, "Hand: Q with letter"},
      {"ESR7758380E", 0, "Hand: R with letter"},
      {"ESS4827246B", 0, "Hand: S with letter"},
      {"ESW8753995C", 0, "Hand: W with letter"},
      {"ESJ4117890F", 905, "Hand: J takes no letter (A would pass)"},
      {"ESX2482300W", 0, "Muster: X"},
      {"ESX1353786Y", 0, "Hand: X"},
      {"ESY7057311M", 0, "Hand: Y counts as 1"},
      {"ESZ0427039A", 0, "Hand: Z counts as 2"},
      {"ESK7141404L", 0, "Hand: K"},
      {"ESL1598673N", 0, "Hand: L"},
      {"ESM1234567L", 0, "Muster: M"},
      {"ES54362315K", 0, "Muster: person with DNI digits"},
      {"ES54362315L", 905, "Hand: person, wrong letter"},
      {"ESX2482300V", 905, "Hand: X, wrong letter"},
      {"ESI76054741", 905, "Hand: I as first character (A would pass)"},
      {"ESA1358562a", 905, "Hand: lower-case last character"},
      {"ESA1358A625", 905, "Hand: letter among the seven digits"},
      {"ESA135856250", 905, "Hand: 10 characters"},
  });
}

TEST_F(UStIdNrLaender, CzechRepublic) {
  pruefe({
      {"CZ25123891", 0, "Muster: legal person"},
      {"CZ25123892", 905, "Hand: check digit"},
      {"CZ92221688", 905, "Hand: check right, begins 9"},
      {"CZ530101123", 0, "Hand: person born 01.01.1953"},
      {"CZ535101123", 0, "Hand: woman, month + 50"},
      {"CZ540101123", 905, "Hand: year 54 is not before 1954"},
      {"CZ530230123", 905, "Hand: 30 February"},
      {"CZ536301123", 905, "Hand: month 63 - 50 = 13"},
      {"CZ531302123", 905, "Hand: month 13 - 50"},
      {"CZ53010112A", 905, "Hand: serial not a number"},
      {"CZ640903926", 0, "Muster: special 6 number"},
      {"CZ640903927", 905, "Hand: special check digit"},
      {"CZ672780109", 0, "Hand: special, D = 10 gives 9"},
      {"CZ689943268", 0, "Hand: special, D = 11 gives 8"},
      {"CZ687382004", 905, "Hand: special, check wrong"},
      {"CZ7103192745", 0, "Muster: birth number"},
      {"CZ7103192746", 905, "Hand: not divisible by 11"},
      {"CZ7153190000", 0, "Hand: woman, month + 50"},
      {"CZ7163190001", 905, "Hand: month 63 - 50 = 13"},
      {"CZ0002290002", 0, "Hand: 29 February 2000"},
      {"CZ9602290005", 0, "Hand: 29 February 1996"},
      {"CZ5401010010", 0, "Hand: year 54 is 1954"},
      {"CZ5362310008", 905, "Hand: year 53 is after 2015"},
      {"CZ710319274A", 905, "Hand: letter"},
      {"CZ2512389", 905, "Hand: 7 characters"},
  });
}

// The ten-digit birth numbers' years: at most the current year's two digits, or above 53.
// The numbers are completed here to a multiple of 11 by trying the last two digits.
TEST(UStIdNrTschechien, CurrentYearRule) {
  struct Jahrfall {
    int heute;
    int jahr;
    int erwartet;
  };
  const Jahrfall faelle[] = {
      {2015, 15, 0}, {2015, 16, 905}, {2016, 16, 0}, {2015, 53, 905},
      {2053, 53, 0}, {2015, 54, 0},   {2015, 0, 0},  {2099, 53, 0},
  };
  IFeldtypVordefiniert& verifier = verifierFuer("UStIdNr");
  for (const Jahrfall& fall : faelle) {
    setzeHeute(boost::gregorian::date(fall.heute, 1, 1));
    std::string koerper = (fall.jahr < 10 ? "0" : "") + std::to_string(fall.jahr) + "010100";
    std::string nummer;
    for (int ende = 0; ende < 100 && nummer.empty(); ++ende) {
      const std::string kandidat = koerper + (ende < 10 ? "0" : "") + std::to_string(ende);
      if (std::stoll(kandidat) % 11 == 0) nummer = kandidat;
    }
    EXPECT_EQ(fall.erwartet, verifier.verify("CZ" + nummer, nullptr))
        << nummer << " today " << fall.heute;
  }
  setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time));
}

}  // namespace
}  // namespace zudadavizu_20_0
