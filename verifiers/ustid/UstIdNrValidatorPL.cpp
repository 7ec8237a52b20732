// Poland: ten digits, modulo 11 check digit (remainder 10 has none).
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class PolenValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "PL"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    if (r.size() != 10) return false;
    const int rest = gewichteteSumme(r, kGewichte) % 11;
    return rest != 10 && rest == ziffer(r[9]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerPolenValidator() {
  return std::make_unique<PolenValidator>();
}

}  // namespace zudadavizu_20_0
