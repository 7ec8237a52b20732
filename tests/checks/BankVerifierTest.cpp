// IBAN and BIC verifiers on their own, against published samples and check digits
// computed here by long division.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "verifiers/IFeldtypVordefiniert.h"

namespace zudadavizu_20_0 {
namespace {

int pruefeIban(const std::string& iban) { return verifierFuer("IBAN").verify(iban, nullptr); }
int pruefeBic(const std::string& bic) { return verifierFuer("BIC").verify(bic, nullptr); }

// Remainder mod 97 of the rearranged IBAN, by decimal long division over its digit text.
int rest97(const std::string& iban) {
  std::string umgestellt = iban.substr(4) + iban.substr(0, 4), ziffern;
  for (char c : umgestellt) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      ziffern += c;
    } else {
      ziffern += std::to_string(std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
    }
  }
  int rest = 0;
  for (char z : ziffern) rest = (rest * 10 + (z - '0')) % 97;
  return rest;
}

// Country, "00" as check digits and the account part: the IBAN with correct check digits.
std::string mitPruefziffern(const std::string& land, const std::string& konto) {
  int pruef = 98 - rest97(land + "00" + konto);
  return land + (pruef < 10 ? "0" : "") + std::to_string(pruef) + konto;
}

// The example IBAN of every table country as published in the national IBAN formats.
const char* const BEISPIELE[] = {
    "AT611904300234573201",         "BE68539007547034",
    "BG80BNBG96611020345678",       "CH9300762011623852957",
    "CY17002001280000001200527600", "CZ6508000000192000145399",
    "DE89370400440532013000",       "DK5000400440116243",
    "EE382200221020145685",         "ES9121000418450200051332",
    "FI2112345600000785",           "FR1420041010050500013M02606",
    "GB82WEST12345698765432",       "GI75NWBK000000007099453",
    "GR1601101250000000012300695",  "HR1210010051863000160",
    "HU42117730161111101800000000", "IE29AIBK93115212345678",
    "IS140159260076545510730339",   "IT60X0542811101000000123456",
    "LI21088100002324013AA",        "LT121000011101001000",
    "LU280019400644750000",         "LV80BANK0000435195001",
    "MC5811222000010123456789030",  "MT84MALT011000012345MTLCAST001S",
    "NL91ABNA0417164300",           "NO9386011117947",
    "PL61109010140000071219812874", "PT50000201231234567890154",
    "RO49AAAA1B31007593840000",     "SE4550000000058398257466",
    "SI56263300012039086",          "SK3112000000198742637541",
};

TEST(IBANVerifier, PublishedSampleOfEveryCountryPasses) {
  for (const char* iban : BEISPIELE) {
    EXPECT_EQ(rest97(iban), 1) << iban;  // the sample itself is sound
    EXPECT_EQ(pruefeIban(iban), 0) << iban;
  }
}

TEST(IBANVerifier, EverySingleDigitChangeFailsTheCheck) {
  // MOD 97-10 catches every substitution of one digit; the country patterns only ask for
  // digits there, so the mutation reaches step 5.
  for (const char* beispiel : BEISPIELE) {
    const std::string iban = beispiel;
    for (std::size_t i = 2; i < iban.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(iban[i]))) continue;
      for (char z = '0'; z <= '9'; ++z) {
        if (z == iban[i]) continue;
        std::string mutiert = iban;
        mutiert[i] = z;
        ASSERT_EQ(pruefeIban(mutiert), 604) << mutiert;
      }
    }
  }
}

TEST(IBANVerifier, RandomAccountsWithComputedCheckDigits) {
  std::mt19937 zufall(4711);
  std::uniform_int_distribution<int> ziffer(0, 9);
  for (int n = 0; n < 500; ++n) {
    std::string konto;
    for (int i = 0; i < 18; ++i) konto += static_cast<char>('0' + ziffer(zufall));
    std::string iban = mitPruefziffern("DE", konto);
    ASSERT_EQ(pruefeIban(iban), 0) << iban;
    std::string falsch = iban;
    falsch[2] = falsch[2] == '9' ? '0' : static_cast<char>(falsch[2] + 1);
    ASSERT_EQ(pruefeIban(falsch), 604) << falsch;
  }
}

struct Fall {
  std::string iban;
  int code;
  const char* grund;
};

TEST(IBANVerifier, StepsAndBoundaries) {
  const Fall faelle[] = {
      {"", 601, "empty"},
      {"DE89", 601, "no account part"},
      {"DE89 3704 0044 0532 0130 00", 601, "blanks"},
      {"DE8937040044053201300\xE4", 601, "non-ASCII letter"},
      {"D189370400440532013000", 601, "digit in the country code"},
      {"DEX9370400440532013000", 601, "letter in the check digits"},
      {"DE89-370400440532013000", 601, "hyphen"},
      {mitPruefziffern("DE", std::string(31, '1')), 601, "35 characters"},
      {"de89370400440532013000", 602, "lower-case country code"},
      {"De89370400440532013000", 602, "mixed-case country code"},
      {mitPruefziffern("RE", "20041010050500013M02606"), 602, "overseas code, no row"},
      {mitPruefziffern("US", "123456789"), 602, "country outside the table"},
      {mitPruefziffern("AA", "123456789"), 602, "below the first row"},
      {mitPruefziffern("ZZ", "123456789"), 602, "above the last row"},
      {"DE8937040044053201300", 603, "DE one digit short"},
      {"DE893704004405320130001", 603, "DE one digit long"},
      {"GB82west12345698765432", 603, "GB bank code must be upper case"},
      {mitPruefziffern("PL", "1234567"), 603, "PL 11 characters"},
      {mitPruefziffern("PL", "12345678"), 0, "PL 12 characters"},
      {mitPruefziffern("PL", "123456781234567812345678"), 0, "PL 28 characters"},
      {mitPruefziffern("PL", "1234567812345678123456781"), 603, "PL 29 characters"},
      {mitPruefziffern("CH", "00762011623852957"), 0, "CH all digits"},
      {mitPruefziffern("CH", "00762abcdefghijkl"), 0, "CH lower-case letters count 10..35"},
      {mitPruefziffern("FR", "2004101005050001"), 603, "FR too short"},
      {"GB82WEST12345698765433", 604, "last digit changed"},
      {"DE98370400440532013000", 604, "check digits swapped"},
      {"DE00370400440532013000", 604, "check digits 00"},
      {"DE99370400440532013000", 604, "check digits 99"},
  };
  for (const Fall& fall : faelle) EXPECT_EQ(pruefeIban(fall.iban), fall.code) << fall.grund;
}

TEST(IBANVerifier, ConversionsAreIdentity) {
  auto& v = verifierFuer("IBAN");
  EXPECT_EQ(v.convert("de89 x", nullptr), KonvertierungsErgebnis("de89 x", ""));
  EXPECT_EQ(v.convertBack("", nullptr), KonvertierungsErgebnis("", ""));
}

const char* const BIC_LAENDER[] = {"AT", "BE", "BG", "BL", "CH", "CY", "CZ", "DE", "DK", "EE", "ES",
                                   "FI", "FR", "GB", "GF", "GI", "GP", "GR", "HR", "HU", "IE", "IS",
                                   "IT", "LI", "LT", "LU", "LV", "MC", "MF", "MQ", "MT", "NL", "NO",
                                   "PL", "PM", "PT", "RE", "RO", "SE", "SI", "SK", "YT"};

TEST(BICVerifier, EveryListedCountryPassesInBothLengths) {
  for (const char* land : BIC_LAENDER) {
    EXPECT_EQ(pruefeBic(std::string("MARK") + land + "FF"), 0) << land;
    EXPECT_EQ(pruefeBic(std::string("mark") + land + "f1X9z"), 0) << land;
  }
}

TEST(BICVerifier, ShapeAndCountryBoundaries) {
  const Fall faelle[] = {
      {"DEUTDEFF", 0, "8 characters"},
      {"DEUTDEFF500", 0, "11 characters"},
      {"DEUTDEFF5", 101, "9 characters"},
      {"DEUTDEFF50", 101, "10 characters"},
      {"DEUTDEFF5000", 101, "12 characters"},
      {"DEUTDEF", 101, "7 characters"},
      {"", 101, "empty"},
      {"DEU1DEFF", 101, "digit in the bank code"},
      {"DEUTD1FF", 101, "digit in the country code"},
      {"DEUT DEFF", 101, "blank"},
      {"DEUTDEF\xE4", 101, "non-ASCII character"},
      {"DEUTdeFF", 102, "lower-case country code"},
      {"DEUTUSFF", 102, "country outside the list"},
      {"DEUTAAFF", 102, "below the first code"},
      {"DEUTZZFF", 102, "above the last code"},
      {"DEUTBMFF", 102, "between BL and CH"},
      {"BNPARERE", 0, "overseas code RE"},
      {"BNPAYTYT", 0, "overseas code YT, the last"},
  };
  for (const Fall& fall : faelle) EXPECT_EQ(pruefeBic(fall.iban), fall.code) << fall.grund;
}

}  // namespace
}  // namespace zudadavizu_20_0
