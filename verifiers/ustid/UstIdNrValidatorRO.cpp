// Romania: 5 to 10 digits, left-padded with 0 to 10, check digit (10·S) mod 11.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class RumaenienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "RO"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {7, 5, 3, 2, 1, 7, 5, 3, 2};
    static constexpr std::size_t kLaenge = 10;
    if (r.size() < 5 || r.size() > kLaenge) return false;
    char gepolstert[kLaenge];
    const std::size_t fuellung = kLaenge - r.size();
    for (std::size_t i = 0; i < fuellung; ++i) gepolstert[i] = '0';
    r.copy(gepolstert + fuellung, r.size());
    const std::string_view p(gepolstert, kLaenge);
    int c = 10 * gewichteteSumme(p, kGewichte) % 11;
    if (c == 10) c = 0;
    return c == ziffer(p[9]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerRumaenienValidator() {
  return std::make_unique<RumaenienValidator>();
}

}  // namespace zudadavizu_20_0
