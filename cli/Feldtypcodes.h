#pragma once

#include <string>

#include "cli/Befehl.h"

namespace dvhost {

// For feldtyp --codes: each code of typ's check with its message, as the C library words
// it; "CODE TEXT" or {"typ", "code", "text"}.
int zeigeFeldtypCodes(Sitzung& sitzung, const std::string& typ, bool json);

}  // namespace dvhost
