#include "verifiers/Muster.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

class EMailVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer*) override {
    // A regular expression, so one per thread.
    thread_local const Muster adresse("^[a-zA-Z0-9._%+-]+@[a-zA-Z0-9.-]+\\.[a-zA-Z]{2,6}$");
    return adresse.passt(wert) ? Ids::KEIN_FEHLER : Ids::EMAIL_UNGUELTIG;
  }
};

}  // namespace

IFeldtypVordefiniert& eMailVerifier() {
  static EMailVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
