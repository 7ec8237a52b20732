// France: a two-character key and the nine-digit company number; digit keys are (100·number + 12)
// mod 97, other keys follow the alphanumeric scheme.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class FrankreichValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "FR"; }
  bool isValid(std::string_view r) const override {
    std::int64_t nummer = 0;
    if (r.size() != 11 || !alsZahl(r.substr(2, 9), nummer)) return false;
    std::int64_t schluessel = 0;
    if (alsZahl(r.substr(0, 2), schluessel)) return schluessel == (100 * nummer + 12) % 97;
    const int v0 = wert(r[0]);
    const int v1 = wert(r[1]);
    if (v0 < 0 || v1 < 0) return false;
    std::int64_t s = 0;
    if (v0 < 10) {
      if (v1 < 10) return false;
      s = v1 - 10 + 24 * v0;
    } else {
      s = v1 - 100 + 34 * v0;
    }
    return s % 11 == (nummer + s / 11 + 1) % 11;
  }

 private:
  // Key characters: digits 0-9, then the capitals without I and O from 10 to 33; -1 else.
  static int wert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'H') return c - 'A' + 10;
    if (c >= 'J' && c <= 'N') return c - 'J' + 18;
    if (c >= 'P' && c <= 'Z') return c - 'P' + 23;
    return -1;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerFrankreichValidator() {
  return std::make_unique<FrankreichValidator>();
}

}  // namespace zudadavizu_20_0
