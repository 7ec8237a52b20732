// Lithuania: nine or twelve digits with a 1 before the check digit; modulo 11 with a second weight
// set when the first misses.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class LitauenValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "LT"; }
  bool isValid(std::string_view r) const override {
    if (r.size() == 9) {
      static constexpr int kGewichte1[] = {1, 2, 3, 4, 5, 6, 7, 8};
      static constexpr int kGewichte2[] = {3, 4, 5, 6, 7, 8, 9, 1};
      return r[7] == '1' && pruefe(r, kGewichte1, kGewichte2);
    }
    if (r.size() == 12) {
      static constexpr int kGewichte1[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2};
      static constexpr int kGewichte2[] = {3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4};
      return r[10] == '1' && pruefe(r, kGewichte1, kGewichte2);
    }
    return false;
  }

 private:
  // The check digit follows the N weighted digits.
  template <std::size_t N>
  static bool pruefe(std::string_view r, const int (&gewichte1)[N], const int (&gewichte2)[N]) {
    const int pruefziffer = ziffer(r[N]);
    if (gewichteteSumme(r, gewichte1) % 11 == pruefziffer) return true;
    return gewichteteSumme(r, gewichte2) % 11 % 10 == pruefziffer;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerLitauenValidator() {
  return std::make_unique<LitauenValidator>();
}

}  // namespace zudadavizu_20_0
