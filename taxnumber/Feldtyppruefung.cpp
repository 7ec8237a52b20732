#include "taxnumber/Feldtyppruefung.h"

#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/FeldtypRegistry.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/UtilFehlerLookup.h"

namespace vesk::divideVira {

namespace zdv = zudadavizu_20_0;

namespace {

// The display settings are immutable once built and the same for every call, so they are
// built once instead of per call.
const zdv::Darstellung& darstellung(bool konvertiereSteuernummer) {
  static const zdv::Darstellung ohne(',', zdv::Darstellungsinformation(), 2099);
  static const zdv::Darstellung mit(
      ',',
      [] {
        zdv::Darstellungsinformation info;
        info.setze("KonvertiereSteuernummer", "", "j");
        return info;
      }(),
      2099);
  return konvertiereSteuernummer ? mit : ohne;
}

struct Umsetzung {
  int von, bis, host;
};

const Umsetzung HOST_CODES[] = {
    {0, 1, 0},
    {101, 101, 610001510},
    {102, 102, 610001511},
    {201, 201, 610001222},
    {202, 202, 610001038},
    {601, 601, 610001501},
    {602, 602, 610001502},
    {603, 603, 610001503},
    {604, 604, 610001504},
    {701, 701, 610001521},
    {702, 702, 610001522},
    {703, 703, 610001520},
    {704, 704, 610001524},
    {1001, 1006, 610001034},
    {1007, 1007, 610001037},
};

}  // namespace

int pruefeFeldtyp(const std::string& typName, const std::string& wert,
                  zdv::IDefdatenSteuernummer* defdaten, std::string* meldung) {
  // The field identifier is the same for every call and the check only reads it (messages
  // clone it), so one instance serves all calls and threads.
  static zdv::IdentifierImpl identifier("unbenannt", 1, 1, zdv::IdentifierImpl::KEINE_NUMMER);
  zdv::DatenImpl daten;
  zdv::ErgebnisFacade ergebnis;
  zdv::LoggerUtilImpl verwerfen;
  zdv::ValidationLogger logger(verwerfen);
  zdv::Pruefkontext kontext;
  kontext.wert = wert;
  kontext.identifier = &identifier;
  kontext.ergebnis = &ergebnis;
  kontext.darstellung = &darstellung(false);
  kontext.defdaten = defdaten;
  kontext.logger = &logger;
  kontext.daten = &daten;

  const zdv::FeldtypRegistry registry(typName);
  zdv::PruefResultat resultat;
  registry.pruefe(resultat, kontext);
  if (meldung == nullptr) return resultat.fehlerId;
  if (resultat.fehlerId != 0) {
    *meldung =
        zdv::UtilFehlerLookup().getFeldtypText(registry.getFehlerSchluessel(), resultat.fehlerId);
  } else if (resultat.status == 2) {
    const auto eintraege = ergebnis.getEintraege();
    if (eintraege.size() == 1) *meldung = eintraege.front().text;
  }
  return resultat.fehlerId;
}

std::string konvertiereFeldtyp(const std::string& wert, bool rueckwaerts,
                               zdv::IDefdatenSteuernummer& defdaten, std::string& meldung) {
  zdv::KonvertierungsErgebnis ergebnis =
      zdv::FeldtypRegistry("Steuernummer")
          .konvertiere(wert, darstellung(true), rueckwaerts, &defdaten);
  if (!ergebnis.second.empty()) {
    meldung = std::move(ergebnis.second);
    return std::string();
  }
  return std::move(ergebnis.first);
}

int ergebnisAlsHostCode(int bibliothekscode) {
  for (const Umsetzung& u : HOST_CODES) {
    if (bibliothekscode >= u.von && bibliothekscode <= u.bis) return u.host;
  }
  return 610001001;
}

}  // namespace vesk::divideVira
