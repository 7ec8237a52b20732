#pragma once

#include <string>

#include "rules/DefaultFehlerLookup.h"

namespace zudadavizu_20_0 {

// Field type texts without the field reference, for messages outside a form: a text that
// begins with "Feld" loses everything up to the first ':' and the white space after it.
class UtilFehlerLookup : public DefaultFehlerLookup {
 public:
  std::string getFeldtypText(const std::string& errorKey, int fehlerId) const override;
};

}  // namespace zudadavizu_20_0
