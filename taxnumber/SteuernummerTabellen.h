#pragma once

#include <array>

namespace vesk::divideVira {

// A Land's tax number notation: prefix, F office digits, separator 1, B district digits,
// separator 2, U distinguishing digits, separator 3, P check digits.
struct SteuernummerFormatZeile {
  int landNummer;
  int stellenFinanzamt;
  int stellenBezirk;
  int stellenUnterscheidungsnummer;
  int stellenPruefziffer;
  const char* praefix;
  const char* trenner1;
  const char* trenner2;
  const char* trenner3;
  const char* verfahren;
};

// Weights or addends of positions 1 to 12 of the 13-digit notation.
using Stellenwerte = std::array<int, 12>;

struct StellenwertZeile {
  int landNummer;
  Stellenwerte werte;
};

extern const SteuernummerFormatZeile STEUERNUMMER_FORMATE[22];
// Searched in row order; Berlin (11) has no row, it uses BERLIN_A or BERLIN_B.
extern const StellenwertZeile FAKTOREN_TABELLE[21];
extern const Stellenwerte BERLIN_A;
extern const Stellenwerte BERLIN_B;
extern const StellenwertZeile SUMMANDEN_TABELLE[3];

// The notation row of a Land; throws BundeslandExistiertNicht.
const SteuernummerFormatZeile& findeSteuernummerFormat(int landNummer);
// The weights for Land, tax office and district; throws BundeslandExistiertNicht or
// BufanummerExistiertNicht.
const Stellenwerte& waehleFaktoren(int landNummer, int buFaNummer, int bezirk);
// The addends of a Land, null when it has none.
const Stellenwerte* waehleSummanden(int landNummer);

}  // namespace vesk::divideVira
