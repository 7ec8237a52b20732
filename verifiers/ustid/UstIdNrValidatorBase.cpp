#include "verifiers/ustid/UstIdNrValidatorBase.h"

#include <string>

#include "rules/Datumspruefung.h"

namespace zudadavizu_20_0 {

namespace {

bool istDatum(std::string_view text, const std::string& muster) {
  // The date check throws for non-digits, so the shape is tested here first.
  if (text.size() != 6) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return istGueltigesDatum(std::string(text), muster);  // six characters: no heap allocation
}

}  // namespace

int UstIdNrValidatorBase::iso7064Mod1110(std::string_view ziffern) {
  int p = 10;
  for (char c : ziffern) {
    int s = (ziffer(c) + p) % 10;
    if (s == 0) s = 10;
    p = (2 * s) % 11;
  }
  return p == 1 ? 0 : 11 - p;
}

bool UstIdNrValidatorBase::istDatumJJMMTT(std::string_view text) {
  static const std::string muster("yyMMdd");
  return istDatum(text, muster);
}

bool UstIdNrValidatorBase::istDatumTTMMJJ(std::string_view text) {
  static const std::string muster("ddMMyy");
  return istDatum(text, muster);
}

}  // namespace zudadavizu_20_0
