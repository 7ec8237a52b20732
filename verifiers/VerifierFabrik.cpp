#include <stdexcept>

#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

using Zugriff = IFeldtypVordefiniert& (*)();

// Indexed by Feldtyp.
const Zugriff VERIFIER[ANZAHL_FELDTYPEN] = {
    idNrVerifier,           steuernummerVerifier, bundesfinanzamtsnummerVerifier,
    laenderkuerzelVerifier, ustIdNrVerifier,      bundessteuernummerVerifier,
    eMailVerifier,          ibanVerifier,         bicVerifier,
    datumMMJJVerifier,      datumTTMMJJVerifier,
};

}  // namespace

IFeldtypVordefiniert& verifierFuer(Feldtyp typ) {
  return VERIFIER[static_cast<std::size_t>(typ)]();
}

IFeldtypVordefiniert& verifierFuer(const std::string& typName) {
  const FeldtypEintrag* eintrag = feldtypEintrag(typName);
  if (eintrag == nullptr) throw std::runtime_error("Ungültiger Vordefinierter Typ");
  return verifierFuer(eintrag->typ);
}

}  // namespace zudadavizu_20_0
