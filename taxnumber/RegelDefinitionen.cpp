#include "taxnumber/RegelDefinitionen.h"

#include <iterator>
#include <memory>

#include "taxnumber/FadatDefinitionen.h"

namespace vesk::wex2 {

void FormatierungImpl::uebernimm(const plugin2::iface::IVeskFormatierung& quelle) {
  stellenBezirk_ = quelle.getAnzahlStellenBezirk();
  stellenFinanzamt_ = quelle.getAnzahlStellenFinanzamt();
  stellenPruefziffer_ = quelle.getAnzahlStellenPruefziffer();
  stellenUnterscheidung_ = quelle.getAnzahlStellenUnterscheidungsnummer();
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

namespace {

using divideVira::FAKTOREN_TABELLE;
using divideVira::Stellenwerte;
using divideVira::STEUERNUMMER_FORMATE;

constexpr int kBerlin = 11;
constexpr std::size_t kAnzahlFaktorzeilen = std::size(FAKTOREN_TABELLE);

PruefziffernverfahrenDefinitionImpl verfahrenMit(int landNummer, const Stellenwerte& faktoren) {
  PruefziffernverfahrenDefinitionImpl verfahren;
  verfahren.uebernimm(*std::unique_ptr<plugin2::iface::IVeskPruefziffernverfahrenDefinition>(
      divideVira::fadat::erzeugePruefziffernverfahrenDefinition(landNummer, faktoren)));
  return verfahren;
}

// One definition per weight row, then Berlin's two rows.
const std::vector<PruefziffernverfahrenDefinitionImpl>& alleVerfahren() {
  static const std::vector<PruefziffernverfahrenDefinitionImpl> alle = [] {
    std::vector<PruefziffernverfahrenDefinitionImpl> v;
    v.reserve(kAnzahlFaktorzeilen + 2);
    for (const auto& zeile : FAKTOREN_TABELLE)
      v.push_back(verfahrenMit(zeile.landNummer, zeile.werte));
    v.push_back(verfahrenMit(kBerlin, divideVira::BERLIN_A));
    v.push_back(verfahrenMit(kBerlin, divideVira::BERLIN_B));
    return v;
  }();
  return alle;
}

std::size_t verfahrensIndex(const Stellenwerte& faktoren) {
  if (&faktoren == &divideVira::BERLIN_A) return kAnzahlFaktorzeilen;
  if (&faktoren == &divideVira::BERLIN_B) return kAnzahlFaktorzeilen + 1;
  std::size_t i = 0;
  while (&FAKTOREN_TABELLE[i].werte != &faktoren) ++i;
  return i;
}

}  // namespace

const zudadavizu_20_0::IFormatierung& regelFormatierung(int landNummer) {
  static const std::vector<FormatierungImpl> alle = [] {
    std::vector<FormatierungImpl> v(std::size(STEUERNUMMER_FORMATE));
    for (std::size_t i = 0; i < v.size(); ++i) {
      v[i].uebernimm(*std::unique_ptr<plugin2::iface::IVeskFormatierung>(
          divideVira::fadat::erzeugeFormatierung(STEUERNUMMER_FORMATE[i].landNummer)));
    }
    return v;
  }();
  const auto& zeile = divideVira::findeSteuernummerFormat(landNummer);
  return alle[static_cast<std::size_t>(&zeile - STEUERNUMMER_FORMATE)];
}

const zudadavizu_20_0::IPruefziffernverfahrenDefinition& regelVerfahren(int landNummer,
                                                                        int buFaNummer,
                                                                        int bezirk) {
  divideVira::findeSteuernummerFormat(landNummer);
  return alleVerfahren()[verfahrensIndex(
      divideVira::waehleFaktoren(landNummer, buFaNummer, bezirk))];
}

}  // namespace vesk::wex2
