#include "rules/FeldtypRegistry.h"

#include <stdexcept>
#include <string_view>

#include "rules/Fehlermeldung.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"

namespace zudadavizu_20_0 {

enum class Sonderfall { Keiner, Steuernummer, IdNr };

struct FeldtypEintrag {
  std::string_view feldtyp;
  const std::string* fehlerSchluessel;
  bool ohneVast;  // skipped in vastModus: the VAST side has no tax office data
  Sonderfall sonderfall;
};

namespace {

using Ids = IFeldtypVordefiniertFehlerIds;

const FeldtypEintrag SCHLUESSEL[] = {
    {"EMail", &Ids::UNGUELTIGE_EMAIL, false, Sonderfall::Keiner},
    {"BIC", &Ids::UNGUELTIGE_BIC, false, Sonderfall::Keiner},
    {"IBAN", &Ids::UNGUELTIGE_IBAN, false, Sonderfall::Keiner},
    {"DATUM_MMJJ", &Ids::UNGUELTIGES_DATUM_MMJJ, false, Sonderfall::Keiner},
    {"DATUM_TTMMJJ", &Ids::UNGUELTIGES_DATUM_TTMMJJ, false, Sonderfall::Keiner},
    {"IDNr", &Ids::UNGUELTIGE_ID_NUMMER, false, Sonderfall::IdNr},
    {"UStIdNr", &Ids::UNGUELTIGE_UST_ID_NR, false, Sonderfall::Keiner},
    {"Steuernummer", &Ids::UNGUELTIGE_STEUERNUMMER, true, Sonderfall::Steuernummer},
    {"Bundesfinanzamtsnummer", &Ids::UNGUELTIGE_BUNDESFINANZAMTSNUMMER, true, Sonderfall::Keiner},
    {"Laenderkuerzel", &Ids::UNGUELTIGES_LAENDERKUERZEL, true, Sonderfall::Keiner},
    {"Bundessteuernummer", &Ids::UNGUELTIGE_BUNDESSTEUERNUMMER, true, Sonderfall::Steuernummer},
};

const FeldtypEintrag* eintragFuer(const std::string& feldtyp) {
  for (const FeldtypEintrag& eintrag : SCHLUESSEL) {
    if (eintrag.feldtyp == feldtyp) return &eintrag;
  }
  return nullptr;
}

bool istFehlermeldung(const std::string& meldung) { return !meldung.empty() && meldung != "null"; }

const char* const TEST_ID_VORLAGE =
    "Feld '$%1$' ist eine Test-Identifikationsnummer und nur für den Testbetrieb zugelassen.";

}  // namespace

FeldtypRegistry::FeldtypRegistry(std::string feldtypName)
    : feldtypName_(std::move(feldtypName)), eintrag_(eintragFuer(feldtypName_)) {}

const std::string& FeldtypRegistry::getFehlerSchluessel() const {
  if (eintrag_ == nullptr) throw std::runtime_error("FeldtypName nicht untersützt!");
  return *eintrag_->fehlerSchluessel;
}

bool FeldtypRegistry::istSteuernummerTyp() const {
  return eintrag_ != nullptr && eintrag_->sonderfall == Sonderfall::Steuernummer;
}

PruefResultat& FeldtypRegistry::pruefe(PruefResultat& out, const Pruefkontext& kontext) const {
  IFeldtypVordefiniert& verifier = verifierFuer(feldtypName_);
  if (kontext.vastModus && eintrag_ != nullptr && eintrag_->ohneVast) {
    out = {0, 0, 0};
    return out;
  }
  // The value is copied only when a conversion replaces it.
  const std::string* wert = &kontext.wert;
  KonvertierungsErgebnis konvertiert;
  if (istSteuernummerTyp() && kontext.darstellung != nullptr &&
      kontext.darstellung->istKonvertiereSteuernummer()) {
    konvertiert = verifier.convert(kontext.wert, kontext.defdaten);
    if (istFehlermeldung(konvertiert.second)) {
      out = {0, meldeFehler(getFehlerSchluessel(), konvertiert.second, kontext), 0};
      return out;
    }
    wert = &konvertiert.first;
  }
  out = {verifier.verify(*wert, kontext.defdaten), 1, 1};
  if (out.fehlerId == 0 && eintrag_ != nullptr && eintrag_->sonderfall == Sonderfall::IdNr &&
      !wert->empty() && (*wert)[0] == '0') {
    out = {0, meldeFehler(Ids::TEST_ID_NUMMER, TEST_ID_VORLAGE, kontext), 0};
  }
  return out;
}

KonvertierungsErgebnis FeldtypRegistry::konvertiere(const std::string& wert,
                                                    const Darstellung& darstellung,
                                                    bool rueckwaerts,
                                                    IDefdatenSteuernummer* defdaten) const {
  if (wert.empty()) return {wert, "Wert mit der Länge 0 wird nicht konvertiert."};
  if (!istSteuernummerTyp() || !darstellung.istKonvertiereSteuernummer()) {
    return {wert, std::string()};
  }
  IFeldtypVordefiniert& verifier = verifierFuer(feldtypName_);
  return rueckwaerts ? verifier.convertBack(wert, defdaten) : verifier.convert(wert, defdaten);
}

}  // namespace zudadavizu_20_0
