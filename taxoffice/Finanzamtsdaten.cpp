#include "taxoffice/Finanzamtsdaten.h"

namespace vesk::wex2 {

namespace {

void setze(std::string& feld, const std::string& wert) {
  if (&feld != &wert) feld = wert;
}

}  // namespace

Finanzamtsdaten::~Finanzamtsdaten() = default;

const std::string& Finanzamtsdaten::getBuFaNummer() const { return BuFaNummer_; }
void Finanzamtsdaten::setBuFaNummer(const std::string& wert) { setze(BuFaNummer_, wert); }
bool Finanzamtsdaten::getKennzeichenA() const { return kennzeichenA_; }
void Finanzamtsdaten::setKennzeichenA(bool wert) { kennzeichenA_ = wert; }
bool Finanzamtsdaten::getKennzeichenB() const { return kennzeichenB_; }
void Finanzamtsdaten::setKennzeichenB(bool wert) { kennzeichenB_ = wert; }

#define DV_FELD_DEFINITION(feld)                                            \
  const std::string& Finanzamtsdaten::get##feld() const { return feld##_; } \
  void Finanzamtsdaten::set##feld(const std::string& wert) { setze(feld##_, wert); }
VESK_FINANZAMTSDATEN_FELDER(DV_FELD_DEFINITION)
#undef DV_FELD_DEFINITION

}  // namespace vesk::wex2
