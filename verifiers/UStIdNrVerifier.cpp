#include <string_view>

#include "verifiers/Verifiers.h"
#include "verifiers/Volltreffer.h"
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

constexpr int kFormFalsch = 901;
constexpr int kDeutschlandNichtNeun = 902;
constexpr int kZuKurz = 903;
constexpr int kZuLang = 904;
constexpr int kUngueltig = 905;

// Two capitals as country prefix, then the national part; the form and length tests are
// common, the rest belongs to the prefix's validator.
class UStIdNrVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer*) override {
    namespace xp = boost::xpressive;
    static const xp::cregex form = xp::cregex::compile("[A-Z]{2}[a-zA-Z0-9]*");
    if (!volltreffer(form, wert)) return kFormFalsch;
    const std::string_view kuerzel(wert.data(), 2);
    const std::string_view national = std::string_view(wert).substr(2);
    if (kuerzel == "DE") {
      if (national.size() != 9) return kDeutschlandNichtNeun;
    } else if (national.size() < 5) {
      return kZuKurz;
    } else if (national.size() > 12) {
      return kZuLang;
    }
    const IUstIdNrValidator* validator = ustIdNrValidatorFuer(kuerzel);
    return validator != nullptr && validator->isValid(national) ? 0 : kUngueltig;
  }
};

}  // namespace

IFeldtypVordefiniert& ustIdNrVerifier() {
  static UStIdNrVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
