// Cyprus: eight digits (not beginning "12") and a check letter modulo 26.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class ZypernValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "CY"; }
  bool isValid(std::string_view r) const override {
    if (r.size() != 9 || (r[0] == '1' && r[1] == '2')) return false;
    int s = 0;
    for (int i = 0; i < 8; i += 2) s += ungerade(ziffer(r[i])) + ziffer(r[i + 1]);
    return static_cast<unsigned char>(r[8]) == 'A' + s % 26;
  }

 private:
  // Value of a digit in the 1st, 3rd, 5th or 7th place; -1 for a character that is no digit.
  static int ungerade(int z) {
    static constexpr int kWerte[] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
    return z < 0 ? -1 : kWerte[z];
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerZypernValidator() {
  return std::make_unique<ZypernValidator>();
}

}  // namespace zudadavizu_20_0
