#pragma once

#include <string>

namespace zudadavizu_20_0 {

// A Land's tax number notation: digit counts of its groups and the texts between them.
class IFormatierung {
 public:
  virtual ~IFormatierung() = default;
  // Digits of the district.
  virtual int getAnzahlStellenBezirk() const = 0;
  // Digits of the tax office part.
  virtual int getAnzahlStellenFinanzamt() const = 0;
  // Digits of the check digit.
  virtual int getAnzahlStellenPruefziffer() const = 0;
  // Digits of the distinguishing number.
  virtual int getAnzahlStellenUnterscheidungsnummer() const = 0;
  // Text in front of the office digits.
  virtual const std::string& getPraefix() const = 0;
  // Separator after the office digits.
  virtual const std::string& getTrenner1() const = 0;
  // Separator after the district.
  virtual const std::string& getTrenner2() const = 0;
  // Separator after the distinguishing number.
  virtual const std::string& getTrenner3() const = 0;
};

}  // namespace zudadavizu_20_0
