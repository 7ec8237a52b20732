#include "rules/UtilFehlerLookup.h"

#include <cctype>

namespace zudadavizu_20_0 {

std::string UtilFehlerLookup::getFeldtypText(const std::string& errorKey, int fehlerId) const {
  std::string text = DefaultFehlerLookup::getFeldtypText(errorKey, fehlerId);
  if (text.compare(0, 4, "Feld") != 0) return text;
  const std::size_t doppelpunkt = text.find(':');
  if (doppelpunkt == std::string::npos) return text;
  std::size_t anfang = doppelpunkt + 1;
  while (anfang < text.size() && std::isspace(static_cast<unsigned char>(text[anfang]))) {
    ++anfang;
  }
  return text.substr(anfang);
}

}  // namespace zudadavizu_20_0
