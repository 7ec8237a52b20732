// IBAN, BIC and identification number checks of the service through the loaded module,
// against published samples and check digits computed here.
#include <algorithm>
#include <cctype>
#include <random>
#include <string>

#include "errortexts/Hostcodes.h"
#include "support/IbanBeispiele.h"
#include "tests/checks/DienstTest.h"
#include "tests/verifiers/Iso7064.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace dvtest {
namespace {

class BankUndIdNr : public DienstTest {};

struct Fall {
  std::string wert;
  int code;
  const char* grund;
};

// Remainder mod 97 of the rearranged IBAN, by decimal long division over its digit text.
int rest97(const std::string& iban) {
  int rest = 0;
  for (char c : iban.substr(4) + iban.substr(0, 4)) {
    const int z = std::isdigit(static_cast<unsigned char>(c))
                      ? c - '0'
                      : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
    rest = (rest * (z < 10 ? 10 : 100) + z) % 97;
  }
  return rest;
}

std::string mitPruefziffern(const std::string& land, const std::string& konto) {
  const int pruef = 98 - rest97(land + "00" + konto);
  return land + (pruef < 10 ? "0" : "") + std::to_string(pruef) + konto;
}

TEST_F(BankUndIdNr, IbanJedesLandesUndJedeZiffernaenderung) {
  // MOD 97-10 catches every substitution of one digit; the country patterns only ask for
  // digits there, so the mutation reaches the check-digit step.
  for (const std::string iban : IBAN_BEISPIELE) {
    ASSERT_EQ(rest97(iban), 1) << iban;  // the sample itself is sound
    EXPECT_EQ(dienst().pruefeIBAN(iban), 0) << iban;
    for (std::size_t i = 2; i < iban.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(iban[i]))) continue;
      for (char z = '0'; z <= '9'; ++z) {
        std::string mutiert = iban;
        mutiert[i] = z;
        if (z != iban[i]) {
          ASSERT_EQ(dienst().pruefeIBAN(mutiert), hostcode::kIbanPruefzifferFalsch) << mutiert;
        }
      }
    }
  }
}

TEST_F(BankUndIdNr, IbanSchritteUndGrenzen) {
  const Fall faelle[] = {
      {"", hostcode::kIbanAufbauFalsch, "empty (601)"},
      {"DE8937040044053201300\xE4", hostcode::kIbanAufbauFalsch, "non-ASCII letter"},
      {"D189370400440532013000", hostcode::kIbanAufbauFalsch, "digit in the country code"},
      {mitPruefziffern("DE", std::string(31, '1')), hostcode::kIbanAufbauFalsch, "35 characters"},
      {"de89370400440532013000", hostcode::kIbanLaendercodeUnbekannt,
       "lower-case country code (602)"},
      {mitPruefziffern("RE", "20041010050500013M02606"), hostcode::kIbanLaendercodeUnbekannt,
       "overseas code, no row"},
      {mitPruefziffern("US", "123456789"), hostcode::kIbanLaendercodeUnbekannt,
       "country outside the table"},
      {mitPruefziffern("ZZ", "123456789"), hostcode::kIbanLaendercodeUnbekannt,
       "above the last row"},
      {"DE8937040044053201300", hostcode::kIbanLaenderformatFalsch, "DE one digit short (603)"},
      {"GB82west12345698765432", hostcode::kIbanLaenderformatFalsch,
       "GB bank code must be upper case"},
      {mitPruefziffern("PL", "1234567"), hostcode::kIbanLaenderformatFalsch, "PL 11 characters"},
      {mitPruefziffern("PL", "12345678"), 0, "PL 12 characters"},
      {mitPruefziffern("PL", "123456781234567812345678"), 0, "PL 28 characters"},
      {mitPruefziffern("PL", "1234567812345678123456781"), hostcode::kIbanLaenderformatFalsch,
       "PL 29 characters"},
      {mitPruefziffern("CH", "00762abcdefghijkl"), 0, "CH lower-case letters count 10..35"},
      {"DE98370400440532013000", hostcode::kIbanPruefzifferFalsch, "check digits swapped (604)"},
  };
  for (const Fall& fall : faelle)
    EXPECT_EQ(dienst().pruefeIBAN(fall.wert), fall.code) << fall.grund;
}

TEST_F(BankUndIdNr, BicJedesLandesUndGrenzen) {
  const std::string laender =
      "ATBEBGBLCHCYCZDEDKEEESFIFRGBGFGIGPGRHRHUIEISITLILTLULVMCMFMQMTNLNOPLPMPTREROSESISKYT";
  for (std::size_t i = 0; i < laender.size(); i += 2) {
    EXPECT_EQ(dienst().pruefeBIC("MARK" + laender.substr(i, 2) + "FF"), 0) << i;
    EXPECT_EQ(dienst().pruefeBIC("mark" + laender.substr(i, 2) + "f1X9z"), 0) << i;
  }
  const Fall faelle[] = {
      {"DEUTDEFF5", hostcode::kBicAufbauFalsch, "9 characters (101)"},
      {"DEUTDEF", hostcode::kBicAufbauFalsch, "7 characters"},
      {"DEU1DEFF", hostcode::kBicAufbauFalsch, "digit in the bank code"},
      {"DEUTDEF\xE4", hostcode::kBicAufbauFalsch, "non-ASCII character"},
      {"DEUTdeFF", hostcode::kBicLaendercodeUnbekannt, "lower-case country code (102)"},
      {"DEUTUSFF", hostcode::kBicLaendercodeUnbekannt, "country outside the list"},
      {"DEUTZZFF", hostcode::kBicLaendercodeUnbekannt, "above the last code"},
      {"DEUTBMFF", hostcode::kBicLaendercodeUnbekannt, "between BL and CH"},
  };
  for (const Fall& fall : faelle) EXPECT_EQ(dienst().pruefeBIC(fall.wert), fall.code) << fall.grund;
}

TEST_F(BankUndIdNr, IdNummerCodesInIhrerReihenfolge) {
  // The generated numbers below reach 702, 704 and test numbers; these the other steps.
  const Fall faelle[] = {
      {"", hostcode::kIdNrLaengeFalsch, "empty (703)"},
      {"86095a4271", hostcode::kIdNrLaengeFalsch, "ten characters with a letter: length first"},
      {"860957427190", hostcode::kIdNrLaengeFalsch, "twelve digits"},
      {"8609574271x", hostcode::kIdNrNichtNumerisch, "letter (701)"},
      {"-8609574271", hostcode::kIdNrNichtNumerisch, "sign"},
      {"01234567890", hostcode::kIdNrWiederholungFalsch, "ten different digits (702)"},
      // p runs 4, 3, 3, 5, 2, 7, 10, 7, 5, 1; 11 - 1 = 10 becomes 0.
      {"23456789110", 0, "check digit 10 becomes 0"},
  };
  for (const Fall& fall : faelle) {
    EXPECT_EQ(dienst().pruefeIdNummer(fall.wert, false), fall.code) << fall.grund;
    EXPECT_EQ(dienst().pruefeIdNummer(fall.wert, true), fall.code) << fall.grund;
  }
}

TEST_F(BankUndIdNr, GenerierteIdNummernTestnummernUndJedeZiffernaenderung) {
  // Nine different digits, one of them twice, shuffled; a leading 0 marks a test number,
  // which passes only when test numbers are allowed.
  std::mt19937 zufall(1107);
  for (int n = 0; n < 200; ++n) {
    std::string ziffern = "0123456789";
    std::shuffle(ziffern.begin(), ziffern.end(), zufall);
    ziffern[9] = ziffern[static_cast<std::size_t>(n % 9)];
    std::shuffle(ziffern.begin(), ziffern.end(), zufall);
    const std::string nummer = mitIso7064(ziffern);
    ASSERT_EQ(dienst().pruefeIdNummer(nummer, false),
              nummer[0] == '0' ? hostcode::kIdNrBeginntMitNull : 0)
        << nummer;
    ASSERT_EQ(dienst().pruefeIdNummer(nummer, true), 0) << nummer;
    for (std::size_t i = 0; i < 11; ++i) {
      for (char z = '0'; z <= '9'; ++z) {
        if (z == nummer[i]) continue;
        std::string mutiert = nummer;
        mutiert[i] = z;
        int paare = 0;
        for (int a = 0; a < 10; ++a) {
          for (int b = a + 1; b < 10; ++b) paare += mutiert[a] == mutiert[b];
        }
        // A test number with a wrong check digit is an ordinary failure either way.
        ASSERT_EQ(dienst().pruefeIdNummer(mutiert, n % 2 == 0),
                  paare == 1 ? hostcode::kIdNrPruefzifferFalsch : hostcode::kIdNrWiederholungFalsch)
            << mutiert;
      }
    }
  }
}

}  // namespace
}  // namespace dvtest
