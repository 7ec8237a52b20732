#include <algorithm>
#include <iterator>
#include <string_view>

#include "verifiers/Laendercode.h"
#include "verifiers/Muster.h"
#include "verifiers/Pruefziffern.h"
#include "verifiers/Verifiers.h"

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

// Account part followed by country code and check digits, MOD 97-10.
bool pruefzifferStimmt(const std::string& iban) {
  const std::string_view text(iban);
  return iso7064Mod9710Rest(text.substr(4), text.substr(0, 4)) == 1;
}

class IBANVerifier : public NichtKonvertierenderVerifier {
 public:
  IBANVerifier() : aufbau_("[a-zA-Z]{2}[0-9]{2}[0-9a-zA-Z]{1,30}") {
    laenderMuster_.reserve(ANZAHL_LAENDER);
    for (const Land& land : IBAN_LAENDER) laenderMuster_.emplace_back(land.muster);
  }

  // The value stays in the caller's string: nothing is stored, so checks may run in parallel.
  int verify(const std::string& iban, IDefdatenSteuernummer*) override {
    if (!aufbau_.passt(iban)) return Ids::IBAN_AUFBAU_FALSCH;
    const Land* ende = IBAN_LAENDER + ANZAHL_LAENDER;
    const Land* land = std::lower_bound(
        IBAN_LAENDER, ende, iban.c_str(),
        [](const Land& l, const char* code) { return laendercodeVor(l.code, code); });
    if (land == ende || !laendercodeGleich(land->code, iban.c_str()))
      return Ids::IBAN_LAENDERCODE_UNBEKANNT;
    if (!laenderMuster_[static_cast<std::size_t>(land - IBAN_LAENDER)].passt(iban))
      return Ids::IBAN_LAENDERFORMAT_FALSCH;
    if (!pruefzifferStimmt(iban)) return Ids::IBAN_PRUEFZIFFER_FALSCH;
    return Ids::KEIN_FEHLER;
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
