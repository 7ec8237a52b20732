#include "taxnumber/DefdatenSteuernummerImpl.h"

#include "taxnumber/Negativmuster.h"
#include "taxnumber/RegelDefinitionen.h"
#include "taxoffice/Finanzamtsdaten.h"

namespace vesk::wex2 {

const zudadavizu_20_0::IFormatierung& DefdatenSteuernummerImpl::getFormatierung(
    int bundeslandnummer) {
  return regelFormatierung(bundeslandnummer);
}

bool DefdatenSteuernummerImpl::existiertFinanzamt(int bufanummer) {
  return service_->existiertFinanzamt(bufanummer);
}

const zudadavizu_20_0::IPruefziffernverfahrenDefinition&
DefdatenSteuernummerImpl::getPruefziffernverfahrenDefinition(int bundeslandnummer, int bufanummer,
                                                             int bezirk) {
  return regelVerfahren(bundeslandnummer, bufanummer, bezirk);
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
  return divideVira::negativmusterFuer(bundeslandnummer);
}

bool DefdatenSteuernummerImpl::istBundeslandKuerzel(const std::string& kuerzel) {
  return service_->istBundeslandKuerzel(kuerzel);
}

}  // namespace vesk::wex2
