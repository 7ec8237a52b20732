#include "taxoffice/FinanzamtAdresseImpl.h"

namespace vesk::wex2 {

FinanzamtAdresseImpl::~FinanzamtAdresseImpl() = default;

const std::string& FinanzamtAdresseImpl::getStrasse() const { return strasse_; }
const std::string& FinanzamtAdresseImpl::getPlz() const { return plz_; }
const std::string& FinanzamtAdresseImpl::getOrt() const { return ort_; }
const std::string& FinanzamtAdresseImpl::getName() const { return name_; }

void FinanzamtAdresseImpl::uebernimm(const plugin2::iface::IFinanzamtsdaten& daten) {
  strasse_ = daten.getStrasse();
  plz_ = daten.getPlz();
  ort_ = daten.getOrt();
  name_ = daten.getName();
}

}  // namespace vesk::wex2
