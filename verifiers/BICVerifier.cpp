#include <algorithm>
#include <iterator>

#include "verifiers/Laendercode.h"
#include "verifiers/Muster.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// The IBAN countries plus the French overseas codes, sorted for the bisection.
constexpr char BIC_LAENDER[][3] = {
    "AT", "BE", "BG", "BL", "CH", "CY", "CZ", "DE", "DK", "EE", "ES", "FI", "FR", "GB",
    "GF", "GI", "GP", "GR", "HR", "HU", "IE", "IS", "IT", "LI", "LT", "LU", "LV", "MC",
    "MF", "MQ", "MT", "NL", "NO", "PL", "PM", "PT", "RE", "RO", "SE", "SI", "SK", "YT",
};
static_assert(std::size(BIC_LAENDER) == 42);

// Bank code, country code (positions 4-5), location, optional branch: 8 or 11 characters.
const Zeichenmuster& bicAufbau() {
  static const Zeichenmuster muster("[a-zA-Z]{4}[a-zA-Z]{2}[0-9a-zA-Z]{2}");
  return muster;
}
const Zeichenmuster& bicAufbauMitFiliale() {
  static const Zeichenmuster muster("[a-zA-Z]{4}[a-zA-Z]{2}[0-9a-zA-Z]{2}[0-9a-zA-Z]{3}");
  return muster;
}

class BICVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& bic, IDefdatenSteuernummer*) override {
    if (!bicAufbau().passt(bic) && !bicAufbauMitFiliale().passt(bic)) return Ids::BIC_FORMAT_FALSCH;
    const char* code = bic.c_str() + 4;
    auto ende = std::end(BIC_LAENDER);
    auto land = std::lower_bound(std::begin(BIC_LAENDER), ende, code, laendercodeVor);
    return land != ende && laendercodeGleich(*land, code) ? Ids::KEIN_FEHLER
                                                          : Ids::BIC_LAENDERCODE_UNBEKANNT;
  }
};

}  // namespace

IFeldtypVordefiniert& bicVerifier() {
  static BICVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
