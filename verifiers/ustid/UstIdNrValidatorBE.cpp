// Belgium: a number and its two-digit remainder complement modulo 97.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class BelgienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "BE"; }
  bool isValid(std::string_view r) const override {
    std::int64_t n = 0;
    std::int64_t c = 0;
    if (r.size() == 9) {
      // Old notation without the leading 0.
      if (ziffer(r[0]) < 2 || !alsZahl(r.substr(0, 7), n) || !alsZahl(r.substr(7, 2), c)) {
        return false;
      }
    } else if (r.size() == 10) {
      if (r[0] != '0' || ziffer(r[1]) < 1 || !alsZahl(r.substr(0, 8), n) ||
          !alsZahl(r.substr(8, 2), c)) {
        return false;
      }
    } else {
      return false;
    }
    return c == 97 - n % 97;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerBelgienValidator() {
  return std::make_unique<BelgienValidator>();
}

}  // namespace zudadavizu_20_0
