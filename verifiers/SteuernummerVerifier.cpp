#include <algorithm>
#include <boost/lexical_cast.hpp>
#include <cstring>

#include "verifiers/Muster.h"
#include "verifiers/Pruefziffern.h"
#include "verifiers/SteuernummerAusnahmen.h"
#include "verifiers/SteuernummerPruefung.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {

namespace {

const char* const kUngueltigeSteuernummer =
    "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben.";
const char* const kNurGueltigeKonvertieren = "Konvertiere nur gültige Steuernummmern.";
constexpr int kStellenBuFaNummer = 4;

// The display form "[0-9]{P}([0-9]{F})S1([0-9]{B})S2([0-9]{U})S3([0-9]{1})@([0-9]{2})", P the
// prefix length; the separators go in unescaped.
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

// Separators without a character that a regular expression reads specially stand for
// themselves, and then the display form is a fixed sequence of digits and literals.
bool istWoertlich(const std::string& trenner) {
  return trenner.find_first_of("\\^$.|?*+()[]{}") == std::string::npos;
}

// The digit groups of a display form (F, B, U digits and the check digit), each as
// [von, bis) in the value.
struct Gruppen {
  std::size_t von[4], bis[4];
};

// The display form read position by position; false when the value does not match. Only
// for literal separators and counts from 0 to 13.
bool liesWoertlich(const std::string& wert, const IFormatierung& format, Gruppen& g) {
  const int stellen[4] = {format.getAnzahlStellenFinanzamt(), format.getAnzahlStellenBezirk(),
                          format.getAnzahlStellenUnterscheidungsnummer(), 1};
  const std::string* trenner[4] = {&format.getTrenner1(), &format.getTrenner2(),
                                   &format.getTrenner3(), nullptr};
  std::size_t pos = 0;
  const auto ziffern = [&](std::size_t anzahl) {
    if (wert.size() - pos < anzahl) return false;
    for (std::size_t ende = pos + anzahl; pos < ende; ++pos) {
      if (!istZiffer(wert[pos])) return false;
    }
    return true;
  };
  if (!ziffern(format.getPraefix().size())) return false;
  for (int i = 0; i < 4; ++i) {
    g.von[i] = pos;
    if (!ziffern(static_cast<std::size_t>(stellen[i]))) return false;
    g.bis[i] = pos;
    if (trenner[i] != nullptr) {
      if (wert.compare(pos, trenner[i]->size(), *trenner[i]) != 0) return false;
      pos += trenner[i]->size();
    }
  }
  if (pos >= wert.size() || wert[pos++] != '@') return false;
  return ziffern(2) && pos == wert.size();
}

// The same through the regular expression, for separators that need one.
bool liesMitRegex(const std::string& wert, const IFormatierung& format, Gruppen& g) {
  boost::xpressive::smatch& treffer = trefferFuerThread();
  if (!boost::xpressive::regex_match(wert, treffer, regexFuerThread(anzeigemusterText(format)))) {
    return false;
  }
  for (int i = 0; i < 4; ++i) {
    g.von[i] = static_cast<std::size_t>(treffer[i + 1].first - wert.begin());
    g.bis[i] = static_cast<std::size_t>(treffer[i + 1].second - wert.begin());
  }
  return true;
}

bool liesAnzeigeform(const std::string& wert, const IFormatierung& format, Gruppen& g) {
  const int stellen[3] = {format.getAnzahlStellenFinanzamt(), format.getAnzahlStellenBezirk(),
                          format.getAnzahlStellenUnterscheidungsnummer()};
  const bool woertlich = std::all_of(std::begin(stellen), std::end(stellen),
                                     [](int n) { return n >= 0 && n <= 13; }) &&
                         istWoertlich(format.getTrenner1()) && istWoertlich(format.getTrenner2()) &&
                         istWoertlich(format.getTrenner3());
  return woertlich ? liesWoertlich(wert, format, g) : liesMitRegex(wert, format, g);
}

// The first digits of the tax office number, taken from the Land key.
std::string bufaAnfang(int land, int stellenFinanzamt) {
  const int anzahl = std::max(0, kStellenBuFaNummer - stellenFinanzamt);
  return std::to_string(land).substr(0, static_cast<std::size_t>(anzahl));
}

class SteuernummerVerifier : public IFeldtypVordefiniert {
 public:
  int verify(const std::string& wert, IDefdatenSteuernummer* defdaten) override {
    static const Zeichenmuster muster("[0-9]{4}0[0-9]{8}");
    const bool passt = muster.passt(wert);
    int buFaNummer = -1;
    if (passt) leseZahl(wert.data(), wert.data() + kStellenBuFaNummer, buFaNummer);
    if (defdaten == nullptr) return Ids::KEIN_FEHLER;
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
      Gruppen g;
      if (!liesAnzeigeform(wert, format, g)) return {wert, kUngueltigeSteuernummer};
      std::string ergebnis = bufaAnfang(land, format.getAnzahlStellenFinanzamt());
      ergebnis.append(wert, g.von[0], g.bis[0] - g.von[0]);
      ergebnis += '0';
      for (int i = 1; i < 4; ++i) ergebnis.append(wert, g.von[i], g.bis[i] - g.von[i]);
      return {ergebnis, std::string()};
    } catch (const std::runtime_error&) {
      // Meant: the definitions know no such Land (their errors are runtime_errors of the
      // layer above, unknown here) or its separators make no valid pattern (regex_error).
      // Both say this value cannot be converted; nothing else in the block throws one.
      return {wert, kUngueltigeSteuernummer};
    }
  }

  // The 13 digits to "<display form>@<Land key>"; only valid numbers are converted.
  KonvertierungsErgebnis convertBack(const std::string& wert,
                                     IDefdatenSteuernummer* defdaten) override {
    if (defdaten == nullptr) throw KonvertierungOhneDefdaten();
    if (verify(wert, defdaten) != Ids::KEIN_FEHLER) return {wert, kNurGueltigeKonvertieren};
    // verify passed, so wert holds 13 digits.
    const int land = zweiZiffern(wert, 0);
    const IFormatierung& format = defdaten->getFormatierung(land);
    // Counts outside the 13 digits are cut to them.
    const int stellenFinanzamt = std::clamp(format.getAnzahlStellenFinanzamt(), 0, 4);
    const int stellenBezirk = std::clamp(format.getAnzahlStellenBezirk(), 0, 7);
    const int stellenUnterscheidung =
        std::clamp(format.getAnzahlStellenUnterscheidungsnummer(), 0, 7 - stellenBezirk);
    std::string ergebnis;
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
};

}  // namespace

IFeldtypVordefiniert& steuernummerVerifier() {
  static SteuernummerVerifier verifier;
  return verifier;
}

}  // namespace zudadavizu_20_0
