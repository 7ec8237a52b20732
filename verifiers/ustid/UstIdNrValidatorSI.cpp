// Slovenia: eight digits, no leading 0, modulo 11 check digit (10 written as 0).
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class SlowenienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "SI"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {8, 7, 6, 5, 4, 3, 2};
    if (r.size() != 8 || r[0] == '0') return false;
    const int c = 11 - gewichteteSumme(r, kGewichte) % 11;
    if (c == 11) return false;
    if (c == 10) return ziffer(r[7]) == 0;
    return c == ziffer(r[7]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerSlowenienValidator() {
  return std::make_unique<SlowenienValidator>();
}

}  // namespace zudadavizu_20_0
