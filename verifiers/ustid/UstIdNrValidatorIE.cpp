// Ireland: seven digits and a check letter (A = 1 ... V = 22, W = 0) modulo 23.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class IrlandValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "IE"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {8, 7, 6, 5, 4, 3, 2};
    if (r.size() != 8) return false;
    const char letzter = r[7];
    int wert = -1;
    if (letzter >= 'A' && letzter <= 'V') {
      wert = letzter - 'A' + 1;
    } else if (letzter == 'W') {
      wert = 0;
    } else {
      return false;
    }
    return gewichteteSumme(r, kGewichte) % 23 == wert;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerIrlandValidator() {
  return std::make_unique<IrlandValidator>();
}

}  // namespace zudadavizu_20_0
