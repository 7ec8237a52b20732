#include "rules/Fehlermeldung.h"

#include <boost/algorithm/string/replace.hpp>
#include <memory>
#include <stdexcept>

#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "rules/IFormaleFehlerConstants.h"
#include "rules/PruefResultat.h"
#include "rules/VastFehlerLookup.h"

namespace zudadavizu_20_0 {

namespace {

const DefaultFehlerLookup& lookupFuer(const Pruefkontext& kontext) {
  static const DefaultFehlerLookup standard;
  static const VastFehlerLookup vast;
  return kontext.vastModus ? vast : standard;
}

}  // namespace

std::string formaleTexte(int fehlerId, const Pruefkontext& kontext) {
  return lookupFuer(kontext).getText(fehlerId);
}

std::string feldtypTexte(const std::string& errorKey, int fehlerId, const Pruefkontext& kontext) {
  return lookupFuer(kontext).getFeldtypText(errorKey, fehlerId);
}

int meldeFehler(const std::string& errorKey, const std::string& vorlage,
                const Pruefkontext& kontext) {
  if (kontext.identifier == nullptr || kontext.daten == nullptr) {
    throw std::invalid_argument("meldeFehler: Pruefkontext ohne identifier oder daten");
  }
  if (!kontext.ohneErgebnis && kontext.ergebnis == nullptr) {
    throw std::invalid_argument("meldeFehler: Pruefkontext ohne ergebnis");
  }
  const std::string feld = kontext.daten->toText(*kontext.identifier);
  const std::string meldung = boost::algorithm::replace_all_copy(vorlage, "%1", feld);
  if (!kontext.ohneErgebnis) {
    std::unique_ptr<IIdentifier> feldKopie(kontext.identifier->clone());
    std::unique_ptr<IIdentifier> bezugKopie(kontext.identifier->clone());
    kontext.ergebnis->addFormal(IFormaleFehlerConstants::FORMALE_PRUEFUNG, errorKey,
                                feldKopie.release(), bezugKopie.release(), meldung, 1);
  }
  return errorKey == IFeldtypVordefiniertFehlerIds::TEST_ID_NUMMER ? STATUS_HINWEIS : STATUS_FEHLER;
}

}  // namespace zudadavizu_20_0
