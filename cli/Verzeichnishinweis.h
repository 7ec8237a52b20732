#pragma once

#include <string>

#include "veskplugin2/IFinanzamtsdatenService.h"

namespace dvhost {

// Notices for values that fail because the directory lacks their tax office: the office is
// asked of the loaded module; that the directory is a stand-in comes from the tables dvhost
// was built with. Each returns the empty text when the notice does not apply.

// For a 13-digit tax number: the notice when the number would be valid if its office existed.
std::string steuernummerHinweis(vesk::plugin2::iface::IFinanzamtsdatenService& dienst,
                                const std::string& steuernummer);
// For a 4-digit office number or 13-digit tax number whose office the directory lacks.
std::string finanzamtHinweis(vesk::plugin2::iface::IFinanzamtsdatenService& dienst,
                             const std::string& nummer);

}  // namespace dvhost
