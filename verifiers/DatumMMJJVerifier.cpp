#include "verifiers/Muster.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// "MM.JJ": any two-digit year, months 01 to 12.
class DatumMMJJVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer*) override {
    static const Zeichenmuster form("[0-1][0-9][.][0-9]{2}");
    if (!form.passt(wert)) return Ids::DATUM_UNGUELTIG;
    if (wert[0] == '0' && wert[1] == '0') return Ids::DATUM_UNGUELTIG;
    if (wert[0] == '1' && wert[1] >= '3') return Ids::DATUM_UNGUELTIG;
    return Ids::KEIN_FEHLER;
  }
};

}  // namespace

IFeldtypVordefiniert& datumMMJJVerifier() {
  static DatumMMJJVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
