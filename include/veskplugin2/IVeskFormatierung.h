#pragma once

#include <string>

namespace vesk::plugin2::iface {

// A Land's tax number notation; returned by holeFormatierung, owned by the caller.
class IVeskFormatierung {
 public:
  virtual ~IVeskFormatierung() = default;
  virtual int getAnzahlStellenBezirk() const = 0;
  virtual int getAnzahlStellenFinanzamt() const = 0;
  virtual int getAnzahlStellenPruefziffer() const = 0;
  virtual int getAnzahlStellenUnterscheidungsnummer() const = 0;
  virtual std::string getPraefix() const = 0;
  virtual std::string getTrenner1() const = 0;
  virtual std::string getTrenner2() const = 0;
  virtual std::string getTrenner3() const = 0;
};

}  // namespace vesk::plugin2::iface
