// Bulgaria: nine-digit companies, or ten digits as a person (with birth date), a foreigner or
// another subject.
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class BulgarienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "BG"; }
  bool isValid(std::string_view r) const override {
    if (r.size() == 9) return istFirma(r);
    if (r.size() == 10) return istPerson(r) || istAuslaender(r) || istSonstige(r);
    return false;
  }

 private:
  static bool istFirma(std::string_view r) {
    static constexpr int kGewichte1[] = {1, 2, 3, 4, 5, 6, 7, 8};
    static constexpr int kGewichte2[] = {3, 4, 5, 6, 7, 8, 9, 10};
    const int rest = gewichteteSumme(r, kGewichte1) % 11;
    if (rest != 10) return rest == ziffer(r[8]);
    return zehnAlsNull(gewichteteSumme(r, kGewichte2) % 11) == ziffer(r[8]);
  }

  // The month carries the century: +20 for 1800s, +40 for 2000s.
  static bool istPerson(std::string_view r) {
    static constexpr int kGewichte[] = {2, 4, 8, 5, 10, 9, 7, 3, 6};
    int monat = 10 * ziffer(r[2]) + ziffer(r[3]);
    if (monat >= 21 && monat <= 32) {
      monat -= 20;
    } else if (monat >= 41 && monat <= 52) {
      monat -= 40;
    } else if (monat < 1 || monat > 12) {
      return false;
    }
    if (zehnAlsNull(gewichteteSumme(r, kGewichte) % 11) != ziffer(r[9])) return false;
    // The date test costs most, so it comes last.
    const char datum[6] = {
        r[0], r[1], static_cast<char>('0' + monat / 10), static_cast<char>('0' + monat % 10),
        r[4], r[5]};
    return istDatumJJMMTT(std::string_view(datum, 6));
  }

  static bool istAuslaender(std::string_view r) {
    static constexpr int kGewichte[] = {21, 19, 17, 13, 11, 9, 7, 3, 1};
    return gewichteteSumme(r, kGewichte) % 10 == ziffer(r[9]);
  }

  static bool istSonstige(std::string_view r) {
    static constexpr int kGewichte[] = {4, 3, 2, 7, 6, 5, 4, 3, 2};
    int c = 11 - gewichteteSumme(r, kGewichte) % 11;
    if (c == 10) return false;
    if (c == 11) c = 0;
    return c == ziffer(r[9]);
  }

  static int zehnAlsNull(int rest) { return rest == 10 ? 0 : rest; }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerBulgarienValidator() {
  return std::make_unique<BulgarienValidator>();
}

}  // namespace zudadavizu_20_0
