#pragma once

#include <string>

#include "rules/IDefdatenSteuernummer.h"
#include "taxnumber/RegelDefinitionen.h"
#include "taxoffice/FinanzamtAdresseImpl.h"
#include "veskplugin2/IFinanzamtsdatenService.h"

namespace vesk::wex2 {

// The tax number definitions for the rules library, each question put to the service.
// getFormatierung, getPruefziffernverfahrenDefinition, getFinanzamtAdresse and
// getNegativmuster copy the service's answer into a member and return it: the reference
// stays valid until the same operation is called again or the object ends. Exceptions of
// the service pass through. One thread at a time.
class DefdatenSteuernummerImpl : public zudadavizu_20_0::IDefdatenSteuernummer {
 public:
  // The service is borrowed and must outlive this object.
  explicit DefdatenSteuernummerImpl(plugin2::iface::IFinanzamtsdatenService* service)
      : service_(service) {}

  const zudadavizu_20_0::IFormatierung& getFormatierung(int bundeslandnummer) override;
  bool existiertFinanzamt(int bufanummer) override;
  const zudadavizu_20_0::IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(
      int bundeslandnummer, int bufanummer, int bezirk) override;
  const zudadavizu_20_0::IFinanzamtAdresse& getFinanzamtAdresse(int bufanummer) override;
  std::string getBundeslandKuerzel(int bundeslandnummer) override;
  const plugin2::iface::Negativmuster& getNegativmuster(int bundeslandnummer) override;
  bool istBundeslandKuerzel(const std::string& kuerzel) override;

 private:
  plugin2::iface::IFinanzamtsdatenService* service_;
  FormatierungImpl formatierung_;
  PruefziffernverfahrenDefinitionImpl verfahren_;
  FinanzamtAdresseImpl adresse_;
  plugin2::iface::Negativmuster negativmuster_;
};

// The same definitions, but notation, check-digit method and negative patterns come from the
// module's constant per-Land objects, so those references stay valid for the module's life
// and no call copies anything. For checks that hold no reference across calls.
class TabellenDefdaten : public DefdatenSteuernummerImpl {
 public:
  using DefdatenSteuernummerImpl::DefdatenSteuernummerImpl;
  const zudadavizu_20_0::IFormatierung& getFormatierung(int land) override;
  const zudadavizu_20_0::IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(
      int land, int buFaNummer, int bezirk) override;
  const plugin2::iface::Negativmuster& getNegativmuster(int land) override;
};

}  // namespace vesk::wex2
