#include "verifiers/Muster.h"
#include "verifiers/SteuernummerPruefung.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// Four-digit tax office numbers; a leading zero is read away ("0123" asks for office 123).
class BundesfinanzamtsnummerVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer* defdaten) override {
    if (defdaten == nullptr) return 0;
    static const Zeichenmuster muster("[0-9]{4}");
    if (!muster.passt(wert)) return Ids::BUFANUMMER_FORMAT_FALSCH;
    int nummer = 0;
    leseZahl(wert.data(), wert.data() + wert.size(), nummer);
    return defdaten->existiertFinanzamt(nummer) ? 0 : Ids::BUFANUMMER_UNBEKANNT;
  }
};

}  // namespace

IFeldtypVordefiniert& bundesfinanzamtsnummerVerifier() {
  static BundesfinanzamtsnummerVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
