#include "rules/Feldtypen.h"

#include "rules/IFeldtypVordefiniertFehlerIds.h"

namespace zudadavizu_20_0 {

namespace {
using Ids = IFeldtypVordefiniertFehlerIds;
}  // namespace

const FeldtypEintrag FELDTYPEN[ANZAHL_FELDTYPEN] = {
    {Feldtyp::kIdNr, "IDNr", Ids::UNGUELTIGE_ID_NUMMER, false},
    {Feldtyp::kSteuernummer, "Steuernummer", Ids::UNGUELTIGE_STEUERNUMMER, true},
    {Feldtyp::kBundesfinanzamtsnummer, "Bundesfinanzamtsnummer",
     Ids::UNGUELTIGE_BUNDESFINANZAMTSNUMMER, true},
    {Feldtyp::kLaenderkuerzel, "Laenderkuerzel", Ids::UNGUELTIGES_LAENDERKUERZEL, true},
    {Feldtyp::kUStIdNr, "UStIdNr", Ids::UNGUELTIGE_UST_ID_NR, false},
    {Feldtyp::kBundessteuernummer, "Bundessteuernummer", Ids::UNGUELTIGE_BUNDESSTEUERNUMMER, true},
    {Feldtyp::kEMail, "EMail", Ids::UNGUELTIGE_EMAIL, false},
    {Feldtyp::kIban, "IBAN", Ids::UNGUELTIGE_IBAN, false},
    {Feldtyp::kBic, "BIC", Ids::UNGUELTIGE_BIC, false},
    {Feldtyp::kDatumMMJJ, "DATUM_MMJJ", Ids::UNGUELTIGES_DATUM_MMJJ, false},
    {Feldtyp::kDatumTTMMJJ, "DATUM_TTMMJJ", Ids::UNGUELTIGES_DATUM_TTMMJJ, false},
};

const FeldtypEintrag* feldtypEintrag(std::string_view name) {
  for (const FeldtypEintrag& eintrag : FELDTYPEN) {
    if (eintrag.name == name) return &eintrag;
  }
  return nullptr;
}

}  // namespace zudadavizu_20_0
