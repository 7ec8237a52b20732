#include "taxoffice/FinanzamtsdatenService.h"

namespace vesk::divideVira {

// Placeholders until the directory lands: every operation reports the general failure.
namespace {
constexpr int kAllgemeinerFehler = 610001001;
}

int FinanzamtsdatenService::holeFinanzamtLandNummern(std::string&, bool) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::holeTestfinanzaemter(std::string&) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::holeFinanzaemter(const std::string&, std::string&) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::holeFinanzamtsdaten(const std::string&, IFinanzamtsdaten&, bool) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::pruefeFinanzamtNummer(const std::string&) { return kAllgemeinerFehler; }
bool FinanzamtsdatenService::existiertFinanzamt(int) { return false; }
std::string FinanzamtsdatenService::holeBundeslandKuerzel(int) { return std::string(); }
bool FinanzamtsdatenService::istBundeslandKuerzel(const std::string&) { return false; }

FinanzamtsdatenService* erzeugeFinanzamtsdatenService(plugin2::iface::IPluginLogger* logger,
                                                      plugin2::iface::IServiceContext* kontext) {
  return new FinanzamtsdatenService(logger, kontext);
}

}  // namespace vesk::divideVira
