// Sweden: a Luhn-checked ten-digit number and a two-digit suffix 01 to 94.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class SchwedenValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "SE"; }
  bool isValid(std::string_view r) const override {
    std::int64_t suffix = 0;
    if (r.size() != 12) return false;
    int s = 0;
    for (int i = 0; i < 8; i += 2) s += verdoppelt(ziffer(r[i])) + ziffer(r[i + 1]);
    s += verdoppelt(ziffer(r[8]));
    if ((10 - s % 10) % 10 != ziffer(r[9])) return false;
    return alsZahl(r.substr(10, 2), suffix) && suffix >= 1 && suffix <= 94;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerSchwedenValidator() {
  return std::make_unique<SchwedenValidator>();
}

}  // namespace zudadavizu_20_0
