// Spain: a leading letter or digit, seven digits and a check character; companies take a Luhn digit
// or letter, persons a letter modulo 23.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class SpanienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "ES"; }
  bool isValid(std::string_view r) const override {
    if (r.size() != 9 || !nurZiffern(r.substr(1, 7))) return false;
    const int s = verdoppelt(ziffer(r[1])) + verdoppelt(ziffer(r[3])) + verdoppelt(ziffer(r[5])) +
                  verdoppelt(ziffer(r[7])) + ziffer(r[2]) + ziffer(r[4]) + ziffer(r[6]);
    const int c = 10 - s % 10;
    const char erster = r[0];
    const char letzter = r[8];
    if (!istGrossbuchstabe(letzter)) {
      if (ziffer(letzter) < 0) return false;
      return istIn(erster, "ABCDEFGHJUV") && c % 10 == ziffer(letzter);
    }
    if (istIn(erster, "ABCDEFGHNPQRSW")) return letzter == 'A' + c - 1;
    // Persons: the seven digits, with a leading digit or Y = 1, Z = 2 in front.
    std::int64_t n = 0;
    if (!alsZahl(r.substr(1, 7), n)) return false;
    if (ziffer(erster) >= 0) {
      n += ziffer(erster) * 10000000;
    } else if (erster == 'Y') {
      n += 10000000;
    } else if (erster == 'Z') {
      n += 20000000;
    } else if (!istIn(erster, "KLMX")) {
      return false;
    }
    static constexpr char kBuchstaben[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    return letzter == kBuchstaben[n % 23];
  }

 private:
  static bool istGrossbuchstabe(char c) { return c >= 'A' && c <= 'Z'; }
  static bool istIn(char c, std::string_view menge) {
    return menge.find(c) != std::string_view::npos;
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerSpanienValidator() {
  return std::make_unique<SpanienValidator>();
}

}  // namespace zudadavizu_20_0
