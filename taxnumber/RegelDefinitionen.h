#pragma once

#include <string>
#include <vector>

#include "rules/IFormatierung.h"
#include "rules/IPruefziffernverfahrenDefinition.h"
#include "veskplugin2/IVeskFormatierung.h"
#include "veskplugin2/IVeskPruefziffernverfahrenDefinition.h"

namespace vesk::wex2 {

// A Land's notation as the rules library reads it: copies of the host object's values.
class FormatierungImpl : public zudadavizu_20_0::IFormatierung {
 public:
  // Replaces every value by those of the host object.
  void uebernimm(const plugin2::iface::IVeskFormatierung& quelle);

  int getAnzahlStellenBezirk() const override { return stellenBezirk_; }
  int getAnzahlStellenFinanzamt() const override { return stellenFinanzamt_; }
  int getAnzahlStellenPruefziffer() const override { return stellenPruefziffer_; }
  int getAnzahlStellenUnterscheidungsnummer() const override {
    return stellenUnterscheidungsnummer_;
  }
  const std::string& getPraefix() const override { return praefix_; }
  const std::string& getTrenner1() const override { return trenner1_; }
  const std::string& getTrenner2() const override { return trenner2_; }
  const std::string& getTrenner3() const override { return trenner3_; }

 private:
  int stellenBezirk_ = 0;
  int stellenFinanzamt_ = 0;
  int stellenPruefziffer_ = 0;
  int stellenUnterscheidungsnummer_ = 0;
  std::string praefix_;
  std::string trenner1_;
  std::string trenner2_;
  std::string trenner3_;
};

// A check-digit method as the rules library reads it: copies of the host object's values.
class PruefziffernverfahrenDefinitionImpl
    : public zudadavizu_20_0::IPruefziffernverfahrenDefinition {
 public:
  // Replaces every value by those of the host object.
  void uebernimm(const plugin2::iface::IVeskPruefziffernverfahrenDefinition& quelle);

  const std::string& getVerfahren() const override { return verfahren_; }
  const std::vector<int>& getFaktoren() const override { return faktoren_; }
  const std::vector<int>& getSummanden() const override { return summanden_; }

 private:
  std::string verfahren_;
  std::vector<int> faktoren_;
  std::vector<int> summanden_;
};

}  // namespace vesk::wex2
