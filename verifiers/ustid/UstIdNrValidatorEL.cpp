// Greece (prefix EL): nine digits, powers of two as weights, modulo 11 then 10.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class GriechenlandValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "EL"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {256, 128, 64, 32, 16, 8, 4, 2};
    if (r.size() != 9) return false;
    return gewichteteSumme(r, kGewichte) % 11 % 10 == ziffer(r[8]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerGriechenlandValidator() {
  return std::make_unique<GriechenlandValidator>();
}

}  // namespace zudadavizu_20_0
