#include "rules/Datumspruefung.h"

#include <boost/lexical_cast.hpp>
#include <stdexcept>
#include <string_view>

#include "rules/Heute.h"
#include "rules/IFormaleFehlerConstants.h"
#include "rules/Ziffern.h"

namespace zudadavizu_20_0 {

namespace {

constexpr int kNichtGelesen = -1;

// The component of the given width at pos, or -1 when absent or outside the value.
int liesKomponente(const std::string& wert, std::string::size_type pos, std::size_t breite) {
  if (pos == std::string::npos || pos + breite > wert.size()) return kNichtGelesen;
  // Plain digits are by far the common case; anything else keeps the library's reading.
  int zahl = 0;
  for (std::size_t i = pos; i < pos + breite; ++i) {
    if (!istZiffer(wert[i])) return boost::lexical_cast<int>(wert.substr(pos, breite));
    zahl = zahl * 10 + (wert[i] - '0');
  }
  return zahl;
}

}  // namespace

std::string::size_type komponentenPosition(const std::string& muster,
                                           const std::string& komponente) {
  const std::string_view k(komponente);  // compares lengths first, unlike string vs. char*
  if (k != "dd" && k != "MM" && k != "yy" && k != "yyyy") {
    throw std::invalid_argument("Unbekannte Datumskomponente '" + komponente + "'");
  }
  return muster.find(komponente);
}

bool istGueltigesDatum(const std::string& wert, const std::string& muster) {
  if (wert.size() != muster.size()) return false;
  const auto posTag = komponentenPosition(muster, "dd");
  const auto posMonat = komponentenPosition(muster, "MM");
  const auto posJahr4 = komponentenPosition(muster, "yyyy");
  const auto posJahr2 =
      posJahr4 == std::string::npos ? komponentenPosition(muster, "yy") : std::string::npos;
  if (posTag == std::string::npos && posMonat == std::string::npos &&
      posJahr4 == std::string::npos && posJahr2 == std::string::npos) {
    return false;
  }
  const int tag = liesKomponente(wert, posTag, 2);
  const int monat = liesKomponente(wert, posMonat, 2);
  int jahr = liesKomponente(wert, posJahr4, 4);
  if (posJahr2 != std::string::npos) {
    const int zweiStellen = liesKomponente(wert, posJahr2, 2);
    if (zweiStellen == kNichtGelesen) return false;
    jahr = jahrAusZweiStellen(zweiStellen);
  }
  if (posMonat != std::string::npos && (monat < 1 || monat > 12)) return false;
  if (posTag == std::string::npos) return true;
  if (posMonat == std::string::npos) return false;
  // Without a year in the pattern, jahr stays -1, which is no leap year.
  return tag >= 1 && tag <= tageImMonat(monat, jahr);
}

int jahrAusZweiStellen(int zweiStellen) {
  const int aktuell = heute().year();
  int jahr = zweiStellen + (aktuell / 100) * 100;
  if (jahr > aktuell) jahr -= 100;
  return jahr;
}

int istSchaltjahr(int jahr) {
  return ((jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0) ? 1 : 0;
}

int tageImMonat(int monat, int jahr) {
  static constexpr int kTage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (monat < 1 || monat > 12) throw std::out_of_range("tageImMonat: Monat ausserhalb 1 bis 12");
  return kTage[monat - 1] + (monat == 2 ? istSchaltjahr(jahr) : 0);
}

int teilbekanntFehler(const std::string& tag, const std::string& monat, const std::string& jahr,
                      int teilBekanntArt) {
  const bool j0 = jahr == "0000";
  const bool m00 = monat == "00";
  const bool m0 = monat == "0";
  const bool t00 = tag == "00";
  const bool t0 = tag == "0";
  using C = IFormaleFehlerConstants;
  switch (teilBekanntArt) {
    case BEKANNT:
      return 0;
    case TAG_OPTIONAL:
      if (t0) return C::ID_TAG_0_STATT_TAG_ODER_00;
      if (m0) return C::ID_MONAT_0_STATT_MONAT;
      if (m00) return C::ID_MONAT_00_STATT_MONAT;
      if (j0) return C::ID_JAHR_0000_STATT_JAHR;
      return 0;
    case MONAT_OPTIONAL:
      if (t0) return m00 ? C::ID_TAG_0_STATT_00 : C::ID_TAG_0_STATT_TAG_ODER_00;
      if (m0) return t00 ? C::ID_MONAT_0_STATT_MONAT_ODER_00 : C::ID_MONAT_0_UNZULAESSIG;
      if (m00 && !t00) return C::ID_MONAT_00_OHNE_TAG_00;
      if (j0) return C::ID_JAHR_0000_STATT_JAHR;
      return 0;
    case JAHR_OPTIONAL:
      if (j0 && !m00 && !m0) return C::ID_JAHR_0000_OHNE_TAG_MONAT_00;
      if (j0 && !t00 && !t0) return C::ID_JAHR_0000_OHNE_TAG_MONAT_00;
      if (!t0) {
        if (m0) {
          if (!t00) return C::ID_MONAT_0_UNZULAESSIG;
          return j0 ? C::ID_MONAT_0_STATT_00 : C::ID_MONAT_0_STATT_MONAT_ODER_00;
        }
        if (m00 && !t00) return C::ID_MONAT_00_OHNE_TAG_00;
        return 0;
      }
      return (m00 || m0) ? C::ID_TAG_0_STATT_00 : C::ID_TAG_0_STATT_TAG_ODER_00;
    default:
      throw std::runtime_error("Unbekannte Art der Teilbekanntheit: '" +
                               std::to_string(teilBekanntArt));
  }
}

}  // namespace zudadavizu_20_0
