#include <stdexcept>

#include "taxoffice/FinanzamtsdatenService.h"

namespace vesk::divideVira {

// Placeholders until the per-Land definitions land.
plugin2::iface::IVeskFormatierung* FinanzamtsdatenService::holeFormatierung(int) {
  throw std::runtime_error("Bundesland existiert nicht.");
}
plugin2::iface::IVeskPruefziffernverfahrenDefinition*
FinanzamtsdatenService::holePruefziffernverfahrenDefinition(int, int, int) {
  throw std::runtime_error("Bundesland existiert nicht.");
}
plugin2::iface::Negativmuster FinanzamtsdatenService::holeNegativmuster(int) { return {}; }

}  // namespace vesk::divideVira
