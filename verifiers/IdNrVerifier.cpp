#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

bool nurZiffern(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Exactly one pair of equal digits among the first ten.
bool wiederholungsregelErfuellt(const std::string& idNr) {
  int anzahl[10] = {};
  int paare = 0;
  for (int i = 0; i < 10; ++i) paare += anzahl[idNr[i] - '0']++;
  return paare == 1;
}

// ISO/IEC 7064 MOD 11,10 over the first ten digits.
int pruefziffer(const std::string& idNr) {
  int p = 10;
  for (int i = 0; i < 10; ++i) {
    int s = (idNr[i] - '0' + p) % 10;
    if (s == 0) s = 10;
    p = (2 * s) % 11;
  }
  int c = 11 - p;
  return c == 10 ? 0 : c;
}

class IdNrVerifier : public NichtKonvertierenderVerifier {
 public:
  // A leading 0 passes; the dispatcher reports it as a test number.
  int verify(const std::string& idNr, IDefdatenSteuernummer*) override {
    if (idNr.size() != 11) return Ids::IDNR_LAENGE_FALSCH;
    if (!nurZiffern(idNr)) return Ids::IDNR_KEINE_ZIFFERN;
    if (!wiederholungsregelErfuellt(idNr)) return Ids::IDNR_WIEDERHOLUNG_FALSCH;
    return pruefziffer(idNr) == idNr[10] - '0' ? Ids::KEIN_FEHLER : Ids::IDNR_PRUEFZIFFER_FALSCH;
  }
};

}  // namespace

IFeldtypVordefiniert& idNrVerifier() {
  static IdNrVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
