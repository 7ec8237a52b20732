#pragma once

#include <cstddef>
#include <string_view>

#include "rules/IFormaleFehlerConstants.h"

namespace zudadavizu_20_0 {

// Template of a field type result; texts are ISO-8859-15.
struct FeldtypVorlage {
  static constexpr int JEDE_ID = -1;
  std::string_view errorKey;
  int fehlerId;  // JEDE_ID: the template of every id of the key
  const char* text;
};

// Message templates of one lookup, generated from fehlerkatalog.tsv.
struct Fehlerkatalog {
  const char* const* formal;  // by id, 0 to ID_MAX; nullptr where the lookup has no text
  const FeldtypVorlage* feldtyp;
  std::size_t feldtypAnzahl;

  // nullptr when the lookup has no template for the id.
  const char* formaleVorlage(int fehlerId) const {
    return fehlerId >= 0 && fehlerId <= IFormaleFehlerConstants::ID_MAX ? formal[fehlerId]
                                                                        : nullptr;
  }
  // nullptr when the lookup has no template for the pair.
  const char* feldtypVorlage(std::string_view errorKey, int fehlerId) const {
    for (std::size_t i = 0; i < feldtypAnzahl; ++i) {
      const FeldtypVorlage& v = feldtyp[i];
      // The id first: comparing it is cheaper than comparing the key.
      if ((v.fehlerId == fehlerId || v.fehlerId == FeldtypVorlage::JEDE_ID) &&
          v.errorKey == errorKey) {
        return v.text;
      }
    }
    return nullptr;
  }
};

extern const Fehlerkatalog STANDARD_FEHLERKATALOG;
// Only the templates that VAST words differently.
extern const Fehlerkatalog VAST_FEHLERKATALOG;

}  // namespace zudadavizu_20_0
