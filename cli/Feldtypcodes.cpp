#include "cli/Feldtypcodes.h"

#include <map>

#include "cli/Json.h"
#include "rules/FeldtypRegistry.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "rules/UtilFehlerLookup.h"

namespace dvhost {

namespace {
using Ids = zudadavizu_20_0::IFeldtypVordefiniertFehlerIds;
}  // namespace

const std::vector<int>& feldtypCodes(const std::string& typ) {
  // Which verifier returns which of the library's codes; the conversion failures 1006 and
  // 1007 belong to the service, not to a verifier.
  static const std::map<std::string, std::vector<int>> kCodes{
      {"IDNr",
       {Ids::IDNR_KEINE_ZIFFERN, Ids::IDNR_WIEDERHOLUNG_FALSCH, Ids::IDNR_LAENGE_FALSCH,
        Ids::IDNR_PRUEFZIFFER_FALSCH}},
      {"Steuernummer",
       {Ids::STEUERNUMMER_MUSTER_FALSCH, Ids::STEUERNUMMER_FINANZAMT_UNBEKANNT,
        Ids::STEUERNUMMER_BEZIRK_NULL, Ids::STEUERNUMMER_NEGATIVMUSTER,
        Ids::STEUERNUMMER_PRUEFZIFFER_FALSCH}},
      {"Bundesfinanzamtsnummer", {Ids::BUFANUMMER_FORMAT_FALSCH, Ids::BUFANUMMER_UNBEKANNT}},
      {"Laenderkuerzel", {Ids::LAENDERKUERZEL_UNBEKANNT}},
      {"UStIdNr",
       {Ids::USTIDNR_FORMAT_FALSCH, Ids::USTIDNR_DE_LAENGE_FALSCH, Ids::USTIDNR_ZU_KURZ,
        Ids::USTIDNR_ZU_LANG, Ids::USTIDNR_UNGUELTIG}},
      {"Bundessteuernummer", {Ids::BUNDESSTEUERNUMMER_UNGUELTIG}},
      {"EMail", {Ids::EMAIL_UNGUELTIG}},
      {"IBAN",
       {Ids::IBAN_AUFBAU_FALSCH, Ids::IBAN_LAENDERCODE_UNBEKANNT, Ids::IBAN_LAENDERFORMAT_FALSCH,
        Ids::IBAN_PRUEFZIFFER_FALSCH}},
      {"BIC", {Ids::BIC_FORMAT_FALSCH, Ids::BIC_LAENDERCODE_UNBEKANNT}},
      {"DATUM_MMJJ", {Ids::DATUM_UNGUELTIG}},
      {"DATUM_TTMMJJ", {Ids::DATUM_UNGUELTIG}},
  };
  static const std::vector<int> keine;
  const auto gefunden = kCodes.find(typ);
  return gefunden == kCodes.end() ? keine : gefunden->second;
}

int zeigeFeldtypCodes(Sitzung& sitzung, const std::string& typ, bool json,
                      const std::function<std::string(const std::string&)>& formuliere) {
  const std::string& schluessel = zudadavizu_20_0::FeldtypRegistry(typ).getFehlerSchluessel();
  const zudadavizu_20_0::UtilFehlerLookup lookup;
  for (int code : feldtypCodes(typ)) {
    const std::string text = formuliere(lookup.getFeldtypText(schluessel, code));
    if (json) {
      sitzung.jsonZeile(JsonObjekt().text("typ", typ).zahl("code", code).text("text", text).str());
    } else {
      sitzung.zeile(std::to_string(code) + " " + text);
    }
  }
  return kAllesGueltig;
}

}  // namespace dvhost
