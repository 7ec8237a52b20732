#include "taxnumber/RegelDefinitionen.h"

#include <iterator>
#include <string>
#include <vector>

#include "taxnumber/SteuernummerTabellen.h"

namespace vesk::wex2 {

namespace {

using divideVira::Stellenwerte;
using divideVira::SteuernummerFormatZeile;

class Formatierung : public zudadavizu_20_0::IFormatierung {
 public:
  explicit Formatierung(const SteuernummerFormatZeile& zeile)
      : zeile_(zeile),
        praefix_(zeile.praefix),
        trenner1_(zeile.trenner1),
        trenner2_(zeile.trenner2),
        trenner3_(zeile.trenner3) {}

  int getAnzahlStellenBezirk() const override { return zeile_.stellenBezirk; }
  int getAnzahlStellenFinanzamt() const override { return zeile_.stellenFinanzamt; }
  int getAnzahlStellenPruefziffer() const override { return zeile_.stellenPruefziffer; }
  int getAnzahlStellenUnterscheidungsnummer() const override {
    return zeile_.stellenUnterscheidungsnummer;
  }
  const std::string& getPraefix() const override { return praefix_; }
  const std::string& getTrenner1() const override { return trenner1_; }
  const std::string& getTrenner2() const override { return trenner2_; }
  const std::string& getTrenner3() const override { return trenner3_; }

 private:
  const SteuernummerFormatZeile& zeile_;
  std::string praefix_, trenner1_, trenner2_, trenner3_;
};

class Verfahren : public zudadavizu_20_0::IPruefziffernverfahrenDefinition {
 public:
  Verfahren(int landNummer, const Stellenwerte& faktoren)
      : verfahren_(divideVira::findeSteuernummerFormat(landNummer).verfahren),
        faktoren_(faktoren.begin(), faktoren.end()) {
    if (const Stellenwerte* summanden = divideVira::waehleSummanden(landNummer)) {
      summanden_.assign(summanden->begin(), summanden->end());
    }
  }

  const std::string& getVerfahren() const override { return verfahren_; }
  const std::vector<int>& getFaktoren() const override { return faktoren_; }
  const std::vector<int>& getSummanden() const override { return summanden_; }

 private:
  std::string verfahren_;
  std::vector<int> faktoren_;
  std::vector<int> summanden_;
};

constexpr int BERLIN = 11;
constexpr std::size_t ANZAHL_FAKTORZEILEN = std::size(divideVira::FAKTOREN_TABELLE);

// One definition per weight row, then Berlin's two rows.
const std::vector<Verfahren>& alleVerfahren() {
  static const std::vector<Verfahren> alle = [] {
    std::vector<Verfahren> v;
    v.reserve(ANZAHL_FAKTORZEILEN + 2);
    for (const auto& zeile : divideVira::FAKTOREN_TABELLE)
      v.emplace_back(zeile.landNummer, zeile.werte);
    v.emplace_back(BERLIN, divideVira::BERLIN_A);
    v.emplace_back(BERLIN, divideVira::BERLIN_B);
    return v;
  }();
  return alle;
}

std::size_t verfahrensIndex(const Stellenwerte& faktoren) {
  if (&faktoren == &divideVira::BERLIN_A) return ANZAHL_FAKTORZEILEN;
  if (&faktoren == &divideVira::BERLIN_B) return ANZAHL_FAKTORZEILEN + 1;
  std::size_t i = 0;
  while (&divideVira::FAKTOREN_TABELLE[i].werte != &faktoren) ++i;
  return i;
}

}  // namespace

const zudadavizu_20_0::IFormatierung& regelFormatierung(int landNummer) {
  static const std::vector<Formatierung> alle(std::begin(divideVira::STEUERNUMMER_FORMATE),
                                              std::end(divideVira::STEUERNUMMER_FORMATE));
  const SteuernummerFormatZeile& zeile = divideVira::findeSteuernummerFormat(landNummer);
  return alle[static_cast<std::size_t>(&zeile - divideVira::STEUERNUMMER_FORMATE)];
}

const zudadavizu_20_0::IPruefziffernverfahrenDefinition& regelVerfahren(int landNummer,
                                                                        int buFaNummer,
                                                                        int bezirk) {
  divideVira::findeSteuernummerFormat(landNummer);
  return alleVerfahren()[verfahrensIndex(
      divideVira::waehleFaktoren(landNummer, buFaNummer, bezirk))];
}

}  // namespace vesk::wex2
