#include <gtest/gtest.h>

#include <boost/date_time/gregorian/gregorian.hpp>
#include <boost/lexical_cast.hpp>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "HeuteFest.h"
#include "rules/Datumspruefung.h"

namespace zudadavizu_20_0 {
namespace {

using boost::gregorian::date;

// Writes day, month and year into a pattern of dd, MM, yyyy or yy.
std::string schreibe(std::string muster, int tag, int monat, int jahr) {
  char puffer[8];
  const auto setze = [&muster](const char* komponente, const char* text) {
    const auto pos = muster.find(komponente);
    if (pos != std::string::npos) muster.replace(pos, std::string(komponente).size(), text);
  };
  std::snprintf(puffer, sizeof puffer, "%02d", tag);
  setze("dd", puffer);
  std::snprintf(puffer, sizeof puffer, "%02d", monat);
  setze("MM", puffer);
  std::snprintf(puffer, sizeof puffer, "%04d", jahr);
  if (muster.find("yyyy") != std::string::npos) {
    setze("yyyy", puffer);
  } else {
    setze("yy", puffer + 2);
  }
  return muster;
}

TEST(Datumspruefung, JederTagVierJahreMehrereMuster) {
  // Oracle: the Gregorian calendar of the date library. Two-digit years stand for the latest
  // year not after today (fixed at 15 June 2016), so "00" is 2000 even for 1900.
  const HeuteFest heute(date(2016, 6, 15));
  const char* const muster[] = {"dd.MM.yyyy", "yyyyMMdd", "MM/dd/yyyy", "dd.MM.yy",
                                "yyMMdd",     "ddMMyy",   "yyyy-MM-dd"};
  for (const char* m : muster) {
    const bool zweiStellig = std::string(m).find("yyyy") == std::string::npos;
    for (int jahr : {1900, 2000, 2015, 2016}) {
      const int kalenderJahr = zweiStellig ? (jahr % 100 <= 16 ? 2000 : 1900) + jahr % 100 : jahr;
      for (int monat = 0; monat <= 13; ++monat) {
        for (int tag = 0; tag <= 32; ++tag) {
          bool erwartet = false;
          if (monat >= 1 && monat <= 12 && tag >= 1) {
            erwartet = tag <= date(kalenderJahr, monat, 1).end_of_month().day();
          }
          const std::string wert = schreibe(m, tag, monat, jahr);
          ASSERT_EQ(istGueltigesDatum(wert, m), erwartet) << m << " " << wert;
        }
      }
    }
  }
}

TEST(Datumspruefung, Randfaelle) {
  const HeuteFest heute(date(2015, 3, 1));
  const struct {
    const char* wert;
    const char* muster;
    bool gueltig;
  } faelle[] = {
      {"29.02.2016", "dd.MM.yyyy", true},
      {"29.02.2015", "dd.MM.yyyy", false},
      {"31.04.2014", "dd.MM.yyyy", false},
      {"01.13.2014", "dd.MM.yyyy", false},
      {"12.14", "MM.yy", true},
      {"13.14", "MM.yy", false},
      {"00.14", "MM.yy", false},
      {"29.02", "dd.MM", false},
      {"28.02", "dd.MM", true},
      {"01.01.20155", "dd.MM.yyyy", false},
      {"1.01.2015", "dd.MM.yyyy", false},
      {"15.2015", "dd.yyyy", false},
      {"2015", "yyyy", true},
      {"15", "yy", true},
      {"-1", "yy", false},
      {"abc", "xyz", false},
      {"", "", false},
      {"31.12.0000", "dd.MM.yyyy", true},
      {"29.02.-004", "dd.MM.yyyy", true},
      {"29.02.+004", "dd.MM.yyyy", true},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(istGueltigesDatum(fall.wert, fall.muster), fall.gueltig)
        << fall.wert << " " << fall.muster;
  }
  // Components that are not numbers are the caller's error.
  EXPECT_THROW(istGueltigesDatum("ab.01.2015", "dd.MM.yyyy"), boost::bad_lexical_cast);
  EXPECT_THROW(istGueltigesDatum("01.01. 015", "dd.MM.yyyy"), boost::bad_lexical_cast);
}

TEST(Datumspruefung, KomponentenPosition) {
  const struct {
    const char* muster;
    const char* komponente;
    std::string::size_type position;
  } faelle[] = {
      {"dd.MM.yyyy", "dd", 0},
      {"dd.MM.yyyy", "MM", 3},
      {"dd.MM.yyyy", "yyyy", 6},
      {"dd.MM.yyyy", "yy", 6},
      {"MM.yy", "dd", std::string::npos},
      {"ddMMdd", "dd", 0},
      {"yyMMdd", "yyyy", std::string::npos},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(komponentenPosition(fall.muster, fall.komponente), fall.position)
        << fall.muster << " " << fall.komponente;
  }
  for (const char* falsch : {"d", "YYYY", "TT", "", "yyy"}) {
    EXPECT_THROW(komponentenPosition("dd.MM.yyyy", falsch), std::invalid_argument) << falsch;
  }
}

TEST(Datumspruefung, JahrAusZweiStellen) {
  // The latest year not after today's that ends in the two digits, by hand.
  const struct {
    int heute;
    int zweiStellen;
    int jahr;
  } faelle[] = {
      {2015, 15, 2015}, {2015, 16, 1916}, {2015, 99, 1999}, {2015, 0, 2000},
      {2000, 0, 2000},  {2000, 1, 1901},  {2099, 99, 2099}, {2100, 1, 2001},
  };
  for (const auto& fall : faelle) {
    const HeuteFest heute(date(fall.heute, 12, 31));
    EXPECT_EQ(jahrAusZweiStellen(fall.zweiStellen), fall.jahr)
        << fall.heute << " " << fall.zweiStellen;
  }
}

TEST(Datumspruefung, HeuteOhneFestlegungIstDieUhr) {
  const date uhr = boost::gregorian::day_clock::local_day();
  EXPECT_LE((heute() - uhr).days(), 1);
  EXPECT_GE((heute() - uhr).days(), 0);
  {
    const HeuteFest fest(date(1999, 12, 31));
    EXPECT_EQ(heute(), date(1999, 12, 31));
  }
  EXPECT_NE(heute(), date(1999, 12, 31));
}

TEST(Datumspruefung, Schaltjahr) {
  // Divisible by 4 and not by 100, or by 400.
  const struct {
    int jahr;
    int schalt;
  } faelle[] = {{1900, 0}, {2000, 1}, {2015, 0}, {2016, 1}, {2100, 0},
                {2400, 1}, {4, 1},    {0, 1},    {-1, 0},   {1, 0}};
  for (const auto& fall : faelle) EXPECT_EQ(istSchaltjahr(fall.jahr), fall.schalt) << fall.jahr;
}

TEST(Datumspruefung, TeilbekanntFehlerJedeKombination) {
  // Hand evaluation of the decision rules for every combination of the zero flags: year
  // "0000" or known, month and day each "00", "0" or known. Columns: kinds 0, 1, 2, 3.
  const struct {
    const char* jahr;
    const char* monat;
    const char* tag;
    int id[4];
  } faelle[] = {
      {"2015", "00", "00", {0, 52, 0, 0}},   {"2015", "00", "0", {0, 59, 60, 60}},
      {"2015", "00", "05", {0, 52, 55, 55}}, {"2015", "0", "00", {0, 53, 58, 58}},
      {"2015", "0", "0", {0, 59, 59, 60}},   {"2015", "0", "05", {0, 53, 56, 56}},
      {"2015", "05", "00", {0, 0, 0, 0}},    {"2015", "05", "0", {0, 59, 59, 59}},
      {"2015", "05", "05", {0, 0, 0, 0}},    {"0000", "00", "00", {0, 52, 54, 0}},
      {"0000", "00", "0", {0, 59, 60, 60}},  {"0000", "00", "05", {0, 52, 55, 57}},
      {"0000", "0", "00", {0, 53, 58, 61}},  {"0000", "0", "0", {0, 59, 59, 60}},
      {"0000", "0", "05", {0, 53, 56, 57}},  {"0000", "05", "00", {0, 54, 54, 57}},
      {"0000", "05", "0", {0, 59, 59, 57}},  {"0000", "05", "05", {0, 54, 54, 57}},
  };
  for (const auto& fall : faelle) {
    for (int art = 0; art < 4; ++art) {
      EXPECT_EQ(teilbekanntFehler(fall.tag, fall.monat, fall.jahr, art), fall.id[art])
          << fall.tag << "." << fall.monat << "." << fall.jahr << " Art " << art;
    }
  }
  // Only the exact spellings count: "000" is no "0000", " 0" no "0".
  EXPECT_EQ(teilbekanntFehler("05", "05", "000", 1), 0);
  EXPECT_EQ(teilbekanntFehler(" 0", "05", "2015", 1), 0);
}

TEST(Datumspruefung, UnbekannteArt) {
  for (int art : {-1, 4}) {
    try {
      teilbekanntFehler("01", "01", "2015", art);
      FAIL() << art;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()),
                "Unbekannte Art der Teilbekanntheit: '" + std::to_string(art));
    }
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
