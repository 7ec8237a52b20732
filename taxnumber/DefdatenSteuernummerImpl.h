#pragma once

#include <string>

#include "rules/IDefdatenSteuernummer.h"
#include "taxoffice/FinanzamtAdresseImpl.h"
#include "veskplugin2/IFinanzamtsdatenService.h"

namespace vesk::wex2 {

// The tax number definitions for the rules library during one service call. Notation,
// check-digit method and negative patterns are the module's constant objects, valid for
// its whole life; the office questions go to the service. getFinanzamtAdresse refills its
// member and returns it, valid until the next such call or the object's end. Exceptions of
// the tables and of the service pass through.
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
  FinanzamtAdresseImpl adresse_;
};

}  // namespace vesk::wex2
