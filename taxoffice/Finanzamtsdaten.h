#pragma once

#include <string>

#include "veskplugin2/IFinanzamtsdaten.h"

namespace vesk::wex2 {

// The host's record of one tax office: 31 texts and two flags that only the
// host reads. Setters ignore their own field as argument.
class Finanzamtsdaten : public plugin2::iface::IFinanzamtsdaten {
 public:
  ~Finanzamtsdaten() override;
  const std::string& getBuFaNummer() const override;
  void setBuFaNummer(const std::string& wert) override;
  bool getKennzeichenA() const override;
  void setKennzeichenA(bool wert) override;
  bool getKennzeichenB() const override;
  void setKennzeichenB(bool wert) override;
#define DV_FELD_DEKLARATION(feld)                \
  const std::string& get##feld() const override; \
  void set##feld(const std::string& wert) override;
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD_DEKLARATION)
#undef DV_FELD_DEKLARATION

 private:
  std::string BuFaNummer_;
  bool kennzeichenA_ = true;
  bool kennzeichenB_ = false;
#define DV_FELD_MEMBER(feld) std::string feld##_;
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD_MEMBER)
#undef DV_FELD_MEMBER
};

}  // namespace vesk::wex2
