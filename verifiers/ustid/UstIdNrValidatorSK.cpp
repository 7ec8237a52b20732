// Slovakia: ten digits, third digit 2, 3, 4, 7, 8 or 9, number divisible by 11.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class SlowakeiValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "SK"; }
  bool isValid(std::string_view r) const override {
    std::int64_t n = 0;
    if (r.size() != 10) return false;
    const char dritte = r[2];
    if (dritte != '2' && dritte != '3' && dritte != '4' && dritte != '7' && dritte != '8' &&
        dritte != '9') {
      return false;
    }
    return alsZahl(r, n) && n >= 1000000000 && n % 11 == 0;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerSlowakeiValidator() {
  return std::make_unique<SlowakeiValidator>();
}

}  // namespace zudadavizu_20_0
