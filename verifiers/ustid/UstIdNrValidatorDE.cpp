// Germany: nine digits, no leading 0, ISO/IEC 7064 MOD 11,10 check digit.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class DeutschlandValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "DE"; }
  bool isValid(std::string_view r) const override {
    if (r.size() != 9 || r[0] == '0') return false;
    return iso7064Mod1110(r.substr(0, 8)) == ziffer(r[8]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerDeutschlandValidator() {
  return std::make_unique<DeutschlandValidator>();
}

}  // namespace zudadavizu_20_0
