#include "rules/DefaultFehlerLookup.h"

#include <stdexcept>

#include "rules/Fehlerkatalog.h"

namespace zudadavizu_20_0 {

void wirfUnbekannteFehlerId(int fehlerId) {
  throw std::runtime_error("Unbekannte fehlerId '" + std::to_string(fehlerId) + "'\n");
}

void wirfUnbekannteKombination(const std::string& errorKey, int fehlerId) {
  throw std::runtime_error("Unbekannte Kombination aus errorKey '" + errorKey + "' und fehlerId '" +
                           std::to_string(fehlerId) + "'\n");
}

std::string DefaultFehlerLookup::getFeldtypText(const std::string& errorKey, int fehlerId) const {
  if (fehlerId == KEIN_FEHLER) return std::string();
  const char* text = STANDARD_FEHLERKATALOG.feldtypVorlage(errorKey, fehlerId);
  if (text == nullptr) wirfUnbekannteKombination(errorKey, fehlerId);
  return text;
}

std::string DefaultFehlerLookup::getText(int fehlerId) const {
  if (fehlerId == KEIN_FEHLER) return std::string();
  const char* text = STANDARD_FEHLERKATALOG.formaleVorlage(fehlerId);
  if (text == nullptr) wirfUnbekannteFehlerId(fehlerId);
  return text;
}

}  // namespace zudadavizu_20_0
