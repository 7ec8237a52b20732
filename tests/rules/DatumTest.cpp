// Date pattern checks and the date reader.
#include <gtest/gtest.h>

#include <boost/date_time/gregorian/gregorian.hpp>
#include <boost/lexical_cast.hpp>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "rules/DatumLeser.h"
#include "rules/Datumspruefung.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

using boost::gregorian::date;

// Writes day, month and year into a pattern of dd, MM and yyyy or yy.
std::string schreibe(std::string muster, int tag, int monat, int jahr) {
  const auto setze = [&muster](const std::string& komponente, int wert, int breite) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*d", breite, wert);
    const auto pos = muster.find(komponente);
    if (pos != std::string::npos) muster.replace(pos, komponente.size(), text);
  };
  setze("dd", tag, 2);
  setze("MM", monat, 2);
  if (muster.find("yyyy") != std::string::npos) {
    setze("yyyy", jahr, 4);
  } else {
    setze("yy", jahr % 100, 2);
  }
  return muster;
}

TEST(Datumspruefung, JederTagVierJahreMehrereMuster) {
  // Oracle: the date library's calendar. Two-digit years are the latest such year not after
  // today (15 June 2016), so "00" is 2000 even for 1900.
  const HeuteFest heute(date(2016, 6, 15));
  for (const std::string m : {"dd.MM.yyyy", "yyyyMMdd", "MM/dd/yyyy", "dd.MM.yy", "yyMMdd"}) {
    const bool zweiStellig = m.find("yyyy") == std::string::npos;
    for (int jahr : {1900, 2000, 2015, 2016}) {
      const int kalenderJahr = zweiStellig ? 2000 + jahr % 100 : jahr;
      for (int monat = 0; monat <= 13; ++monat) {
        for (int tag = 0; tag <= 32; ++tag) {
          const bool erwartet = monat >= 1 && monat <= 12 && tag >= 1 &&
                                tag <= date(kalenderJahr, monat, 1).end_of_month().day();
          const std::string wert = schreibe(m, tag, monat, jahr);
          ASSERT_EQ(istGueltigesDatum(wert, m), erwartet) << m << " " << wert;
        }
      }
    }
  }
}

TEST(Datumspruefung, RandfaelleUndKomponenten) {
  // Lengths must match the pattern; a pattern without year knows no 29 February; year 0000
  // and negative years are calendar years; components that are no numbers throw.
  const std::pair<const char*, const char*> gueltig[] = {{"12.14", "MM.yy"},
                                                         {"28.02", "dd.MM"},
                                                         {"31.12.0000", "dd.MM.yyyy"},
                                                         {"29.02.-004", "dd.MM.yyyy"}};
  const std::pair<const char*, const char*> ungueltig[] = {{"29.02", "dd.MM"},
                                                           {"01.01.20155", "dd.MM.yyyy"},
                                                           {"1.01.2015", "dd.MM.yyyy"},
                                                           {"15.2015", "dd.yyyy"},
                                                           {"-1", "yy"},
                                                           {"abc", "xyz"},
                                                           {"", ""}};
  for (const auto& [wert, muster] : gueltig) EXPECT_TRUE(istGueltigesDatum(wert, muster)) << wert;
  for (const auto& [wert, muster] : ungueltig)
    EXPECT_FALSE(istGueltigesDatum(wert, muster)) << wert;
  EXPECT_THROW(istGueltigesDatum("ab.01.2015", "dd.MM.yyyy"), boost::bad_lexical_cast);
  EXPECT_TRUE(istSchaltjahr(2000) && istSchaltjahr(0) && !istSchaltjahr(1900) &&
              !istSchaltjahr(2100));
  EXPECT_EQ(komponentenPosition("dd.MM.yyyy", "yy"), 6u);
  EXPECT_EQ(komponentenPosition("yyMMdd", "yyyy"), std::string::npos);
  for (const char* falsch : {"d", "YYYY", "", "yyy"}) {
    EXPECT_THROW(komponentenPosition("dd.MM.yyyy", falsch), std::invalid_argument) << falsch;
  }
  // {today's year, two digits, the latest year not after today ending in them}, by hand.
  const int jahre[][3] = {{2015, 15, 2015}, {2015, 16, 1916}, {2015, 0, 2000},
                          {2000, 1, 1901},  {2099, 99, 2099}, {2100, 1, 2001}};
  for (const auto& j : jahre) {
    const HeuteFest heute(date(j[0], 12, 31));
    EXPECT_EQ(jahrAusZweiStellen(j[1]), j[2]) << j[0] << " " << j[1];
  }
}

TEST(Datumspruefung, TeilbekanntFehlerJedeKombination) {
  // Hand evaluation of the decision rules for year "0000" or known, month and day each "00",
  // "0" or known. Columns: kinds 0 to 3.
  const struct {
    const char *jahr, *monat, *tag;
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
      {"000", "05", "05", {0, 0, 0, 0}},     {"2015", "05", " 0", {0, 0, 0, 0}},
  };
  for (const auto& fall : faelle) {
    for (int art = 0; art < 4; ++art) {
      EXPECT_EQ(teilbekanntFehler(fall.tag, fall.monat, fall.jahr, art), fall.id[art])
          << fall.tag << "." << fall.monat << "." << fall.jahr << " kind " << art;
    }
  }
  for (int art : {-1, 4}) {
    try {
      teilbekanntFehler("01", "01", "2015", art);
      ADD_FAILURE() << art;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(e.what(), "Unbekannte Art der Teilbekanntheit: '" + std::to_string(art));
    }
  }
}

TEST(DatumsSchreibweise, MusterUndFormatText) {
  const std::pair<const char*, const char*> faelle[] = {{"dd.MM.yyyy", "TT.MM.JJJJ"},
                                                        {"yyyyMMdd", "JJJJMMTT"},
                                                        {"T.M.JJJJ", "T.M.JJJJ"},
                                                        {"am dd.MM.", "am TT.MM."}};
  for (const auto& [muster, text] : faelle) {
    EXPECT_EQ(DatumsSchreibweise(muster).formatText(), text);
  }
  for (const char* falsch :
       {"", "..", "TTT.MM.JJJJ", "TT.MM.JJJ", "TT.TT", "dT.MM.JJJJ", "J", "Tag dd"}) {
    EXPECT_THROW(DatumsSchreibweise{falsch}, std::invalid_argument) << falsch;
  }
}

TEST(DatumLeser, FormatTextUndLesen) {
  // Settings: separator, order, zeros optional; nullptr for none. "-" marks an unreadable value.
  const struct {
    const char* muster;
    const char *trenner, *reihenfolge, *nullen;
    const char* formatText;
    const char* wert;
    const char* teile;  // "tag|monat|jahr" as written
  } faelle[] = {
      {"TT.MM.JJJJ", nullptr, "", "", "TT.MM.JJJJ", "01.02.2015", "01|02|2015"},
      {"TT.MM.JJJJ", nullptr, "", "", "TT.MM.JJJJ", "1.02.2015", "-"},
      {"TT.MM.JJJJ", nullptr, "", "", "TT.MM.JJJJ", "01.02.2015 ", "-"},
      {"TT.MM.JJJJ", nullptr, "", "", "TT.MM.JJJJ", "01.+2.2015", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "n", "JJJJ-MM-TT", "2015-02-01", "01|02|2015"},
      {"TT.MM.JJJJ", "-", "JMT", "n", "JJJJ-MM-TT", "01.02.2015", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "n", "JJJJ-MM-TT", "2015-2-1", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "JJJJ-MM-TT", "2015-2-1", "1|2|2015"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "JJJJ-MM-TT", "15-2-1", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "JJJJ-MM-TT", "2015-123-1", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "JJJJ-MM-TT", "2015--1", "-"},
      {"TT.MM.JJJJ", "/", "MTJ", "j", "MM/TT/JJJJ", "0/0/0000", "0|0|0000"},
      {"TT.MM.JJJJ", "", "TMJ", "n", "TTMMJJJJ", "01022015", "01|02|2015"},
      {"MM.JJ", "/", "TJM", "n", "JJ/MM", "15/02", "|02|15"},
      {"JJJJ", ".", "TMJ", "n", "JJJJ", "2015", "||2015"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::string(fall.muster) + " " + fall.wert);
    const DatumsSchreibweise muster(fall.muster);
    const DatumDarstellung d(fall.trenner == nullptr
                                 ? Darstellungsinformation()
                                 : datumsAnzeige(fall.trenner, fall.reihenfolge, fall.nullen),
                             2099);
    const std::string einzeln = fall.formatText;
    EXPECT_EQ(DatumLeser(muster, d, "").getFormatText(), einzeln);
    EXPECT_EQ(DatumLeser(muster, d, "-").getFormatText(),
              einzeln + (fall.trenner == nullptr ? "-" : "~") + einzeln);
    DatumsTeile teile[2];
    const std::size_t anzahl = DatumLeser(muster, d, "").liesAnzeige(fall.wert, teile);
    EXPECT_EQ(anzahl == 0 ? "-" : teile[0].tag + "|" + teile[0].monat + "|" + teile[0].jahr,
              fall.teile);
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
