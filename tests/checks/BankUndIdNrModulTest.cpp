// IBAN, BIC and identification number checks of the service through the loaded module.
#include <algorithm>
#include <random>
#include <thread>

#include "support/ModulTest.h"

namespace dvtest {
namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

class BankUndIdNr : public ModulTest {
 protected:
  void SetUp() override {
    ModulTest::SetUp();
    dienst_ = modul().finanzamtsdatenService();
  }
  void TearDown() override { dienst_.reset(); }
  Dienst& dienst() { return *dienst_; }

 private:
  std::unique_ptr<Dienst> dienst_;
};

struct Fall {
  std::string wert;
  int code;
  const char* grund;
};

TEST_F(BankUndIdNr, IbanCodes) {
  const Fall faelle[] = {
      {"DE89370400440532013000", 0, "published sample"},
      {"GB82WEST12345698765432", 0, "published sample with letters"},
      {"PL61109010140000071219812874", 0, "PL 28 characters, published sample"},
      {"DE89 3704 0044 0532 0130 00", 610001501, "blanks (601)"},
      {"DE89", 610001501, "no account part (601)"},
      {"de89370400440532013000", 610001502, "lower case (602)"},
      {"RE89370400440532013000", 610001502, "overseas code (602)"},
      {"DE8937040044053201300", 610001503, "DE too short (603)"},
      {"DE88370400440532013000", 610001504, "check digits (604)"},
  };
  for (const Fall& fall : faelle)
    EXPECT_EQ(dienst().pruefeIBAN(fall.wert), fall.code) << fall.grund;
}

TEST_F(BankUndIdNr, BicCodes) {
  const Fall faelle[] = {
      {"DEUTDEFF", 0, "8 characters"},
      {"DEUTDEFF500", 0, "11 characters"},
      {"BNPARERE", 0, "overseas code RE"},
      {"DEUTDEFF5", 610001510, "9 characters (101)"},
      {"DEUTDEFF50", 610001510, "10 (101)"},
      {"DEUT1EFF", 610001510, "digit (101)"},
      {"DEUTdeFF", 610001511, "lower case country (102)"},
      {"DEUTUSFF", 610001511, "country outside the list (102)"},
  };
  for (const Fall& fall : faelle) EXPECT_EQ(dienst().pruefeBIC(fall.wert), fall.code) << fall.grund;
}

// ISO 7064 MOD 11,10 verification form: the running sum ends at 1 after the check digit.
std::string mitPruefziffer(const std::string& zehn) {
  for (char c = '0'; c <= '9'; ++c) {
    int p = 10, s = 0;
    for (char z : zehn + c) {
      s = (z - '0' + p) % 10;
      p = (2 * (s == 0 ? 10 : s)) % 11;
    }
    if (s == 1) return zehn + c;
  }
  return {};
}

TEST_F(BankUndIdNr, IdNummerCodesAndTestNumbers) {
  const Fall faelle[] = {
      {"86095742719", 0, "valid"},
      {"8609574271", 610001520, "ten digits (703)"},
      {"860957427190", 610001520, "twelve digits (703)"},
      {"8609574271x", 610001521, "letter (701)"},
      {"11123456789", 610001522, "digit three times (702)"},
      {"86095742710", 610001524, "check digit (704)"},
  };
  for (const Fall& fall : faelle) {
    EXPECT_EQ(dienst().pruefeIdNummer(fall.wert, false), fall.code) << fall.grund;
    EXPECT_EQ(dienst().pruefeIdNummer(fall.wert, true), fall.code) << fall.grund;
  }
  const std::string test = mitPruefziffer("0234567890");
  EXPECT_EQ(dienst().pruefeIdNummer(test, true), 0);
  EXPECT_EQ(dienst().pruefeIdNummer(test, false), 610001523);
  // A leading 0 with a wrong check digit is an ordinary failure either way.
  std::string falsch = test;
  falsch[10] = falsch[10] == '9' ? '0' : static_cast<char>(falsch[10] + 1);
  EXPECT_EQ(dienst().pruefeIdNummer(falsch, true), 610001524);
  EXPECT_EQ(dienst().pruefeIdNummer(falsch, false), 610001524);
}

TEST_F(BankUndIdNr, GeneratedIdNummernAndTheirMutations) {
  std::mt19937 zufall(1107);
  for (int n = 0; n < 200; ++n) {
    std::string ziffern = "0123456789";
    std::shuffle(ziffern.begin(), ziffern.end(), zufall);
    ziffern[9] = ziffern[static_cast<std::size_t>(n % 9)];
    std::shuffle(ziffern.begin(), ziffern.end(), zufall);
    const std::string nummer = mitPruefziffer(ziffern);
    const bool test = nummer[0] == '0';
    ASSERT_EQ(dienst().pruefeIdNummer(nummer, false), test ? 610001523 : 0) << nummer;
    ASSERT_EQ(dienst().pruefeIdNummer(nummer, true), 0) << nummer;
    for (std::size_t i = 0; i < 11; ++i) {
      for (char z = '0'; z <= '9'; ++z) {
        if (z == nummer[i]) continue;
        std::string mutiert = nummer;
        mutiert[i] = z;
        int paare = 0;
        for (int a = 0; a < 10; ++a)
          for (int b = a + 1; b < 10; ++b) paare += mutiert[a] == mutiert[b];
        ASSERT_EQ(dienst().pruefeIdNummer(mutiert, true), paare == 1 ? 610001524 : 610001522)
            << mutiert;
      }
    }
  }
}

TEST_F(BankUndIdNr, ChecksFromSeveralThreadsAtOnce) {
  // One service shared by four threads, each also converting tax numbers (pattern caches).
  std::vector<int> fehler(4, 0);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < fehler.size(); ++t) {
    threads.emplace_back([this, t, &fehler] {
      for (int i = 0; i < 500; ++i) {
        std::string ausgabe;
        fehler[t] += dienst().pruefeIBAN("DE89370400440532013000") != 0;
        fehler[t] += dienst().pruefeIBAN("DE89370400440532013001") != 610001504;
        fehler[t] += dienst().pruefeBIC("DEUTDEFF500") != 0;
        fehler[t] += dienst().pruefeIdNummer("86095742719", false) != 0;
        fehler[t] += dienst().pruefeIdNummer("02345678901", false) != 610001523;
        fehler[t] += dienst().formatiereSteuernummer("1127012345673", ausgabe) != 0;
        fehler[t] += ausgabe != "27/123/45673";
        fehler[t] += dienst().erzeugeSteuernummer("123/45673", "", "1127", ausgabe) != 0;
        fehler[t] += ausgabe != "1127012345673";
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(fehler, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace dvtest
