#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/Befehl.h"

namespace dvhost {

// The result codes a field type's verifier returns besides 0, ascending.
const std::vector<int>& feldtypCodes(const std::string& typ);

// For feldtyp --codes: each code of typ with its message, as the rules library's lookup words
// it and formuliere completes it (the field name); "CODE TEXT" or {"typ", "code", "text"}.
int zeigeFeldtypCodes(Sitzung& sitzung, const std::string& typ, bool json,
                      const std::function<std::string(const std::string&)>& formuliere);

}  // namespace dvhost
