#include "rules/VastFehlerLookup.h"

#include "rules/Fehlerkatalog.h"

namespace zudadavizu_20_0 {

std::string VastFehlerLookup::getFeldtypText(const std::string& errorKey, int fehlerId) const {
  // VAST's own wording answers before the default's empty text for id 0.
  const char* text = VAST_FEHLERKATALOG.feldtypVorlage(errorKey, fehlerId);
  return text != nullptr ? std::string(text)
                         : DefaultFehlerLookup::getFeldtypText(errorKey, fehlerId);
}

std::string VastFehlerLookup::getText(int fehlerId) const {
  const char* text = VAST_FEHLERKATALOG.formaleVorlage(fehlerId);
  return text != nullptr ? std::string(text) : DefaultFehlerLookup::getText(fehlerId);
}

}  // namespace zudadavizu_20_0
