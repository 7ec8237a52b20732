#pragma once

#include <stdexcept>
#include <string>

namespace zudadavizu_20_0 {

// A tax number conversion called without tax number definitions.
class KonvertierungOhneDefdaten : public std::runtime_error {
 public:
  KonvertierungOhneDefdaten()
      : std::runtime_error(
            "Die Convert-Methode im SteuernummerVerifier benötigt eine gültige "
            "defdatenSteuernummer! (IMetafeld::convert)") {}
};

// A display value without the '@' that introduces the Land key.
class FehlendeBundeslandnummer : public std::runtime_error {
 public:
  explicit FehlendeBundeslandnummer(const std::string& wert)
      : std::runtime_error("Der übergebene String \"" + wert +
                           "\" muss neben der Steuernummer in Oberflächendarstellung, getrennt "
                           "durch das Zeichen '@', auch die Bundeslandnummer enthalten.") {}
};

// A check-digit method definition whose weight list is not 12 long.
class FalscheFaktorenanzahl : public std::runtime_error {
 public:
  FalscheFaktorenanzahl()
      : std::runtime_error(
            "Der Array mit den im Prüfziffernverfahren notwendigen Faktoren hat nicht die "
            "erwartete Länge 12.") {}
};

// A "2er-Verfahren" definition whose addend list is not 12 long.
class FalscheSummandenanzahl : public std::runtime_error {
 public:
  FalscheSummandenanzahl()
      : std::runtime_error(
            "Der Array mit den im Prüfziffernverfahren notwendigen Summanden hat nicht die "
            "erwartete Länge 12.") {}
};

// A negative pattern of the tax number definitions that is not a valid regular expression.
class UngueltigesNegativmuster : public std::runtime_error {
 public:
  explicit UngueltigesNegativmuster(const std::string& muster)
      : std::runtime_error("Das Negativmuster \"" + muster + "\" hat eine ungültige Syntax.") {}
};

}  // namespace zudadavizu_20_0
