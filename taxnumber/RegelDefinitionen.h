#pragma once

#include "rules/IFormatierung.h"
#include "rules/IPruefziffernverfahrenDefinition.h"

namespace vesk::wex2 {

// The per-Land definitions as the rules library reads them: constant objects over the
// tables, built once for the module's life, so a check copies nothing.

// The notation of a Land; throws BundeslandExistiertNicht.
const zudadavizu_20_0::IFormatierung& regelFormatierung(int landNummer);

// Method, weights and addends for Land, tax office and district, looked up in the order
// notation row, weights, addends; throws BundeslandExistiertNicht or BufanummerExistiertNicht.
const zudadavizu_20_0::IPruefziffernverfahrenDefinition& regelVerfahren(int landNummer,
                                                                        int buFaNummer, int bezirk);

}  // namespace vesk::wex2
