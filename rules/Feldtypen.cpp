#include "rules/Feldtypen.h"

#include "rules/IFeldtypVordefiniertFehlerIds.h"

namespace zudadavizu_20_0 {

namespace {
using Ids = IFeldtypVordefiniertFehlerIds;
}  // namespace

const FeldtypEintrag FELDTYPEN[ANZAHL_FELDTYPEN] = {
    {Feldtyp::IDNr, "IDNr", Ids::UNGUELTIGE_ID_NUMMER, false},
    {Feldtyp::Steuernummer, "Steuernummer", Ids::UNGUELTIGE_STEUERNUMMER, true},
    {Feldtyp::Bundesfinanzamtsnummer, "Bundesfinanzamtsnummer",
     Ids::UNGUELTIGE_BUNDESFINANZAMTSNUMMER, true},
    {Feldtyp::Laenderkuerzel, "Laenderkuerzel", Ids::UNGUELTIGES_LAENDERKUERZEL, true},
    {Feldtyp::UStIdNr, "UStIdNr", Ids::UNGUELTIGE_UST_ID_NR, false},
    {Feldtyp::Bundessteuernummer, "Bundessteuernummer", Ids::UNGUELTIGE_BUNDESSTEUERNUMMER, true},
    {Feldtyp::EMail, "EMail", Ids::UNGUELTIGE_EMAIL, false},
    {Feldtyp::IBAN, "IBAN", Ids::UNGUELTIGE_IBAN, false},
    {Feldtyp::BIC, "BIC", Ids::UNGUELTIGE_BIC, false},
    {Feldtyp::DatumMMJJ, "DATUM_MMJJ", Ids::UNGUELTIGES_DATUM_MMJJ, false},
    {Feldtyp::DatumTTMMJJ, "DATUM_TTMMJJ", Ids::UNGUELTIGES_DATUM_TTMMJJ, false},
};

const FeldtypEintrag* feldtypEintrag(std::string_view name) {
  for (const FeldtypEintrag& eintrag : FELDTYPEN) {
    if (eintrag.name == name) return &eintrag;
  }
  return nullptr;
}

}  // namespace zudadavizu_20_0
