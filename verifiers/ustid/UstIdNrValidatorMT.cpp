// Malta: six digits from 100001 and a two-digit check number modulo 37.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class MaltaValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "MT"; }
  bool isValid(std::string_view r) const override {
    static constexpr int kGewichte[] = {3, 4, 6, 7, 8, 9};
    std::int64_t n = 0;
    std::int64_t c = 0;
    if (r.size() != 8 || !alsZahl(r.substr(0, 6), n) || n < 100001 || !alsZahl(r.substr(6, 2), c)) {
      return false;
    }
    return 37 - gewichteteSumme(r, kGewichte) % 37 == c;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerMaltaValidator() {
  return std::make_unique<MaltaValidator>();
}

}  // namespace zudadavizu_20_0
