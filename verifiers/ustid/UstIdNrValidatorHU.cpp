// Hungary: eight digits, check digit over weights 9, 7, 3, 1.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class UngarnValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "HU"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {9, 7, 3, 1, 9, 7, 3};
    if (r.size() != 8) return false;
    return (10 - gewichteteSumme(r, kGewichte) % 10) % 10 == ziffer(r[7]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerUngarnValidator() {
  return std::make_unique<UngarnValidator>();
}

}  // namespace zudadavizu_20_0
