#pragma once

#include <string>
#include <vector>

#include "rules/IFormatierung.h"
#include "rules/IPruefziffernverfahrenDefinition.h"
#include "veskplugin2/IVeskFormatierung.h"
#include "veskplugin2/IVeskPruefziffernverfahrenDefinition.h"

namespace vesk::wex2 {

// A Land's notation as the rules library reads it: four counts and four texts, copied from
// the host form; the references stay valid until the next uebernimm.
class FormatierungImpl : public zudadavizu_20_0::IFormatierung {
 public:
  void uebernimm(const plugin2::iface::IVeskFormatierung& quelle);

  int getAnzahlStellenBezirk() const override { return stellenBezirk_; }
  int getAnzahlStellenFinanzamt() const override { return stellenFinanzamt_; }
  int getAnzahlStellenPruefziffer() const override { return stellenPruefziffer_; }
  int getAnzahlStellenUnterscheidungsnummer() const override { return stellenUnterscheidung_; }
  const std::string& getPraefix() const override { return praefix_; }
  const std::string& getTrenner1() const override { return trenner1_; }
  const std::string& getTrenner2() const override { return trenner2_; }
  const std::string& getTrenner3() const override { return trenner3_; }

 private:
  int stellenBezirk_ = 0, stellenFinanzamt_ = 0, stellenPruefziffer_ = 0,
      stellenUnterscheidung_ = 0;
  std::string praefix_, trenner1_, trenner2_, trenner3_;
};

// Method name, weights and addends as the rules library reads them, copied from the host
// form; the references stay valid until the next uebernimm.
class PruefziffernverfahrenDefinitionImpl
    : public zudadavizu_20_0::IPruefziffernverfahrenDefinition {
 public:
  void uebernimm(const plugin2::iface::IVeskPruefziffernverfahrenDefinition& quelle);

  const std::string& getVerfahren() const override { return verfahren_; }
  const std::vector<int>& getFaktoren() const override { return faktoren_; }
  const std::vector<int>& getSummanden() const override { return summanden_; }

 private:
  std::string verfahren_;
  std::vector<int> faktoren_, summanden_;
};

// The same definitions as constant objects, built once for the module's life, so that the
// service's own checks copy nothing.

// The notation of a Land; throws BundeslandExistiertNicht.
const zudadavizu_20_0::IFormatierung& regelFormatierung(int landNummer);

// Method, weights and addends for Land, tax office and district, looked up in the order
// notation row, weights, addends; throws BundeslandExistiertNicht or BufanummerExistiertNicht.
const zudadavizu_20_0::IPruefziffernverfahrenDefinition& regelVerfahren(int landNummer,
                                                                        int buFaNummer, int bezirk);

}  // namespace vesk::wex2
