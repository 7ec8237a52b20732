#pragma once

#include <string>

#include "rules/Darstellungsinformation.h"
#include "rules/DatumDarstellung.h"

namespace zudadavizu_20_0 {

// Parsed display settings. Allowed keys: "DezimalTrenner", "WertWahr", "WertFalsch",
// "DatumTrenner", "DatumBereichTrenner", "DatumNullenOptional", "DatumReihenfolge",
// "KonvertiereEnumerationen", "KonvertiereSteuernummer"; flags are true only for "j".
class Darstellung {
 public:
  // Throws UngueltigeDarstellungsInformationException for unknown keys or bad values.
  Darstellung(char standardDezimalTrenner, const Darstellungsinformation& info, int jahr);

  const Darstellungsinformation& getEintraege() const { return eintraege_; }
  const DatumDarstellung& getDatum() const { return datum_; }
  bool istKonvertiereSteuernummer() const { return konvertiereSteuernummer_; }
  bool istKonvertiereEnumerationen() const { return konvertiereEnumerationen_; }
  bool istDezimalTrennerGesetzt() const { return dezimalTrennerGesetzt_; }
  // "WertWahr", or "null".
  const std::string& getWertWahr() const { return wertWahr_; }
  // "WertFalsch", or "null".
  const std::string& getWertFalsch() const { return wertFalsch_; }
  char getStandardDezimalTrenner() const { return standardDezimalTrenner_; }
  char getDezimalTrenner() const { return dezimalTrenner_; }

 private:
  Darstellungsinformation eintraege_;
  DatumDarstellung datum_;
  bool konvertiereSteuernummer_ = false;
  bool konvertiereEnumerationen_ = false;
  bool dezimalTrennerGesetzt_ = false;
  std::string wertWahr_;
  std::string wertFalsch_;
  char standardDezimalTrenner_;
  char dezimalTrenner_;
};

}  // namespace zudadavizu_20_0
