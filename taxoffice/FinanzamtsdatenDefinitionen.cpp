// Slots 17 to 19 of the tax office data service: the per-Land definitions for the host.
#include "taxnumber/FadatDefinitionen.h"
#include "taxnumber/Negativmuster.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace vesk::divideVira {

plugin2::iface::IVeskFormatierung* FinanzamtsdatenService::holeFormatierung(int landNummer) {
  return fadat::erzeugeFormatierung(landNummer);
}

plugin2::iface::IVeskPruefziffernverfahrenDefinition*
FinanzamtsdatenService::holePruefziffernverfahrenDefinition(int landNummer, int buFaNummer,
                                                            int bezirk) {
  return fadat::erzeugePruefziffernverfahrenDefinition(landNummer, buFaNummer, bezirk);
}

plugin2::iface::Negativmuster FinanzamtsdatenService::holeNegativmuster(int landNummer) {
  return negativmusterFuer(landNummer);
}

}  // namespace vesk::divideVira
