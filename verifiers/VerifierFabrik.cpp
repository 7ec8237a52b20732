#include <stdexcept>
#include <string_view>

#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

struct Eintrag {
  std::string_view typName;
  IFeldtypVordefiniert& (*verifier)();
};

// Compared in this order. A null accessor marks a type whose verifier is not built yet.
const Eintrag kVerifier[] = {
    {"IDNr", idNrVerifier},
    {"Steuernummer", steuernummerVerifier},
    {"Bundesfinanzamtsnummer", bundesfinanzamtsnummerVerifier},
    {"Laenderkuerzel", laenderkuerzelVerifier},
    {"UStIdNr", ustIdNrVerifier},
    {"Bundessteuernummer", bundessteuernummerVerifier},
    {"EMail", eMailVerifier},
    {"IBAN", ibanVerifier},
    {"BIC", bicVerifier},
    {"DATUM_MMJJ", datumMMJJVerifier},
    {"DATUM_TTMMJJ", datumTTMMJJVerifier},
};

}  // namespace

IFeldtypVordefiniert& verifierFuer(const std::string& typName) {
  for (const Eintrag& eintrag : kVerifier) {
    if (typName == eintrag.typName && eintrag.verifier != nullptr) return eintrag.verifier();
  }
  throw std::runtime_error("Ungültiger Vordefinierter Typ");
}

}  // namespace zudadavizu_20_0
