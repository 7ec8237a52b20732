// Portugal: nine digits, modulo 11 check digit with 10 and 11 counting as 0.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class PortugalValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "PT"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {9, 8, 7, 6, 5, 4, 3, 2};
    if (r.size() != 9) return false;
    int c = 11 - gewichteteSumme(r, kGewichte) % 11;
    if (c == 10 || c == 11) c = 0;
    return c == ziffer(r[8]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerPortugalValidator() {
  return std::make_unique<PortugalValidator>();
}

}  // namespace zudadavizu_20_0
