#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// Without tax number definitions there is nothing to compare with, so every value passes.
class LaenderkuerzelVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer* defdaten) override {
    if (defdaten == nullptr) return 0;
    return defdaten->istBundeslandKuerzel(wert) ? Ids::KEIN_FEHLER : Ids::LAENDERKUERZEL_UNBEKANNT;
  }
};

}  // namespace

IFeldtypVordefiniert& laenderkuerzelVerifier() {
  static LaenderkuerzelVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
