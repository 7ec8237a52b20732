// Austria: "U", seven digits and a check digit over a Luhn-like sum offset by 4.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class AustriaValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "AT"; }
  bool isValid(std::string_view r) const override {
    if (r.size() != 9 || r[0] != 'U') return false;
    const std::string_view e = r.substr(1);
    const int s = 4 + ziffer(e[0]) + ziffer(e[2]) + ziffer(e[4]) + ziffer(e[6]) +
                  verdoppelt(ziffer(e[1])) + verdoppelt(ziffer(e[3])) + verdoppelt(ziffer(e[5]));
    return (10 - s % 10) % 10 == ziffer(e[7]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerAustriaValidator() {
  return std::make_unique<AustriaValidator>();
}

}  // namespace zudadavizu_20_0
