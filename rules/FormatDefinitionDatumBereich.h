#pragma once

#include <string>

#include "rules/FormatDefinitionDatum.h"

namespace zudadavizu_20_0 {

// Date range field: two fully known dates of the pattern joined by the range separator (in
// display form by the display's range separator when date settings are given).
class FormatDefinitionDatumBereich : public FormatDefinitionDatum {
 public:
  FormatDefinitionDatumBereich(const std::string& muster, bool pruefeAb1900, char bereichTrenner);

  char getBereichTrenner() const { return bereichTrenner_; }
  // pattern + separator + pattern, as defined ("TT.MM.JJJJ-TT.MM.JJJJ").
  std::string getBereichMuster() const;
  // The template with every "%7" replaced by the range pattern as "TT.MM.JJJJ-TT.MM.JJJJ".
  std::string fuelleFormat(const std::string& vorlage) const override;

  // Records 62 (no separator: "datumBereichTrennerFehlt"; a half no date:
  // "datumBereichFormatFalsch"); for year ranges ("yyyy") of a rule set with fiscal-year checks
  // 65 to 68; otherwise 64 (a year before 1900) and 63 (end before start).
  int pruefeWert(const Pruefkontext& kontext, const IRegelmenge& regelmenge) const override;
  int getTyp() const override { return TYP_DATUM_BEREICH; }
  std::string konvertiereWert(const std::string& wert, const Darstellung& darstellung,
                              bool richtung) const override;

 private:
  int pruefeWirtschaftsjahr(const Datumsbefund& anfang, const Datumsbefund& ende,
                            const DatumLeser& leser, const Pruefkontext& kontext,
                            const IRegelmenge& regelmenge) const;

  char bereichTrenner_;
};

}  // namespace zudadavizu_20_0
