// Czech Republic: eight-digit legal persons, nine-digit persons born before 1954 or special "6"
// numbers, ten-digit persons with a birth number.
#include "rules/Heute.h"
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

class TschechienValidator : public IUstIdNrValidator, private UstIdNrValidatorBase {
 public:
  std::string getLaenderkuerzel() const override { return "CZ"; }
  bool isValid(std::string_view r) const override {
    switch (r.size()) {
      case 8:
        return istJuristischePerson(r);
      case 9:
        return istPersonVor1954(r) || istSonderfall(r);
      case 10:
        return istGeburtsnummer(r);
      default:
        return false;
    }
  }

 private:
  static bool istJuristischePerson(std::string_view r) {
    static constexpr int kGewichte[] = {8, 7, 6, 5, 4, 3, 2};
    if (r[0] == '9') return false;
    return (11 - gewichteteSumme(r, kGewichte) % 11) % 10 == ziffer(r[7]);
  }

  static bool istPersonVor1954(std::string_view r) {
    std::int64_t jahr = 0;
    std::int64_t endung = 0;
    if (!alsZahl(r.substr(0, 2), jahr) || jahr >= 54 || !alsZahl(r.substr(6, 3), endung)) {
      return false;
    }
    return istGeburtsdatum(r);
  }

  static bool istSonderfall(std::string_view r) {
    static constexpr int kGewichte[] = {8, 7, 6, 5, 4, 3, 2};
    if (r[0] != '6') return false;
    const int d = 11 - gewichteteSumme(r, kGewichte, 1) % 11;
    const int pruefziffer = d <= 9 ? 9 - d : (d == 10 ? 9 : 8);
    return pruefziffer == ziffer(r[8]);
  }

  static bool istGeburtsnummer(std::string_view r) {
    std::int64_t n = 0;
    if (!alsZahl(r, n) || n % 11 != 0) return false;
    const int jahr = 10 * ziffer(r[0]) + ziffer(r[1]);
    if (jahr > heute().year() % 100 && jahr <= 53) return false;
    if (!istGeburtsdatum(r)) return false;
    int summe = 0;
    for (int i = 0; i < 10; i += 2) summe += 10 * ziffer(r[i]) + ziffer(r[i + 1]);
    return summe % 11 == 0;
  }

  // Year, month (women's months carry +50) and day at the start of the text.
  static bool istGeburtsdatum(std::string_view r) {
    std::int64_t monat = 0;
    if (!alsZahl(r.substr(2, 2), monat)) return false;
    if (monat > 12) monat -= 50;
    if (monat < 1 || monat > 12) return false;
    const char datum[6] = {
        r[0], r[1], static_cast<char>('0' + monat / 10), static_cast<char>('0' + monat % 10),
        r[4], r[5]};
    return istDatumJJMMTT(std::string_view(datum, 6));
  }
};

}  // namespace

std::unique_ptr<IUstIdNrValidator> neuerTschechienValidator() {
  return std::make_unique<TschechienValidator>();
}

}  // namespace zudadavizu_20_0
