#pragma once

#include <string>

#include "rules/IDefdatenSteuernummer.h"

namespace vesk::divideVira {

// Library codes of the service's own failures beside the verifier codes.
constexpr int KONVERTIERUNG_FEHLGESCHLAGEN = 1006;
constexpr int KEIN_LAND_ANGEGEBEN = 1007;

// Checks one value of a predefined field type with a fresh check context. Returns the
// verifier's code (0 = valid). meldung receives the message of a failure, or the notice
// of a test identification number (code 0 then); callers that drop the message pass null,
// and then no message is formed.
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
