#include "verifiers/ustid/UstIdNrValidatorBase.h"

#include "rules/Datumspruefung.h"

namespace zudadavizu_20_0 {

namespace {

// The calendar test of the date check for six digits, with the components at the given
// positions; the text is read in place instead of through the pattern.
bool istDatum(std::string_view text, std::size_t tag, std::size_t monat, std::size_t jahr) {
  if (text.size() != 6 || !nurZiffern(text)) return false;
  const int m = zweiZiffern(text, monat);
  if (m < 1 || m > 12) return false;
  const int t = zweiZiffern(text, tag);
  return t >= 1 && t <= tageImMonat(m, jahrAusZweiStellen(zweiZiffern(text, jahr)));
}

}  // namespace

bool UstIdNrValidatorBase::istDatumJJMMTT(std::string_view text) { return istDatum(text, 4, 2, 0); }

bool UstIdNrValidatorBase::istDatumTTMMJJ(std::string_view text) { return istDatum(text, 0, 2, 4); }

}  // namespace zudadavizu_20_0
