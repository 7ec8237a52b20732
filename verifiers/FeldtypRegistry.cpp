#include "verifiers/FeldtypRegistry.h"

#include <stdexcept>

#include "rules/Fehlermeldung.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"

namespace zudadavizu_20_0 {

namespace {

bool istFehlermeldung(const std::string& meldung) { return !meldung.empty() && meldung != "null"; }

const char* const kTestIdVorlage =
    "Feld '$%1$' ist eine Test-Identifikationsnummer und nur für den Testbetrieb zugelassen.";

}  // namespace

FeldtypRegistry::FeldtypRegistry(const std::string& feldtypName)
    : eintrag_(feldtypEintrag(feldtypName)) {}

const std::string& FeldtypRegistry::getFehlerSchluessel() const {
  if (eintrag_ == nullptr) throw std::runtime_error("FeldtypName nicht untersützt!");
  return eintrag_->fehlerSchluessel;
}

IFeldtypVordefiniert& FeldtypRegistry::verifier() const {
  if (eintrag_ == nullptr) throw std::runtime_error("Ungültiger Vordefinierter Typ");
  return verifierFuer(eintrag_->typ);
}

bool FeldtypRegistry::istSteuernummerTyp() const {
  return eintrag_->typ == Feldtyp::kSteuernummer || eintrag_->typ == Feldtyp::kBundessteuernummer;
}

bool FeldtypRegistry::istTestnummer(const std::string& wert, int fehlerId) const {
  return fehlerId == 0 && eintrag_->typ == Feldtyp::kIdNr && !wert.empty() && wert[0] == '0';
}

PruefResultat& FeldtypRegistry::pruefe(PruefResultat& out, const Pruefkontext& kontext) const {
  IFeldtypVordefiniert& v = verifier();
  if (kontext.vastModus && eintrag_->ohneVast) {
    out = {0, 0, 0};
    return out;
  }
  // The value is copied only when a conversion replaces it.
  const std::string* wert = &kontext.wert;
  KonvertierungsErgebnis konvertiert;
  if (istSteuernummerTyp() && kontext.darstellung != nullptr &&
      kontext.darstellung->istKonvertiereSteuernummer()) {
    konvertiert = v.convert(kontext.wert, kontext.defdaten);
    if (istFehlermeldung(konvertiert.second)) {
      out = {0, meldeFehler(getFehlerSchluessel(), konvertiert.second, kontext), 0};
      return out;
    }
    wert = &konvertiert.first;
  }
  out = {v.verify(*wert, kontext.defdaten), STATUS_FEHLER, 1};
  if (istTestnummer(*wert, out.fehlerId)) {
    out = {0, meldeFehler(IFeldtypVordefiniertFehlerIds::TEST_ID_NUMMER, kTestIdVorlage, kontext),
           0};
  }
  return out;
}

PruefResultat FeldtypRegistry::pruefeOhneMeldung(const std::string& wert,
                                                 IDefdatenSteuernummer* defdaten) const {
  const int fehlerId = verifier().verify(wert, defdaten);
  if (istTestnummer(wert, fehlerId)) return {0, STATUS_HINWEIS, 0};
  return {fehlerId, STATUS_FEHLER, 1};
}

KonvertierungsErgebnis FeldtypRegistry::konvertiere(const std::string& wert,
                                                    const Darstellung& darstellung,
                                                    bool rueckwaerts,
                                                    IDefdatenSteuernummer* defdaten) const {
  if (wert.empty()) return {wert, "Wert mit der Länge 0 wird nicht konvertiert."};
  if (eintrag_ == nullptr || !istSteuernummerTyp() || !darstellung.istKonvertiereSteuernummer()) {
    return {wert, std::string()};
  }
  IFeldtypVordefiniert& v = verifier();
  return rueckwaerts ? v.convertBack(wert, defdaten) : v.convert(wert, defdaten);
}

}  // namespace zudadavizu_20_0
