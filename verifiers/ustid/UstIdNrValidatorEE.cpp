// Estonia: nine digits beginning "10", check digit over weights 3, 7, 1.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class EstlandValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "EE"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {3, 7, 1, 3, 7, 1, 3, 7};
    if (r.size() != 9 || r[0] != '1' || r[1] != '0') return false;
    return (10 - gewichteteSumme(r, kGewichte) % 10) % 10 == ziffer(r[8]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerEstlandValidator() {
  return std::make_unique<EstlandValidator>();
}

}  // namespace zudadavizu_20_0
