// Netherlands: nine digits with a modulo 11 check digit, "B" and a branch number.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class NiederlandeValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "NL"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {9, 8, 7, 6, 5, 4, 3, 2};
    std::int64_t filiale = 0;
    if (r.size() != 12 || r[9] != 'B' || !alsZahl(r.substr(10, 2), filiale) || filiale == 0) {
      return false;
    }
    const int rest = gewichteteSumme(r, kGewichte) % 11;
    return rest != 10 && rest == ziffer(r[8]);
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerNiederlandeValidator() {
  return std::make_unique<NiederlandeValidator>();
}

}  // namespace zudadavizu_20_0
