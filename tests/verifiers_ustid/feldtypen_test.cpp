// The verifiers of this group through verifierFuer, at their boundaries.
// Expected codes worked out by hand from each type's rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/verifiers/TestDefdaten.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

TEST(Feldtypen, Grenzen) {
  const struct {
    const char* typ;
    int code;
    std::vector<std::string> werte;
  } kFaelle[] = {
      // UStIdNr: form (901) before DE length (902, also for 4 and 13 characters)
      // before the general length 5 to 12 (903, 904, also for unknown prefixes)
      // before the validator (905; Greece is EL, not GR).
      {"UStIdNr",
       901,
       {"", "de136695976", "De136695976", "1E136695976", "DE 136695976", "DE136695976\n",
        "AT\xC4U1358562", "de12"}},
      {"UStIdNr", 902, {"DE", "DE13669597", "DE1366959760123", "DE1366"}},
      {"UStIdNr", 903, {"AT", "ATU135", "XX1234", "RO1234"}},
      {"UStIdNr", 904, {"XX1234567890123", "RO1854729012345"}},
      {"UStIdNr", 905, {"GR094259216", "XX12345", "DE136695977"}},
      {"UStIdNr", 0, {"GBGD001", "NL004495445B01"}},
      // EMail: [a-zA-Z0-9._%+-]+ @ [a-zA-Z0-9.-]+ . 2 to 6 letters; the whole
      // value, a final line break included.
      {"EMail", 0, {"a_b%c+d-e.f@sub-1.example.museum", "a@b.cd", "x@y.d.de"}},
      {"EMail",
       501,
       {"x@y.abcdefg", "x@y.c", "x@y.d3", "x@localhost", "x@.de", "@y.de", "x@@y.de", "x y@y.de",
        "x@y.de\n", "\nx@y.de", "m\xFC@y.de", ""}},
      // Months 01 to 12, any two-digit year.
      {"DATUM_MMJJ", 0, {"01.15", "12.99", "10.00"}},
      {"DATUM_MMJJ",
       401,
       {"00.15", "13.15", "19.15", "20.15", "1.15", "01.5", "0a.15", "01/15", "01.150", "01.15\n",
        ""}},
      // Month lengths; 29 February in years divisible by 4, 00 included.
      {"DATUM_TTMMJJ",
       0,
       {"31.01.15", "28.02.15", "29.02.00", "29.02.04", "29.02.96", "30.04.15", "30.11.15",
        "31.12.15"}},
      {"DATUM_TTMMJJ",
       401,
       {"32.01.15", "40.01.15", "00.01.15", "29.02.15", "29.02.01", "30.02.04", "31.04.15",
        "31.06.15", "31.09.15", "31.11.15", "01.00.15", "01.13.15", "01.20.15", "1.01.15",
        "01.01.2015", "01-01-15", "01.01.15 ", ""}},
      // Without definitions anything passes.
      {"Laenderkuerzel", 0, {"XX", ""}},
  };
  for (const auto& fall : kFaelle) {
    for (const auto& wert : fall.werte) {
      EXPECT_EQ(verifierFuer(fall.typ).verify(wert, nullptr), fall.code) << fall.typ << " " << wert;
    }
  }
}

// With definitions their answer decides; the value reaches them unchanged.
TEST(Feldtypen, LaenderkuerzelMitDefinitionen) {
  struct NurBYundNW : dvtest::TestDefdaten {
    bool istBundeslandKuerzel(const std::string& kuerzel) override {
      gefragt.push_back(kuerzel);
      return kuerzel == "BY" || kuerzel == "NW";
    }
    std::vector<std::string> gefragt;
  } defdaten;
  IFeldtypVordefiniert& verifier = verifierFuer("Laenderkuerzel");
  for (const char* wert : {"BY", "NW"}) EXPECT_EQ(verifier.verify(wert, &defdaten), 0) << wert;
  for (const char* wert : {"by", " BY", ""}) EXPECT_EQ(verifier.verify(wert, &defdaten), 801);
  EXPECT_EQ(defdaten.gefragt, (std::vector<std::string>{"BY", "NW", "by", " BY", ""}));
}

}  // namespace
}  // namespace zudadavizu_20_0
