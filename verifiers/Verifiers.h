#pragma once

#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "verifiers/IFeldtypVordefiniert.h"

namespace zudadavizu_20_0 {

// The result codes every verifier returns.
using Ids = IFeldtypVordefiniertFehlerIds;

// One accessor per predefined field type; each returns its function-local singleton.
IFeldtypVordefiniert& idNrVerifier();
IFeldtypVordefiniert& steuernummerVerifier();
IFeldtypVordefiniert& bundesfinanzamtsnummerVerifier();
IFeldtypVordefiniert& laenderkuerzelVerifier();
IFeldtypVordefiniert& ustIdNrVerifier();
IFeldtypVordefiniert& bundessteuernummerVerifier();
IFeldtypVordefiniert& eMailVerifier();
IFeldtypVordefiniert& ibanVerifier();
IFeldtypVordefiniert& bicVerifier();
IFeldtypVordefiniert& datumMMJJVerifier();
IFeldtypVordefiniert& datumTTMMJJVerifier();

}  // namespace zudadavizu_20_0
