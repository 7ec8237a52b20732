#pragma once

#include <string>

#include "rules/IFinanzamtAdresse.h"
#include "veskplugin2/IFinanzamtsdaten.h"

namespace vesk::wex2 {

// Address view of one tax office for the rules library; refilled per request.
class FinanzamtAdresseImpl : public zudadavizu_20_0::IFinanzamtAdresse {
 public:
  ~FinanzamtAdresseImpl() override;
  const std::string& getStrasse() const override;
  const std::string& getPlz() const override;
  const std::string& getOrt() const override;
  const std::string& getName() const override;

  // Takes street, postal code, town and name from a filled record.
  void uebernimm(const plugin2::iface::IFinanzamtsdaten& daten);

 private:
  std::string strasse_;
  std::string plz_;
  std::string ort_;
  std::string name_;
};

}  // namespace vesk::wex2
