#include <algorithm>
#include <cstdint>
#include <iterator>

#include "verifiers/Laendercode.h"
#include "verifiers/Verifiers.h"
#include "verifiers/Zeichenmuster.h"

namespace zudadavizu_20_0 {

namespace {

struct Land {
  char code[3];
  const char* muster;
};

// Sorted by code (byte order) for the bisection.
constexpr Land IBAN_LAENDER[] = {
    {"AT", "AT[0-9]{2}[0-9]{5}[0-9]{11}"},
    {"BE", "BE[0-9]{2}[0-9]{3}[0-9]{7}[0-9]{2}"},
    {"BG", "BG[0-9]{2}[A-Z]{4}[0-9]{4}[0-9]{2}[a-zA-Z0-9]{8}"},
    {"CH", "CH[0-9]{2}[0-9]{5}[a-zA-Z0-9]{12}"},
    {"CY", "CY[0-9]{2}[0-9]{3}[0-9]{5}[a-zA-Z0-9]{16}"},
    {"CZ", "CZ[0-9]{2}[0-9]{4}[0-9]{6}[0-9]{10}"},
    {"DE", "DE[0-9]{2}[0-9]{8}[0-9]{10}"},
    {"DK", "DK[0-9]{2}[0-9]{4}[0-9]{9}[0-9]{1}"},
    {"EE", "EE[0-9]{2}[0-9]{2}[0-9]{2}[0-9]{11}[0-9]{1}"},
    {"ES", "ES[0-9]{2}[0-9]{4}[0-9]{4}[0-9]{1}[0-9]{1}[0-9]{10}"},
    {"FI", "FI[0-9]{2}[0-9]{6}[0-9]{7}[0-9]{1}"},
    {"FR", "FR[0-9]{2}[0-9]{5}[0-9]{5}[a-zA-Z0-9]{11}[0-9]{2}"},
    {"GB", "GB[0-9]{2}[A-Z]{4}[0-9]{6}[0-9]{8}"},
    {"GI", "GI[0-9]{2}[A-Z]{4}[a-zA-Z0-9]{15}"},
    {"GR", "GR[0-9]{2}[0-9]{3}[0-9]{4}[a-zA-Z0-9]{16}"},
    {"HR", "HR[0-9]{2}[0-9]{7}[0-9]{10}"},
    {"HU", "HU[0-9]{2}[0-9]{3}[0-9]{4}[0-9]{1}[0-9]{15}[0-9]{1}"},
    {"IE", "IE[0-9]{2}[A-Z]{4}[0-9]{6}[0-9]{8}"},
    {"IS", "IS[0-9]{2}[0-9]{4}[0-9]{2}[0-9]{6}[0-9]{10}"},
    {"IT", "IT[0-9]{2}[A-Z]{1}[0-9]{5}[0-9]{5}[a-zA-Z0-9]{12}"},
    {"LI", "LI[0-9]{2}[0-9]{5}[a-zA-Z0-9]{12}"},
    {"LT", "LT[0-9]{2}[0-9]{5}[0-9]{11}"},
    {"LU", "LU[0-9]{2}[0-9]{3}[a-zA-Z0-9]{13}"},
    {"LV", "LV[0-9]{2}[A-Z]{4}[a-zA-Z0-9]{13}"},
    {"MC", "MC[0-9]{2}[0-9]{5}[0-9]{5}[a-zA-Z0-9]{11}[0-9]{2}"},
    {"MT", "MT[0-9]{2}[A-Z]{4}[0-9]{5}[a-zA-Z0-9]{18}"},
    {"NL", "NL[0-9]{2}[A-Z]{4}[0-9]{10}"},
    {"NO", "NO[0-9]{2}[0-9]{4}[0-9]{6}[0-9]{1}"},
    {"PL", "PL[0-9]{2}[0-9]{8}[0-9]{0,16}"},
    {"PT", "PT[0-9]{2}[0-9]{4}[0-9]{4}[0-9]{11}[0-9]{2}"},
    {"RO", "RO[0-9]{2}[A-Z]{4}[a-zA-Z0-9]{16}"},
    {"SE", "SE[0-9]{2}[0-9]{3}[0-9]{16}[0-9]{1}"},
    {"SI", "SI[0-9]{2}[0-9]{5}[0-9]{8}[0-9]{2}"},
    {"SK", "SK[0-9]{2}[0-9]{4}[0-9]{6}[0-9]{10}"},
};
constexpr std::size_t ANZAHL_LAENDER = std::size(IBAN_LAENDER);
static_assert(ANZAHL_LAENDER == 34);

// Value of an IBAN character in the check digit computation, -1 for none.
int zeichenwert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return -1;
}

// Adds the digits of one IBAN character to the running number; false for a character
// that has no value.
bool haengeAn(char c, std::uint64_t& zahl) {
  int wert = zeichenwert(c);
  if (wert < 0) return false;
  zahl = zahl * (wert < 10 ? 10 : 100) + static_cast<std::uint64_t>(wert);
  return true;
}

// ISO 7064 MOD 97-10 over the account part followed by country code and check digits,
// letters written as 10..35. The decimal number is reduced in pieces of up to seven
// characters (at most 14 digits after a remainder below 97, far inside 64 bits).
bool pruefzifferStimmt(const std::string& iban) {
  std::uint64_t zahl = 0;
  int imStueck = 0;
  auto nimm = [&](char c) {
    if (!haengeAn(c, zahl)) return false;
    if (++imStueck == 7) {
      zahl %= 97;
      imStueck = 0;
    }
    return true;
  };
  for (std::size_t i = 4; i < iban.size(); ++i) {
    if (!nimm(iban[i])) return false;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    if (!nimm(iban[i])) return false;
  }
  return zahl % 97 == 1;
}

class IBANVerifier : public NichtKonvertierenderVerifier {
 public:
  IBANVerifier() : aufbau_("[a-zA-Z]{2}[0-9]{2}[0-9a-zA-Z]{1,30}") {
    laenderMuster_.reserve(ANZAHL_LAENDER);
    for (const Land& land : IBAN_LAENDER) laenderMuster_.emplace_back(land.muster);
  }

  // The value stays in the caller's string: nothing is stored, so checks may run in parallel.
  int verify(const std::string& iban, IDefdatenSteuernummer*) override {
    if (!aufbau_.passt(iban)) return 601;
    const Land* ende = IBAN_LAENDER + ANZAHL_LAENDER;
    const Land* land = std::lower_bound(
        IBAN_LAENDER, ende, iban.c_str(),
        [](const Land& l, const char* code) { return laendercodeVor(l.code, code); });
    if (land == ende || !laendercodeGleich(land->code, iban.c_str())) return 602;
    if (!laenderMuster_[static_cast<std::size_t>(land - IBAN_LAENDER)].passt(iban)) return 603;
    if (!pruefzifferStimmt(iban)) return 604;
    return 0;
  }

 private:
  Zeichenmuster aufbau_;
  std::vector<Zeichenmuster> laenderMuster_;  // parallel to IBAN_LAENDER
};

}  // namespace

IFeldtypVordefiniert& ibanVerifier() {
  static IBANVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
