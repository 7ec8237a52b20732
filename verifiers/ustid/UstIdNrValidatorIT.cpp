// Italy: eleven digits, an office code at positions 7 to 9 and a Luhn check digit.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class ItalienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "IT"; }
  bool isValid(std::string_view r) const override {
    if (r.size() != 11) return false;
    std::int64_t amt = 0;
    if (!alsZahl(r.substr(7, 3), amt)) return false;
    if (!((amt >= 1 && amt <= 100) || amt == 120 || amt == 121 || amt == 888 || amt == 999)) {
      return false;
    }
    int s = 0;
    for (int i = 0; i < 10; i += 2) s += ziffer(r[i]) + verdoppelt(ziffer(r[i + 1]));
    return (10 - s % 10) % 10 == ziffer(r[10]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerItalienValidator() {
  return std::make_unique<ItalienValidator>();
}

}  // namespace zudadavizu_20_0
