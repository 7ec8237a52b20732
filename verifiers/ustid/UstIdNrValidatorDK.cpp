// Denmark: eight digits whose weighted sum is divisible by 11.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class DaenemarkValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "DK"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {2, 7, 6, 5, 4, 3, 2, 1};
    if (r.size() != 8 || r[0] == '0') return false;
    return gewichteteSumme(r, kGewichte) % 11 == 0;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerDaenemarkValidator() {
  return std::make_unique<DaenemarkValidator>();
}

}  // namespace zudadavizu_20_0
