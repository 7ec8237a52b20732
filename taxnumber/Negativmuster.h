#pragma once

#include <string>

#include "veskplugin2/IFinanzamtsdatenService.h"

namespace vesk::divideVira {

// The (pattern over the 13-digit notation, message) pairs of a Land abbreviation; empty for
// an abbreviation without patterns. The returned list is constant for the module's life.
const plugin2::iface::Negativmuster& negativmusterFuerKuerzel(const std::string& kuerzel);

// The list of a Land key, chosen by its abbreviation; throws KeinBundeslandkuerzel for a key
// without one.
const plugin2::iface::Negativmuster& negativmusterFuer(int landNummer);

}  // namespace vesk::divideVira
