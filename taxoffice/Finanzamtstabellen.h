#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "taxoffice/Finanzamtsfelder.h"

namespace vesk::divideVira {

// One row of the Land table: every Land key with its ASCII name and abbreviation.
struct BundeslandZeile {
  int nummer;
  const char* name;
  const char* kuerzel;
};

// Entry of a selection list; a list ends with the entry whose number is 0.
struct FinanzamtListenEintrag {
  std::uint16_t nummer;
  const char* name;
};

// The offices a user may choose in one Land.
struct FinanzamtListe {
  int landNummer;
  const FinanzamtListenEintrag* eintraege;
};

// The record of one tax office: NUL-terminated ISO-8859-15 fields of fixed capacity.
struct FinanzamtEintrag {
  int nummer;
#define DV_FELD(feld, breite) char feld[(breite) + 1];
  DV_FINANZAMT_FELDER(DV_FELD)
#undef DV_FELD
};

struct FinanzamtTabelle {
  std::size_t anzahl;
  const FinanzamtEintrag* erster;
};

// Generated from taxoffice/data/*.tsv.
extern const BundeslandZeile BUNDESLAND_TABELLE[];
extern const std::size_t BUNDESLAND_TABELLE_ANZAHL;
extern const FinanzamtListenEintrag FINANZAMT_LAND_LISTE[];
extern const FinanzamtListenEintrag TESTFINANZAMT_LISTE[];
extern const FinanzamtListe FINANZAMT_LISTEN[];
extern const std::size_t FINANZAMT_LISTEN_ANZAHL;
extern const FinanzamtEintrag FINANZAMT_EINTRAEGE[];
extern const std::size_t FINANZAMT_EINTRAEGE_ANZAHL;

// The record table, sorted by number; the count is taken on first use.
FinanzamtTabelle finanzamtTabelle();

// First record whose number equals atoi(nummer); nullptr when there is none.
const FinanzamtEintrag* findeFinanzamtEintrag(const std::string& nummer);
// Name of the test office atoi(nummer), or "".
std::string findeTestfinanzamtName(const std::string& nummer);
bool istTestfinanzamt(int nummer);
// The selection list of a Land key, or nullptr (keys 54 to 56 have none).
const FinanzamtListenEintrag* holeFinanzamtListe(int landNummer);
// Whether the list of nummer / 100 offers nummer.
bool istListenFinanzamt(int nummer);
bool istBundeslandNummer(int landNummer);
// Abbreviation of a Land key, or "".
std::string holeBundeslandKuerzel(int landNummer);
// Exact, case-sensitive comparison with the abbreviations.
bool istBundeslandKuerzel(const std::string& kuerzel);

}  // namespace vesk::divideVira
