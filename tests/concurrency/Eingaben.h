#pragma once

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "support/IbanBeispiele.h"

namespace dvtest {

// Inputs for the concurrent runs. Valid and invalid ones are mixed on purpose; what each
// should give is taken from a single-threaded run, not from here.

// The first listed office of each Land, the test office 1096, an office with a record
// outside the lists (2380), one without a record (1191) and the Bayern office 9181.
inline const std::vector<int>& aemter() {
  static const std::vector<int> liste = {1010, 1113, 1127, 2111, 2201, 2303, 2457, 2601, 2613,
                                         2701, 2801, 3046, 3102, 3202, 4069, 4151, 5101, 5201,
                                         5301, 9101, 9181, 9201, 1096, 2380, 1191};
  return liste;
}

// 13-digit tax numbers of one office, with every check digit.
inline std::vector<std::string> steuernummernVon(int amt) {
  std::vector<std::string> nummern;
  for (const char* rumpf : {"01234567", "00010002"}) {
    for (char p = '0'; p <= '9'; ++p) nummern.push_back(std::to_string(amt) + rumpf + p);
  }
  return nummern;
}

// Texts that are not 13 digits of a listed office.
inline std::vector<std::string> besondereSteuernummern() {
  return {"", "x", "112701234567", "11270123456733", "9198012345678"};
}

inline std::vector<std::string> steuernummern() {
  std::vector<std::string> nummern = besondereSteuernummern();
  for (int amt : aemter()) {
    for (std::string& n : steuernummernVon(amt)) nummern.push_back(std::move(n));
  }
  return nummern;
}

// Appends each text once more with its last character changed.
inline void mitVeraendertemSchluss(std::vector<std::string>& liste) {
  const std::size_t anzahl = liste.size();
  for (std::size_t i = 0; i < anzahl; ++i) {
    std::string falsch = liste[i];
    falsch.back() = falsch.back() == '1' ? '2' : '1';
    liste.push_back(falsch);
  }
}

// Published sample IBANs of every country of the table, each also with its last character
// changed, and malformed ones.
inline std::vector<std::string> ibans() {
  std::vector<std::string> liste(std::begin(IBAN_BEISPIELE), std::end(IBAN_BEISPIELE));
  mitVeraendertemSchluss(liste);
  for (const char* schlecht : {"", "DE89", "de89370400440532013000", "US12123456789",
                               "DE8937040044053201300", "DE89 3704 0044 0532 0130 00"}) {
    liste.push_back(schlecht);
  }
  return liste;
}

inline std::vector<std::string> bics() {
  return {"DEUTDEFF", "DEUTDEFF500", "MARKDEF1100", "BNPAFRPP",     "deutdeff",
          "DEUTXXFF", "DEUT1EFF",    "DEUTDEFF50",  "DEUTDEFF5000", "",
          "AIBKIE2D", "NWBKGB2L",    "GEBABEBB",    "COBADEFFXXX",  "DEUTDEF\xE4"};
}

inline std::vector<std::string> idNummern() {
  return {"86095742719", "86095742710", "23456789110",  "23456789111", "02345678901",
          "02345678902", "8609574271",  "860957427199", "1234567890a", "",
          "11111111111", "12345678903", "65929970489",  "57549285017", "0234567890"};
}

// Published sample VAT numbers of every country rule, each also with its last character
// changed, and malformed ones.
inline std::vector<std::string> ustIdNummern() {
  std::vector<std::string> liste = {
      "ATU13585627",  "BE0428759497",  "BG175074752",   "BG7523169263",   "CY10259033P",
      "CZ25123891",   "CZ640903926",   "CZ7103192745",  "DE136695976",    "DK13585628",
      "EE100931558",  "EL094259216",   "ES54362315K",   "ESA13585625",    "ESX2482300W",
      "FI20774740",   "FR40303265045", "FRK7399859412", "GB802311782",    "HR33392005961",
      "HU12892312",   "IE6433435F",    "IT00743110157", "LT100001919017", "LT119511515",
      "LU15027442",   "LV16117519997", "LV40003521600", "MT11679112",     "NL004495445B01",
      "PL5260001246", "PT501964843",   "RO11198699",    "SE123456789701", "SI50223054",
      "SK2022749619",
  };
  mitVeraendertemSchluss(liste);
  for (const char* schlecht : {"", "DE", "de136695976", "XX123456789", "DE13669597", "12345678"}) {
    liste.push_back(schlecht);
  }
  return liste;
}

}  // namespace dvtest
