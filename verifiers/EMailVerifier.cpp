#include "verifiers/Verifiers.h"
#include "verifiers/Volltreffer.h"

namespace zudadavizu_20_0 {

namespace {

class EMailVerifier : public NichtKonvertierenderVerifier {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer*) override {
    namespace xp = boost::xpressive;
    static const xp::cregex adresse =
        xp::cregex::compile("^[a-zA-Z0-9._%+-]+@[a-zA-Z0-9.-]+\\.[a-zA-Z]{2,6}$");
    return volltreffer(adresse, wert) ? Ids::KEIN_FEHLER : Ids::EMAIL_UNGUELTIG;
  }
};

}  // namespace

IFeldtypVordefiniert& eMailVerifier() {
  static EMailVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
