#pragma once

#include <string>

#include "rules/IRegelmenge.h"

namespace zudadavizu_20_0 {

// Whether the rule set formats the field as a number (FormatDefinitionZahl); throws
// FeldInRegelMengeNichtDefiniertException for a field the rule set lacks.
bool istZahlenFormat(const std::string& feldname, const IRegelmenge& regelmenge);

// Range pattern (pattern + separator + pattern) of a date range field; std::runtime_error
// when the field's format is no date range.
std::string createDatumBereichFormat(const std::string& feldname, const IRegelmenge& regelmenge);

}  // namespace zudadavizu_20_0
