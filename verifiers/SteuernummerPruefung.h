#pragma once

#include <string>

#include "rules/IDefdatenSteuernummer.h"

namespace zudadavizu_20_0 {

// The check shared by the tax number types, after the value was matched against the type's
// pattern (which admits 13 digits only). buFaNummer is the office number read from the
// match (-1 when the pattern has no groups), finanzamtBekannt whether that office exists.
// 0 or one of the STEUERNUMMER_ codes of IFeldtypVordefiniertFehlerIds. Throws
// UngueltigesNegativmuster, FalscheFaktorenanzahl, FalscheSummandenanzahl, and whatever defdaten
// throws.
int pruefeSteuernummerKern(const std::string& wert, IDefdatenSteuernummer& defdaten,
                           bool musterPasst, int buFaNummer, bool finanzamtBekannt);

// The digits [von, bis) as a number; ziel stays unchanged when the range is empty or holds
// a character other than a digit.
void leseZahl(const char* von, const char* bis, int& ziel);

}  // namespace zudadavizu_20_0
