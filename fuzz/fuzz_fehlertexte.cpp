// Every int is a legal argument to both text operations.
#include <cstdlib>
#include <memory>

#include "errortexts/FehlertextService.h"
#include "fuzz/FuzzEingabe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static std::unique_ptr<vesk::plugin2::iface::IFehlertextService> dienst(
      vesk::divideVira::erzeugeFehlertextService(nullptr, nullptr));
  dvfuzz::Eingabe eingabe(daten, groesse);
  while (!eingabe.leer()) {
    const int zahl = eingabe.ganzzahl();
    const std::string plausi = dienst->getPlausiFehlertext(zahl);
    if (!plausi.empty() && (zahl < 2 || zahl > 8990999)) std::abort();
    if (plausi.find("&quote;") != std::string::npos) std::abort();
    const std::string host = dienst->getFehlertext(zahl);
    if (!host.empty() && zahl != 0 && (zahl < 610001000 || zahl > 610501999)) std::abort();
  }
  return 0;
}
