#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/DatumDarstellung.h"

namespace zudadavizu_20_0 {

// Day, month and year texts exactly as written in a value; empty for a component that the
// pattern lacks.
struct DatumsTeile {
  std::string tag;
  std::string monat;
  std::string jahr;
};

// Layout of a written date: literal texts and components of fixed width.
//
// A pattern names the day by T or d, the month by M and the year by J or y; a run of one letter
// is one component (day and month 1 or 2 wide, year 2 or 4), each component occurs once, and
// every other character is a literal. "dd.MM.yyyy" and "TT.MM.JJJJ" are the same layout.
//
// Reading: literals must match exactly; a component is read as its width in decimal digits.
// When leading zeros are optional, day and month may be given with fewer digits (at least one);
// the year always has its full width. No sign, blank or other character is accepted.
// Writing pads every component with leading zeros to its width.
class DatumsSchreibweise {
 public:
  // std::invalid_argument for a pattern that breaks the rules above.
  explicit DatumsSchreibweise(const std::string& muster);

  // The layout in which the caller writes dates: without date settings the pattern itself;
  // with them the pattern's components in the settings' order, joined by its separator.
  DatumsSchreibweise fuerDarstellung(const DatumDarstellung& darstellung) const;

  // The layout with T, M and J for the components ("TT.MM.JJJJ"), used in messages.
  std::string formatText() const;
  // Reads one date from pos on and advances pos behind it; false when it cannot.
  bool lies(const std::string& wert, std::size_t& pos, DatumsTeile& teile) const;
  void schreibe(const DatumsTeile& teile, std::string& ziel) const;
  // Width of the year component, 0 when the layout has none.
  int jahresBreite() const;

 private:
  struct Element {
    char art;  // 'T', 'M', 'J', or 0 for a literal
    int breite;
    std::string text;
  };
  DatumsSchreibweise() = default;

  std::vector<Element> elemente_;
  bool nullenOptional_ = false;
};

// A date as numbers; 0 stands for a component that is unknown or absent.
struct Datum {
  int jahr = 0;
  int monat = 0;
  int tag = 0;
  bool operator<(const Datum& b) const;
};

// Outcome of checking a date: 0 or the formal id of the message, and the date read.
struct Datumsbefund {
  int fehlerId = 0;
  Datum datum;
  // Whether the layout has a year and it is not the unknown "0000" of a partially known date.
  bool jahrBekannt = false;
};

// Checks the parts of a date read in the layout. The zeros that the partially known kind lets
// through (day "00"; day and month "00"; all of them "0000") mean "unknown"; every other
// combination of zeros gets its id from teilbekanntFehler, or 50 when the kind is BEKANNT, for
// which year 0000 is a year like any other. A two-digit year becomes the latest such year not
// after today. Known components must form a calendar date (an unknown year allows 29 February,
// a layout without year does not), else 50.
Datumsbefund pruefeDatumsTeile(const DatumsTeile& teile, const DatumsSchreibweise& schreibweise,
                               int teilBekanntArt);

// Reads and writes a date or a date range in display form and stored form. The stored form is
// the definition's layout (for a range: date, the definition's range separator, date); the
// display form is the layout that the date settings give (for a range joined by their range
// separator, or by the definition's when no date settings are given).
class DatumLeser {
 public:
  // bereichTrenner empty: single dates. gespeichert and darstellung must outlive the reader.
  DatumLeser(const DatumsSchreibweise& gespeichert, const DatumDarstellung& darstellung,
             std::string bereichTrenner);

  // The display layout as text, e.g. "TT.MM.JJJJ" or "JJJJ-MM-TT~JJJJ-MM-TT".
  std::string getFormatText() const;
  const std::string& getAnzeigeTrenner() const { return anzeigeTrenner_; }
  // Reads the dates of a display value into teile: returns 1 (or 2 for a range), 0 when the
  // value cannot be read.
  std::size_t liesAnzeige(const std::string& wert, DatumsTeile (&teile)[2]) const;
  // Display form to stored form (zurAnzeige false) or back; unreadable values come back as given.
  std::string konvertiere(const std::string& wert, bool zurAnzeige) const;

 private:
  std::size_t lies(const std::string& wert, const DatumsSchreibweise& schreibweise,
                   const std::string& trenner, DatumsTeile (&teile)[2]) const;

  const DatumsSchreibweise& gespeichert_;
  // Only built when the date settings differ from the pattern.
  std::optional<DatumsSchreibweise> eigeneAnzeige_;
  const DatumsSchreibweise* anzeige_;
  std::string speicherTrenner_;
  std::string anzeigeTrenner_;
};

}  // namespace zudadavizu_20_0
