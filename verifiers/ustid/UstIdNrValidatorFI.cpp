// Finland: eight digits, modulo 11 check digit (remainder 1 has none).
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class FinnlandValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "FI"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {7, 9, 10, 5, 8, 4, 2};
    if (r.size() != 8) return false;
    int c = 11 - gewichteteSumme(r, kGewichte) % 11;
    if (c == 10) return false;
    if (c == 11) c = 0;
    return c == ziffer(r[7]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerFinnlandValidator() {
  return std::make_unique<FinnlandValidator>();
}

}  // namespace zudadavizu_20_0
