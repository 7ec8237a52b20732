#include "taxnumber/RegelDefinitionen.h"

namespace vesk::wex2 {

void FormatierungImpl::uebernimm(const plugin2::iface::IVeskFormatierung& quelle) {
  stellenBezirk_ = quelle.getAnzahlStellenBezirk();
  stellenFinanzamt_ = quelle.getAnzahlStellenFinanzamt();
  stellenPruefziffer_ = quelle.getAnzahlStellenPruefziffer();
  stellenUnterscheidungsnummer_ = quelle.getAnzahlStellenUnterscheidungsnummer();
  praefix_ = quelle.getPraefix();
  trenner1_ = quelle.getTrenner1();
  trenner2_ = quelle.getTrenner2();
  trenner3_ = quelle.getTrenner3();
}

void PruefziffernverfahrenDefinitionImpl::uebernimm(
    const plugin2::iface::IVeskPruefziffernverfahrenDefinition& quelle) {
  verfahren_ = quelle.getVerfahren();
  faktoren_ = quelle.getFaktoren();
  summanden_ = quelle.getSummanden();
}

}  // namespace vesk::wex2
