// erzeugeSteuernummer with any three texts: a host code, and on success a
// 13-digit number that the service itself accepts.
#include <cstdlib>
#include <memory>

#include "errortexts/Hostcodes.h"
#include "fuzz/Definitionsfehler.h"
#include "fuzz/FuzzEingabe.h"
#include "taxofficeservice/FinanzamtsdatenService.h"

namespace hostcode = vesk::divideVira::hostcode;

using namespace vesk::divideVira;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst(
      erzeugeFinanzamtsdatenService(nullptr, nullptr));
  dvfuzz::Eingabe eingabe(daten, groesse);
  const std::string landesform = eingabe.bisTrenner('|');
  const std::string land = eingabe.bisTrenner('|');
  const std::string bufa = eingabe.rest();
  dvfuzz::mitDefinitionsfehlern([&] {
    std::string ausgabe = "vorher";
    const int code = dienst->erzeugeSteuernummer(landesform, land, bufa, ausgabe);
    switch (code) {
      case 0:
        if (ausgabe.size() != 13 || dienst->pruefeSteuernummer(ausgabe) != 0) std::abort();
        break;
      case hostcode::kSteuernummerUngueltig:
      case hostcode::kLandesnummerUngueltig:
      case hostcode::kBufanummerUngueltig:
        break;
      default:
        std::abort();
    }
  });
  return 0;
}
