#include "taxnumber/DefdatenSteuernummerImpl.h"

#include <memory>

#include "taxnumber/Negativmuster.h"
#include "taxoffice/Finanzamtsdaten.h"

namespace vesk::wex2 {

const zudadavizu_20_0::IFormatierung& DefdatenSteuernummerImpl::getFormatierung(
    int bundeslandnummer) {
  formatierung_.uebernimm(*std::unique_ptr<plugin2::iface::IVeskFormatierung>(
      service_->holeFormatierung(bundeslandnummer)));
  return formatierung_;
}

bool DefdatenSteuernummerImpl::existiertFinanzamt(int bufanummer) {
  return service_->existiertFinanzamt(bufanummer);
}

const zudadavizu_20_0::IPruefziffernverfahrenDefinition&
DefdatenSteuernummerImpl::getPruefziffernverfahrenDefinition(int bundeslandnummer, int bufanummer,
                                                             int bezirk) {
  verfahren_.uebernimm(*std::unique_ptr<plugin2::iface::IVeskPruefziffernverfahrenDefinition>(
      service_->holePruefziffernverfahrenDefinition(bundeslandnummer, bufanummer, bezirk)));
  return verfahren_;
}

// The service's result code is ignored: a number without record leaves the fresh record's
// texts empty, a test office fills only the name.
const zudadavizu_20_0::IFinanzamtAdresse& DefdatenSteuernummerImpl::getFinanzamtAdresse(
    int bufanummer) {
  Finanzamtsdaten daten;
  service_->holeFinanzamtsdaten(std::to_string(bufanummer), daten, false);
  adresse_.uebernimm(daten);
  return adresse_;
}

std::string DefdatenSteuernummerImpl::getBundeslandKuerzel(int bundeslandnummer) {
  return service_->holeBundeslandKuerzel(bundeslandnummer);
}

const plugin2::iface::Negativmuster& DefdatenSteuernummerImpl::getNegativmuster(
    int bundeslandnummer) {
  negativmuster_ = service_->holeNegativmuster(bundeslandnummer);
  return negativmuster_;
}

bool DefdatenSteuernummerImpl::istBundeslandKuerzel(const std::string& kuerzel) {
  return service_->istBundeslandKuerzel(kuerzel);
}

const zudadavizu_20_0::IFormatierung& TabellenDefdaten::getFormatierung(int land) {
  return regelFormatierung(land);
}

const zudadavizu_20_0::IPruefziffernverfahrenDefinition&
TabellenDefdaten::getPruefziffernverfahrenDefinition(int land, int buFaNummer, int bezirk) {
  return regelVerfahren(land, buFaNummer, bezirk);
}

const plugin2::iface::Negativmuster& TabellenDefdaten::getNegativmuster(int land) {
  return vesk::divideVira::negativmusterFuer(land);
}

}  // namespace vesk::wex2
