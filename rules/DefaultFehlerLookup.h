#pragma once

#include <string>

#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "rules/IFormaleFehlerConstants.h"

namespace zudadavizu_20_0 {

// Message templates of the formal ids (1 to 68) and of the field type results. A template
// names the field as '$%1$' and the values of its format as %N.
class DefaultFehlerLookup : public IFeldtypVordefiniertFehlerIds, public IFormaleFehlerConstants {
 public:
  // Template of a field type result; empty for id 0, std::runtime_error for a pair without text.
  virtual std::string getFeldtypText(const std::string& errorKey, int fehlerId) const;
  // Template of a formal id; empty for 0, std::runtime_error outside 0 to 68.
  virtual std::string getText(int fehlerId) const;
};

// "Unbekannte fehlerId '<id>'" and a line feed.
[[noreturn]] void wirfUnbekannteFehlerId(int fehlerId);
// "Unbekannte Kombination aus errorKey '<key>' und fehlerId '<id>'" and a line feed.
[[noreturn]] void wirfUnbekannteKombination(const std::string& errorKey, int fehlerId);

}  // namespace zudadavizu_20_0
