#include "taxnumber/FadatDefinitionen.h"

#include <string>
#include <utility>
#include <vector>

#include "taxnumber/SteuernummerFormat.h"

namespace vesk::divideVira::fadat {

// The texts are copied at construction, the digit counts read through the row.
class FormatierungImpl : public plugin2::iface::IVeskFormatierung {
 public:
  explicit FormatierungImpl(int landNummer)
      : format_(landNummer),
        praefix_(format_.zeile().praefix),
        trenner1_(format_.zeile().trenner1),
        trenner2_(format_.zeile().trenner2),
        trenner3_(format_.zeile().trenner3) {}

  int getAnzahlStellenBezirk() const override { return format_.zeile().stellenBezirk; }
  int getAnzahlStellenFinanzamt() const override { return format_.zeile().stellenFinanzamt; }
  int getAnzahlStellenPruefziffer() const override { return format_.zeile().stellenPruefziffer; }
  int getAnzahlStellenUnterscheidungsnummer() const override {
    return format_.zeile().stellenUnterscheidungsnummer;
  }
  std::string getPraefix() const override { return praefix_; }
  std::string getTrenner1() const override { return trenner1_; }
  std::string getTrenner2() const override { return trenner2_; }
  std::string getTrenner3() const override { return trenner3_; }

 private:
  SteuernummerFormat format_;
  std::string praefix_;
  std::string trenner1_;
  std::string trenner2_;
  std::string trenner3_;
};

class PruefziffernverfahrenDefinitionImpl
    : public plugin2::iface::IVeskPruefziffernverfahrenDefinition {
 public:
  explicit PruefziffernverfahrenDefinitionImpl(SteuernummerFormat format)
      : format_(std::move(format)) {}

  std::string getVerfahren() const override { return format_.zeile().verfahren; }
  std::vector<int> getFaktoren() const override { return format_.faktoren(); }
  std::vector<int> getSummanden() const override { return format_.summanden(); }

 private:
  SteuernummerFormat format_;
};

plugin2::iface::IVeskFormatierung* erzeugeFormatierung(int landNummer) {
  return new FormatierungImpl(landNummer);
}

plugin2::iface::IVeskPruefziffernverfahrenDefinition* erzeugePruefziffernverfahrenDefinition(
    int landNummer, int buFaNummer, int bezirk) {
  return new PruefziffernverfahrenDefinitionImpl(
      SteuernummerFormat(landNummer, buFaNummer, bezirk));
}

plugin2::iface::IVeskPruefziffernverfahrenDefinition* erzeugePruefziffernverfahrenDefinition(
    int landNummer, const Stellenwerte& faktoren) {
  return new PruefziffernverfahrenDefinitionImpl(SteuernummerFormat(landNummer, faktoren));
}

}  // namespace vesk::divideVira::fadat
