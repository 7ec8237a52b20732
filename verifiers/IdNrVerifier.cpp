#include <string_view>

#include "verifiers/Pruefziffern.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

// Exactly one pair of equal digits among the first ten.
bool wiederholungsregelErfuellt(const std::string& idNr) {
  int anzahl[10] = {};
  int paare = 0;
  for (int i = 0; i < 10; ++i) paare += anzahl[idNr[i] - '0']++;
  return paare == 1;
}

class IdNrVerifier : public NichtKonvertierenderVerifier {
 public:
  // A leading 0 passes; the dispatcher reports it as a test number.
  int verify(const std::string& idNr, IDefdatenSteuernummer*) override {
    if (idNr.size() != 11) return Ids::IDNR_LAENGE_FALSCH;
    if (!nurZiffern(idNr)) return Ids::IDNR_KEINE_ZIFFERN;
    if (!wiederholungsregelErfuellt(idNr)) return Ids::IDNR_WIEDERHOLUNG_FALSCH;
    return iso7064Mod1110(std::string_view(idNr).substr(0, 10)) == idNr[10] - '0'
               ? Ids::KEIN_FEHLER
               : Ids::IDNR_PRUEFZIFFER_FALSCH;
  }
};

}  // namespace

IFeldtypVordefiniert& idNrVerifier() {
  static IdNrVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
