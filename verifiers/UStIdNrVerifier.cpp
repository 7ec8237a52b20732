#include <string_view>

#include "verifiers/Muster.h"
#include "verifiers/Verifiers.h"
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

// Two capitals as country prefix, then the national part; the form and length tests are
// common, the rest belongs to the prefix's validator.
class UStIdNrVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer*) override {
    static const Zeichenmuster form("[A-Z]{2}[a-zA-Z0-9]*");
    if (!form.passt(wert)) return Ids::USTIDNR_FORMAT_FALSCH;
    const std::string_view kuerzel(wert.data(), 2);
    const std::string_view national = std::string_view(wert).substr(2);
    if (kuerzel == "DE") {
      if (national.size() != 9) return Ids::USTIDNR_DE_LAENGE_FALSCH;
    } else if (national.size() < 5) {
      return Ids::USTIDNR_ZU_KURZ;
    } else if (national.size() > 12) {
      return Ids::USTIDNR_ZU_LANG;
    }
    const IUstIdNrValidator* validator = ustIdNrValidatorFuer(kuerzel);
    return validator != nullptr && validator->isValid(national) ? 0 : Ids::USTIDNR_UNGUELTIG;
  }
};

}  // namespace

IFeldtypVordefiniert& ustIdNrVerifier() {
  static UStIdNrVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
