#pragma once

#include <string>

#include "rules/DefaultFehlerLookup.h"

namespace zudadavizu_20_0 {

// Wording for the VAST procedure ("enthalten", "dürfen kein" instead of "eingetragen werden").
// The nationwide tax number text is given for every id, 0 included.
class VastFehlerLookup : public DefaultFehlerLookup {
 public:
  std::string getFeldtypText(const std::string& errorKey, int fehlerId) const override;
  std::string getText(int fehlerId) const override;
};

}  // namespace zudadavizu_20_0
