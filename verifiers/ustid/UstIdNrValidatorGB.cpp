// Great Britain: government (GD) and health (HA) numbers of five characters, or nine digits (plus a
// three-digit branch) checked modulo 97 by the old or the new rule.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class BritannienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "GB"; }
  bool isValid(std::string_view r) const override {
    if (r.size() == 5) return istBehoerde(r);
    std::int64_t n = 0;
    if (r.size() == 12 && (!alsZahl(r.substr(9, 3), n) || n == 0)) return false;
    if (r.size() != 9 && r.size() != 12) return false;
    if (!alsZahl(r.substr(0, 9), n) || n == 0) return false;
    static constexpr int kGewichte[] = {8, 7, 6, 5, 4, 3, 2, 10, 1};
    const int s = gewichteteSumme(r, kGewichte);
    const std::int64_t k = n / 100;  // the first seven digits
    if (s % 97 == 0) {
      return (k < 100000 || k > 999999) && (k < 9490001 || k >= 9700001) &&
             (k < 9990001 || k > 9999998) && k != 9999999;
    }
    return (s + 55) % 97 == 0 && (k < 1 || k > 1000000);
  }

 private:
  static bool istBehoerde(std::string_view r) {
    std::int64_t n = 0;
    if (!alsZahl(r.substr(2, 3), n)) return false;
    if (r.substr(0, 2) == "GD") return n < 500;
    if (r.substr(0, 2) == "HA") return n >= 500 && n <= 999;
    return false;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerBritannienValidator() {
  return std::make_unique<BritannienValidator>();
}

}  // namespace zudadavizu_20_0
