#pragma once

#include <string>

namespace zudadavizu_20_0 {

// Partially known kinds of a date field (teilBekanntArtCode).
enum TeilBekanntArt { BEKANNT = 0, TAG_OPTIONAL = 1, MONAT_OPTIONAL = 2, JAHR_OPTIONAL = 3 };

// Position of the first occurrence of "dd", "MM", "yy" or "yyyy" in the pattern, npos when
// absent; std::invalid_argument for any other component.
std::string::size_type komponentenPosition(const std::string& muster,
                                           const std::string& komponente);

// Whether the value is a calendar date of the pattern ("dd", "MM", "yyyy" or else "yy", other
// characters stand for themselves but are not compared). Components that are not numbers
// throw boost::bad_lexical_cast; callers test the shape first.
bool istGueltigesDatum(const std::string& wert, const std::string& muster);

// Latest year not after the current one that ends in the two digits.
int jahrAusZweiStellen(int zweiStellen);

// 1 for a leap year of the Gregorian calendar, else 0.
int istSchaltjahr(int jahr);

// Days of the month (1 to 12) in the year.
int tageImMonat(int monat, int jahr);

// Formal id (52 to 61) that a date earns with the zeros written for day, month and year under
// the partially known kind, 0 when acceptable; std::runtime_error for an unknown kind.
int teilbekanntFehler(const std::string& tag, const std::string& monat, const std::string& jahr,
                      int teilBekanntArt);

}  // namespace zudadavizu_20_0
