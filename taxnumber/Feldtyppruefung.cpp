#include "taxnumber/Feldtyppruefung.h"

#include "errortexts/Hostcodes.h"
#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/UtilFehlerLookup.h"
#include "verifiers/FeldtypRegistry.h"

namespace vesk::divideVira {

namespace zdv = zudadavizu_20_0;

namespace {

using Ids = zdv::IFeldtypVordefiniertFehlerIds;

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

const Umsetzung kHostCodes[] = {
    {Ids::KEIN_FEHLER, 1, 0},
    {Ids::BIC_FORMAT_FALSCH, Ids::BIC_FORMAT_FALSCH, hostcode::kBicAufbauFalsch},
    {Ids::BIC_LAENDERCODE_UNBEKANNT, Ids::BIC_LAENDERCODE_UNBEKANNT,
     hostcode::kBicLaendercodeUnbekannt},
    {Ids::BUFANUMMER_FORMAT_FALSCH, Ids::BUFANUMMER_FORMAT_FALSCH, hostcode::kParameterUngueltig},
    {Ids::BUFANUMMER_UNBEKANNT, Ids::BUFANUMMER_UNBEKANNT, hostcode::kBufanummerUngueltig},
    {Ids::IBAN_AUFBAU_FALSCH, Ids::IBAN_AUFBAU_FALSCH, hostcode::kIbanAufbauFalsch},
    {Ids::IBAN_LAENDERCODE_UNBEKANNT, Ids::IBAN_LAENDERCODE_UNBEKANNT,
     hostcode::kIbanLaendercodeUnbekannt},
    {Ids::IBAN_LAENDERFORMAT_FALSCH, Ids::IBAN_LAENDERFORMAT_FALSCH,
     hostcode::kIbanLaenderformatFalsch},
    {Ids::IBAN_PRUEFZIFFER_FALSCH, Ids::IBAN_PRUEFZIFFER_FALSCH, hostcode::kIbanPruefzifferFalsch},
    {Ids::IDNR_KEINE_ZIFFERN, Ids::IDNR_KEINE_ZIFFERN, hostcode::kIdNrNichtNumerisch},
    {Ids::IDNR_WIEDERHOLUNG_FALSCH, Ids::IDNR_WIEDERHOLUNG_FALSCH,
     hostcode::kIdNrWiederholungFalsch},
    {Ids::IDNR_LAENGE_FALSCH, Ids::IDNR_LAENGE_FALSCH, hostcode::kIdNrLaengeFalsch},
    {Ids::IDNR_PRUEFZIFFER_FALSCH, Ids::IDNR_PRUEFZIFFER_FALSCH, hostcode::kIdNrPruefzifferFalsch},
    {Ids::STEUERNUMMER_MUSTER_FALSCH, Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN,
     hostcode::kSteuernummerUngueltig},
    {Ids::STEUERNUMMER_OHNE_LAND, Ids::STEUERNUMMER_OHNE_LAND, hostcode::kLandesnummerUngueltig},
};

}  // namespace

zdv::PruefResultat pruefeFeldtyp(zdv::Feldtyp typ, const std::string& wert,
                                 zdv::IDefdatenSteuernummer* defdaten) {
  return zdv::FeldtypRegistry(typ).pruefeOhneMeldung(wert, defdaten);
}

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
  } else if (resultat.status == zdv::STATUS_HINWEIS) {
    const auto eintraege = ergebnis.getEintraege();
    if (eintraege.size() == 1) *meldung = eintraege.front().text;
  }
  return resultat.fehlerId;
}

std::string konvertiereFeldtyp(const std::string& wert, bool rueckwaerts,
                               zdv::IDefdatenSteuernummer& defdaten, std::string& meldung) {
  zdv::KonvertierungsErgebnis ergebnis =
      zdv::FeldtypRegistry(zdv::Feldtyp::kSteuernummer)
          .konvertiere(wert, darstellung(true), rueckwaerts, &defdaten);
  if (!ergebnis.second.empty()) {
    meldung = std::move(ergebnis.second);
    return std::string();
  }
  return std::move(ergebnis.first);
}

int ergebnisAlsHostCode(int bibliothekscode) {
  for (const Umsetzung& u : kHostCodes) {
    if (bibliothekscode >= u.von && bibliothekscode <= u.bis) return u.host;
  }
  return hostcode::kFehlerhaft;
}

}  // namespace vesk::divideVira
