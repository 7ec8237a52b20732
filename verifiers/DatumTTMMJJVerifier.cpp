#include <string_view>

#include "rules/Ziffern.h"
#include "verifiers/Muster.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// "TT.MM.JJ". Every year divisible by 4 counts as a leap year, 00 included.
class DatumTTMMJJVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer*) override {
    static const Zeichenmuster form("[0-3][0-9][.][0-1][0-9][.][0-9]{2}");
    if (!form.passt(wert)) return Ids::DATUM_UNGUELTIG;
    const char tag0 = wert[0];
    const char tag1 = wert[1];
    const std::string_view monat(wert.data() + 3, 2);
    const int jahr = zweiZiffern(wert, 6);
    if (tag0 == '0' && tag1 == '0') return Ids::DATUM_UNGUELTIG;
    if (monat == "02") {
      if (tag0 > '2') return Ids::DATUM_UNGUELTIG;
      if (tag0 == '2' && jahr % 4 != 0 && tag1 > '8') return Ids::DATUM_UNGUELTIG;
    } else if (std::string_view("04,06,09,11").find(monat) != std::string_view::npos) {
      if (tag0 == '3' && tag1 > '0') return Ids::DATUM_UNGUELTIG;
    } else if (tag0 == '3' && tag1 > '1') {
      return Ids::DATUM_UNGUELTIG;
    }
    if (monat == "00" || (monat[0] == '1' && monat[1] >= '3')) return Ids::DATUM_UNGUELTIG;
    return Ids::KEIN_FEHLER;
  }
};

}  // namespace

IFeldtypVordefiniert& datumTTMMJJVerifier() {
  static DatumTTMMJJVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
