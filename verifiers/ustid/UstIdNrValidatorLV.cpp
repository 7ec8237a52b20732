// Latvia: eleven digits, a legal person's modulo 11 check digit or a natural person's birth date.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class LettlandValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "LV"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {9, 1, 4, 8, 3, 10, 2, 5, 7, 6};
    if (r.size() != 11) return false;
    const int rest = gewichteteSumme(r, kGewichte) % 11;
    const int letzte = ziffer(r[10]);
    if (rest != 4 && (letzte == 3 - rest || letzte == 14 - rest)) return true;
    std::int64_t laufnummer = 0;
    return alsZahl(r.substr(6, 5), laufnummer) && istDatumTTMMJJ(r.substr(0, 6));
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerLettlandValidator() {
  return std::make_unique<LettlandValidator>();
}

}  // namespace zudadavizu_20_0
