#include "verifiers/Muster.h"
#include "verifiers/SteuernummerPruefung.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// Nationwide tax numbers of the federal tax office; any failure of the core check is 301.
class BundessteuernummerVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer* defdaten) override {
    if (defdaten == nullptr) return 0;
    static const Zeichenmuster muster("911608[0-9]{7}");
    const bool passt = muster.passt(wert);
    // The pattern has no groups, so no tax office number is read.
    const int ergebnis = pruefeSteuernummerKern(wert, *defdaten, passt, -1, true);
    return ergebnis == 0 ? 0 : Ids::BUNDESSTEUERNUMMER_UNGUELTIG;
  }
};

}  // namespace

IFeldtypVordefiniert& bundessteuernummerVerifier() {
  static BundessteuernummerVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
