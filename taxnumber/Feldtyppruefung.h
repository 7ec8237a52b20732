#pragma once

#include <string>

#include "rules/Feldtypen.h"
#include "rules/IDefdatenSteuernummer.h"
#include "rules/PruefResultat.h"

namespace vesk::divideVira {

// Checks one value of a predefined field type as the dispatcher does for a context without
// conversion and without vastModus. Nothing that only a message needs is built: the host
// sees the code alone.
zudadavizu_20_0::PruefResultat pruefeFeldtyp(zudadavizu_20_0::Feldtyp typ, const std::string& wert,
                                             zudadavizu_20_0::IDefdatenSteuernummer* defdaten);

// The same check through a full check context. Returns the verifier's code (0 = valid).
// meldung receives the message of a failure, or the notice of a test identification
// number (code 0 then); with a null meldung no message is formed.
int pruefeFeldtyp(const std::string& typName, const std::string& wert,
                  zudadavizu_20_0::IDefdatenSteuernummer* defdaten, std::string* meldung);

// Converts a tax number between Land notation with "@key" (forwards) and 13 digits
// (rueckwaerts). On failure meldung receives the message and the result is empty.
std::string konvertiereFeldtyp(const std::string& wert, bool rueckwaerts,
                               zudadavizu_20_0::IDefdatenSteuernummer& defdaten,
                               std::string& meldung);

// Host result code of a library code (0 and 1 are success).
int ergebnisAlsHostCode(int bibliothekscode);

}  // namespace vesk::divideVira
