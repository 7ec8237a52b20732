// Croatia: eleven digits, ISO/IEC 7064 MOD 11,10 check digit.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class KroatienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "HR"; }
  bool isValid(std::string_view r) const override {
    if (r.size() != 11) return false;
    return iso7064Mod1110(r.substr(0, 10)) == ziffer(r[10]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerKroatienValidator() {
  return std::make_unique<KroatienValidator>();
}

}  // namespace zudadavizu_20_0
