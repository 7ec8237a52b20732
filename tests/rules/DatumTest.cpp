// Date checks: patterns, partially known dates, the ids and messages that date and date range
// definitions record, fiscal years, conversions and the rule-set helpers.
#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <boost/lexical_cast.hpp>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "rules/Datumspruefung.h"
#include "rules/DefaultFehlerLookup.h"
#include "rules/FormatDefinitionDatumBereich.h"
#include "rules/FormatDefinitionZahl.h"
#include "rules/Formate.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

TEST(Datumspruefung, GueltigesDatumUndZweistelligeJahre) {
  // By calendar: 1900 is no leap year, 2000 and 0000 are; without a year there is no 29
  // February; the length must match the pattern; a pattern without components matches nothing.
  const struct {
    const char *wert, *muster;
    bool gueltig;
  } faelle[] = {{"29.02.2016", "dd.MM.yyyy", true},
                {"29.02.1900", "dd.MM.yyyy", false},
                {"29.02.0000", "dd.MM.yyyy", true},
                {"31.04.2014", "dd.MM.yyyy", false},
                {"31.12.2014", "dd.MM.yyyy", true},
                {"01.13.2014", "dd.MM.yyyy", false},
                {"00.01.2014", "dd.MM.yyyy", false},
                {"01.01.20155", "dd.MM.yyyy", false},
                {"12.14", "MM.yy", true},
                {"00.14", "MM.yy", false},
                {"28.02", "dd.MM", true},
                {"29.02", "dd.MM", false},
                {"15.2015", "dd.yyyy", false},
                {"abc", "xyz", false}};
  for (const auto& f : faelle) EXPECT_EQ(istGueltigesDatum(f.wert, f.muster), f.gueltig) << f.wert;
  EXPECT_THROW(istGueltigesDatum("ab.01.2015", "dd.MM.yyyy"), boost::bad_lexical_cast);
  EXPECT_THROW(komponentenPosition("dd.MM.yyyy", "YYYY"), std::invalid_argument);
  // {today's year, two digits, the latest year not after today ending in them}, by hand.
  const int jahre[][3] = {{2015, 15, 2015}, {2015, 16, 1916}, {2000, 1, 1901}, {2100, 1, 2001}};
  for (const auto& j : jahre) {
    const HeuteFest heute(boost::gregorian::date(j[0], 12, 31));
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
  };
  for (const auto& f : faelle) {
    for (int art = 0; art < 4; ++art) {
      EXPECT_EQ(teilbekanntFehler(f.tag, f.monat, f.jahr, art), f.id[art])
          << f.tag << "." << f.monat << "." << f.jahr << " kind " << art;
    }
  }
  EXPECT_THROW(teilbekanntFehler("01", "01", "2015", 4), std::runtime_error);
}

struct Fall {
  const char* wert;
  int id;  // 0: valid
  const char* schluessel;
};

// Expected message: the id's template with the field reference and the required format put
// in; a value read but rejected as a date (datumFalsch other than 51) keeps "%7".
void pruefe(const IFormatDefinition& definition, const IRegelmenge& regelmenge,
            const Darstellungsinformation& info, const char* format, std::vector<Fall> faelle) {
  for (const Fall& f : faelle) {
    TestKontext t(info);
    t.kontext.wert = f.wert;
    EXPECT_EQ(definition.pruefeWert(t.kontext, regelmenge), f.id == 0 ? 0 : 1) << f.wert;
    const auto e = t.ergebnis.getEintraege();
    ASSERT_EQ(e.size(), f.id == 0 ? 0u : 1u) << f.wert;
    if (f.id == 0) continue;
    std::string text = DefaultFehlerLookup().getText(f.id);
    if (std::string(f.schluessel) != "datumFalsch" || f.id == 51) {
      boost::algorithm::replace_all(text, "%7", format);
    }
    boost::algorithm::replace_all(text, "%1", "unbenannt/1.1");
    EXPECT_EQ(e[0].schluessel + e[0].text, f.schluessel + text) << f.wert;
  }
}

TEST(FormatDefinitionDatum, Meldungen) {
  const HeuteFest heute(boost::gregorian::date(2016, 6, 15));
  const TestRegelmenge r;
  const Darstellungsinformation ohne;
  const char* falsch = "datumFalsch";
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", true, BEKANNT), r, ohne, "TT.MM.JJJJ",
         {{"29.02.2016", 0, ""},
          {"01.01.1900", 0, ""},
          {"1.1.2016", 50, "datumFormatFalsch"},
          {"01.01.2016x", 50, "datumFormatFalsch"},
          {"29.02.2015", 50, falsch},
          {"00.01.2015", 50, falsch},
          {"31.12.1899", 51, falsch},
          {"01.01.0000", 51, falsch}});  // a known date of year 0000 is a date before 1900
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), r, ohne, "",
         {{"31.12.1899", 0, ""}, {"29.02.0000", 0, ""}, {"30.02.0000", 50, falsch}});
  pruefe(FormatDefinitionDatum("TT.MM", false, BEKANNT), r, ohne, "", {{"29.02", 50, falsch}});
  // The unknown year of a partially known date is not before 1900.
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", true, JAHR_OPTIONAL), r, ohne, "TT.MM.JJJJ",
         {{"00.00.0000", 0, ""}, {"00.00.1899", 51, falsch}});
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), r, datumsAnzeige("-", "JMT"),
         "JJJJ-MM-TT", {{"2015-02-28", 0, ""}, {"28.02.2015", 50, "datumFormatFalsch"}});
  // Optional zeros shorten day and month only; ids by teilbekanntFehler.
  const std::pair<int, Fall> teilbekannt[] = {{TAG_OPTIONAL, {"05.0.2015", 53, falsch}},
                                              {JAHR_OPTIONAL, {"00.0.0000", 61, falsch}},
                                              {MONAT_OPTIONAL, {"00.00.2015", 0, ""}},
                                              {BEKANNT, {"0.5.2015", 50, falsch}},
                                              {BEKANNT, {"1.2.2015", 0, ""}},
                                              {BEKANNT, {"1.2.15", 50, "datumFormatFalsch"}}};
  for (const auto& [art, fall] : teilbekannt) {
    pruefe(FormatDefinitionDatum("TT.MM.JJJJ", false, art), r, datumsAnzeige(".", "TMJ", "j"),
           "TT.MM.JJJJ", {fall});
  }
}

TEST(FormatDefinitionDatumBereich, Meldungen) {
  const Darstellungsinformation ohne;
  pruefe(FormatDefinitionDatumBereich("TT.MM.JJJJ", true, '-'), TestRegelmenge(2015), ohne,
         "TT.MM.JJJJ-TT.MM.JJJJ",
         {{"01.01.2015-01.01.2015", 0, ""},
          {"01.01.1900-31.12.1900", 0, ""},
          {"01.01.2015", 62, "datumBereichTrennerFehlt"},
          {"01.01.2015-31.02.2015", 62, "datumBereichFormatFalsch"},
          {"01.01.2015-01.01.2016x", 62, "datumBereichFormatFalsch"},
          {"31.12.1899-01.01.2015", 64, "datumBereichDatumFalsch"},
          {"01.01.2015-01.01.0000", 64, "datumBereichDatumFalsch"},
          {"02.01.2015-01.01.2015", 63, "datumBereichNichtGueltig"},
          {"01.02.2015-01.01.2016", 0, ""}});
  pruefe(FormatDefinitionDatumBereich("TT.MM.JJJJ", false, '-'), TestRegelmenge(),
         datumsAnzeige(".", "JMT"), "JJJJ.MM.TT~JJJJ.MM.TT",
         {{"2015.01.01~2015.12.31", 0, ""},
          {"2015.01.01-2015.12.31", 62, "datumBereichTrennerFehlt"}});
  // Fiscal years (pattern exactly "yyyy"): from 1960, up to the assessment year + 1 (no
  // bound for year 0), at most one year, end not before the beginning.
  const FormatDefinitionDatumBereich jahre("yyyy", false, '-');
  pruefe(jahre, TestRegelmenge(2015), ohne, "",
         {{"1959-1960", 65, "datumBereichAnfangVor1960"},
          {"1960-1961", 0, ""},
          {"2016-2017", 66, "datumBereichEndeNachVZPlusEins"},
          {"2015-2016", 0, ""},
          {"2010-2012", 67, "datumBereichUmfasstMehrAlsEinJahr"},
          {"2011-2010", 68, "datumBereichEndeVorAnfang"}});
  pruefe(jahre, TestRegelmenge(0), ohne, "", {{"2030-2031", 0, ""}});
  pruefe(FormatDefinitionDatumBereich("JJJJ", false, '-'), TestRegelmenge(2015), ohne, "JJJJ-JJJJ",
         {{"1959-1962", 0, ""}, {"2011-2010", 63, "datumBereichNichtGueltig"}});
}

TEST(FormatDefinitionDatum, KonvertiereWertUndAttribute) {
  // Display form by the settings, stored form by the pattern; zeros restored when writing.
  const Darstellung jmt(',', datumsAnzeige("-", "JMT", "j"), 2099);
  const FormatDefinitionDatum datum("TT.MM.JJJJ", false, BEKANNT);
  const FormatDefinitionDatumBereich bereich("TT.MM.JJJJ", false, '-');
  EXPECT_EQ(datum.konvertiereWert("2015-2-1", jmt, true), "01.02.2015");
  EXPECT_EQ(datum.konvertiereWert("01.02.2015", jmt, false), "2015-02-01");
  EXPECT_EQ(bereich.konvertiereWert("01.01.2015-31.12.2015", jmt, false), "2015-01-01~2015-12-31");
  EXPECT_EQ(bereich.konvertiereWert("kein Datum", jmt, true), "kein Datum");
  EXPECT_EQ(bereich.getAttribut("MaxLaenge").getZahl(), 21);
  EXPECT_EQ(bereich.getAttribut("Format").getText() + bereich.getAttribut("Muster").getText(),
            "dd.MM.yyyy-dd.MM.yyyyDatumBereich");
}

struct TestZahl : FormatDefinitionZahl {
  int pruefeWert(const Pruefkontext&, const IRegelmenge&) const override { return 0; }
  const Attribut& getAttribut(const std::string&) const override { throw 0; }
  std::string getBeschreibung() const override { return ""; }
};

TEST(Formate, ZahlenformatUndBereichsmuster) {
  TestRegelmenge regeln;
  regeln.definitionen["Zahl"] = std::make_unique<TestZahl>();
  regeln.definitionen["Datum"] = std::make_unique<FormatDefinitionDatum>("TT.MM.JJ", false, 0);
  regeln.definitionen["Bereich"] =
      std::make_unique<FormatDefinitionDatumBereich>("MM.JJ", false, '-');
  EXPECT_TRUE(istZahlenFormat("Zahl", regeln) && !istZahlenFormat("Bereich", regeln));
  EXPECT_EQ(createDatumBereichFormat("Bereich", regeln), "MM.JJ-MM.JJ");
  EXPECT_THROW(createDatumBereichFormat("Datum", regeln), std::runtime_error);
  EXPECT_THROW(istZahlenFormat("Fehlt", regeln), FeldInRegelMengeNichtDefiniertException);
}

}  // namespace
}  // namespace zudadavizu_20_0
