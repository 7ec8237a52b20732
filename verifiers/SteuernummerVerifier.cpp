#include <algorithm>
#include <boost/lexical_cast.hpp>

#include "verifiers/MusterCache.h"
#include "verifiers/SteuernummerAusnahmen.h"
#include "verifiers/SteuernummerPruefung.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

const char* const kUngueltigeSteuernummer =
    "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben.";
const char* const kNurGueltigeKonvertieren = "Konvertiere nur gültige Steuernummmern.";
constexpr int kStellenBuFaNummer = 4;

const Regex& steuernummerMuster() {
  static const Regex muster = Regex::compile("([0-9]{2})([0-9]{2})0[0-9]{8}");
  return muster;
}

// "[0-9]{P}([0-9]{F})S1([0-9]{B})S2([0-9]{U})S3([0-9]{1})@([0-9]{2})", P the prefix length;
// the separators go in unescaped.
std::string anzeigemusterText(const IFormatierung& format) {
  std::string text;
  text.reserve(96);
  text += "[0-9]{" + std::to_string(format.getPraefix().size()) + "}";
  text += "([0-9]{" + std::to_string(format.getAnzahlStellenFinanzamt()) + "})";
  text += format.getTrenner1();
  text += "([0-9]{" + std::to_string(format.getAnzahlStellenBezirk()) + "})";
  text += format.getTrenner2();
  text += "([0-9]{" + std::to_string(format.getAnzahlStellenUnterscheidungsnummer()) + "})";
  text += format.getTrenner3();
  text += "([0-9]{1})@([0-9]{2})";
  return text;
}

// The first digits of the tax office number, taken from the Land key.
std::string bufaAnfang(int land, int stellenFinanzamt) {
  const int anzahl = std::max(0, kStellenBuFaNummer - stellenFinanzamt);
  return std::to_string(land).substr(0, static_cast<std::size_t>(anzahl));
}

class SteuernummerVerifier : public IFeldtypVordefiniert {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer* defdaten) override {
    boost::xpressive::smatch& treffer = trefferPuffer();
    const bool passt = boost::xpressive::regex_match(wert, treffer, steuernummerMuster());
    int buFaNummer = -1;
    if (passt) leseZahl(&*treffer[1].first, &*treffer[2].second, buFaNummer);
    if (defdaten == nullptr) return 0;
    const bool bekannt = defdaten->existiertFinanzamt(buFaNummer);
    return pruefeSteuernummerKern(wert, *defdaten, passt, buFaNummer, bekannt);
  }

  // "<display form>@<Land key>" to the 13 digits.
  KonvertierungsErgebnis convert(const std::string& wert,
                                 IDefdatenSteuernummer* defdaten) override {
    if (defdaten == nullptr) throw KonvertierungOhneDefdaten();
    const std::size_t at = wert.find('@');
    if (at == std::string::npos) throw FehlendeBundeslandnummer(wert);
    int land = 0;
    if (!boost::conversion::try_lexical_convert(wert.c_str() + at + 1, wert.size() - at - 1,
                                                land)) {
      return {wert, kUngueltigeSteuernummer};
    }
    try {
      const IFormatierung& format = defdaten->getFormatierung(land);
      const Regex& muster = anzeigemuster_.hole(anzeigemusterText(format));
      boost::xpressive::smatch& treffer = trefferPuffer();
      if (!boost::xpressive::regex_match(wert, treffer, muster)) {
        return {wert, kUngueltigeSteuernummer};
      }
      std::string ergebnis = bufaAnfang(land, format.getAnzahlStellenFinanzamt());
      ergebnis.append(treffer[1].first, treffer[1].second);
      ergebnis += '0';
      for (int gruppe = 2; gruppe <= 4; ++gruppe) {
        ergebnis.append(treffer[gruppe].first, treffer[gruppe].second);
      }
      return {ergebnis, std::string()};
    } catch (const std::runtime_error&) {
      return {wert, kUngueltigeSteuernummer};
    }
  }

  // The 13 digits to "<display form>@<Land key>"; only valid numbers are converted.
  KonvertierungsErgebnis convertBack(const std::string& wert,
                                     IDefdatenSteuernummer* defdaten) override {
    if (defdaten == nullptr) throw KonvertierungOhneDefdaten();
    if (verify(wert, defdaten) != 0) return {wert, kNurGueltigeKonvertieren};
    // verify passed, so wert holds 13 digits.
    const int land = (wert[0] - '0') * 10 + (wert[1] - '0');
    const IFormatierung& format = defdaten->getFormatierung(land);
    // Counts outside the 13 digits are cut to them.
    const int stellenFinanzamt = std::clamp(format.getAnzahlStellenFinanzamt(), 0, 4);
    const int stellenBezirk = std::clamp(format.getAnzahlStellenBezirk(), 0, 7);
    const int stellenUnterscheidung =
        std::clamp(format.getAnzahlStellenUnterscheidungsnummer(), 0, 7 - stellenBezirk);
    std::string ergebnis;
    ergebnis.reserve(32);
    ergebnis += format.getPraefix();
    ergebnis.append(wert, kStellenBuFaNummer - stellenFinanzamt, stellenFinanzamt);
    ergebnis += format.getTrenner1();
    ergebnis.append(wert, 5, stellenBezirk);
    ergebnis += format.getTrenner2();
    ergebnis.append(wert, 5 + stellenBezirk, stellenUnterscheidung);
    ergebnis += format.getTrenner3();
    ergebnis += wert[12];
    ergebnis += '@';
    ergebnis.append(wert, 0, 2);
    return {ergebnis, std::string()};
  }

 private:
  MusterCache anzeigemuster_;
};

}  // namespace

IFeldtypVordefiniert& steuernummerVerifier() {
  static SteuernummerVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
