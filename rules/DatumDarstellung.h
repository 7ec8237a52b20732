#pragma once

#include <string>
#include <vector>

#include "rules/Darstellungsinformation.h"
#include "rules/Datumsbestandteil.h"

namespace zudadavizu_20_0 {

// How the caller writes dates: separator, range separator and order of the components are
// given all together or not at all; without them dates are written as their pattern.
class DatumDarstellung {
 public:
  // Reads the date keys; throws UngueltigeDarstellungsInformationException.
  DatumDarstellung(const Darstellungsinformation& info, int jahr);

  // "DatumTrenner", or nullText().
  const std::string& getTrenner() const { return trenner_; }
  // "DatumBereichTrenner", or nullText().
  const std::string& getBereichTrenner() const { return bereichTrenner_; }
  // Components in the order of "DatumReihenfolge"; empty when not given.
  const std::vector<const Datumsbestandteil*>& getReihenfolge() const { return reihenfolge_; }
  // Whether day and month may be written without leading zeros.
  bool sindNullenOptional() const { return nullenOptional_; }
  int getJahr() const { return jahr_; }
  // Whether the date keys are set (then all three are).
  bool istGesetzt() const { return !reihenfolge_.empty(); }

 private:
  std::string trenner_;
  std::string bereichTrenner_;
  std::vector<const Datumsbestandteil*> reihenfolge_;
  bool nullenOptional_;
  int jahr_;
};

}  // namespace zudadavizu_20_0
