#pragma once

#include <string>

namespace dvhost {

// Absolute path of the module to load. A non-empty option (--modul) or else $DV_MODUL is
// taken as it is, relative to the working directory; without either, the module installed beside this program, then the one
// of the build tree it was built in. Throws LadeFehler naming every place looked at.
std::string findeModul(const std::string& option);

}  // namespace dvhost
