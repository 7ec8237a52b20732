// Luxembourg: six digits and their remainder modulo 89.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class LuxemburgValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "LU"; }
  bool isValid(std::string_view r) const override {
    std::int64_t n = 0;
    std::int64_t c = 0;
    if (r.size() != 8 || !alsZahl(r.substr(0, 6), n) || !alsZahl(r.substr(6, 2), c)) {
      return false;
    }
    return n % 89 == c;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerLuxemburgValidator() {
  return std::make_unique<LuxemburgValidator>();
}

}  // namespace zudadavizu_20_0
