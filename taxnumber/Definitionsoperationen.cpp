#include "taxnumber/Ausnahmen.h"
#include "taxnumber/FadatDefinitionen.h"
#include "taxnumber/Negativmuster.h"
#include "taxoffice/FinanzamtsdatenService.h"
#include "taxoffice/Finanzamtstabellen.h"

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
  const std::string kuerzel = divideVira::holeBundeslandKuerzel(landNummer);
  if (kuerzel.empty()) throw KeinBundeslandkuerzel(landNummer);
  return negativmusterFuerKuerzel(kuerzel);
}

}  // namespace vesk::divideVira
