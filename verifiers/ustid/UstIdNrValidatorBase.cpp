#include "verifiers/ustid/UstIdNrValidatorBase.h"

#include <string>

#include "rules/Datumspruefung.h"

namespace zudadavizu_20_0 {

namespace {

bool istDatum(std::string_view text, const std::string& muster) {
  // The date check throws for non-digits, so the shape is tested here first.
  if (text.size() != 6 || !nurZiffern(text)) return false;
  return istGueltigesDatum(std::string(text), muster);  // six characters: no heap allocation
}

}  // namespace

bool UstIdNrValidatorBase::istDatumJJMMTT(std::string_view text) {
  static const std::string muster("yyMMdd");
  return istDatum(text, muster);
}

bool UstIdNrValidatorBase::istDatumTTMMJJ(std::string_view text) {
  static const std::string muster("ddMMyy");
  return istDatum(text, muster);
}

}  // namespace zudadavizu_20_0
