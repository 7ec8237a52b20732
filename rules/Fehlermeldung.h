#pragma once

#include <string>

#include "rules/Pruefkontext.h"

namespace zudadavizu_20_0 {

// Template of a formal id in the wording of the context (VAST or default).
std::string formaleTexte(int fehlerId, const Pruefkontext& kontext);

// Template of a field type result in the wording of the context.
std::string feldtypTexte(const std::string& errorKey, int fehlerId, const Pruefkontext& kontext);

// Replaces every "%1" of the template (also the start of %10 to %14, so callers fill those
// first) by the field reference of the context's identifier and,
// unless ohneErgebnis, records it as a formal entry (level 1). Returns 2 for the test
// identification number notice, else 1. Throws std::invalid_argument when the context lacks
// identifier, daten or (when recording) ergebnis.
int meldeFehler(const std::string& errorKey, const std::string& vorlage,
                const Pruefkontext& kontext);

}  // namespace zudadavizu_20_0
