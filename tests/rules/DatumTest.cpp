// Date patterns, partially known dates, and what date and date range definitions record.
#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <boost/lexical_cast.hpp>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "rules/Datumspruefung.h"
#include "rules/DefaultFehlerLookup.h"
#include "rules/FormatDefinitionDatumBereich.h"
#include "rules/FormatDefinitionZahl.h"
#include "rules/Formate.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

TEST(Datumspruefung, GueltigesDatumUndZweistelligeJahre) {
  // "value pattern valid", by calendar: 1900 is no leap year, 2000 and 0000 are; without a year
  // there is no 29 February; the length must match; a pattern without components matches none.
  for (const char* fall :
       {"29.02.2016 dd.MM.yyyy 1", "29.02.1900 dd.MM.yyyy 0", "29.02.0000 dd.MM.yyyy 1",
        "31.04.2014 dd.MM.yyyy 0", "31.12.2014 dd.MM.yyyy 1", "01.13.2014 dd.MM.yyyy 0",
        "00.01.2014 dd.MM.yyyy 0", "01.01.20155 dd.MM.yyyy 0", "12.14 MM.yy 1", "00.14 MM.yy 0",
        "28.02 dd.MM 1", "29.02 dd.MM 0", "15.2015 dd.yyyy 0", "abc xyz 0"}) {
    std::istringstream zeile(fall);
    std::string wert, muster;
    bool gueltig;
    zeile >> wert >> muster >> gueltig;
    EXPECT_EQ(istGueltigesDatum(wert, muster), gueltig) << fall;
  }
  EXPECT_THROW(istGueltigesDatum("ab.01.2015", "dd.MM.yyyy"), boost::bad_lexical_cast);
  // {today's year, two digits, the latest year not after today ending in them}, by hand.
  const int jahre[][3] = {{2015, 15, 2015}, {2015, 16, 1916}, {2000, 1, 1901}, {2100, 1, 2001}};
  for (const auto& j : jahre) {
    setzeHeute(boost::gregorian::date(j[0], 12, 31));
    EXPECT_EQ(jahrAusZweiStellen(j[1]), j[2]) << j[0] << " " << j[1];
  }
  setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time));
}

TEST(Datumspruefung, TeilbekanntFehlerJedeKombination) {
  // "year month day: id of kind 0 1 2 3", by hand from the decision rules, for year "0000" or
  // known, month and day each "00", "0" or known.
  for (const char* fall :
       {"2015 00 00: 0 52 0 0", "2015 00 0: 0 59 60 60", "2015 00 05: 0 52 55 55",
        "2015 0 00: 0 53 58 58", "2015 0 0: 0 59 59 60", "2015 0 05: 0 53 56 56",
        "2015 05 00: 0 0 0 0", "2015 05 0: 0 59 59 59", "2015 05 05: 0 0 0 0",
        "0000 00 00: 0 52 54 0", "0000 00 0: 0 59 60 60", "0000 00 05: 0 52 55 57",
        "0000 0 00: 0 53 58 61", "0000 0 0: 0 59 59 60", "0000 0 05: 0 53 56 57",
        "0000 05 00: 0 54 54 57", "0000 05 0: 0 59 59 57", "0000 05 05: 0 54 54 57"}) {
    std::istringstream zeile(fall);
    std::string jahr, monat, tag;
    zeile >> jahr >> monat >> tag;
    tag.pop_back();
    for (int art = 0, id; zeile >> id; ++art) {
      EXPECT_EQ(teilbekanntFehler(tag, monat, jahr, art), id) << fall << " kind " << art;
    }
  }
  EXPECT_THROW(teilbekanntFehler("01", "01", "2015", 4), std::runtime_error);
}

// Each case is "value" (valid) or "value id key". Expected message: the id's template with the
// field reference and the required format put in; a value read but rejected as a date
// (datumFalsch other than 51) keeps "%7".
void pruefe(const IFormatDefinition& definition, const IRegelmenge& regelmenge,
            const Darstellungsinformation& info, const char* format,
            std::initializer_list<const char*> faelle) {
  for (const char* fall : faelle) {
    std::istringstream zeile(fall);
    std::string wert, schluessel;
    int id = 0;
    zeile >> wert >> id >> schluessel;
    TestKontext t(info);
    t.kontext.wert = wert;
    EXPECT_EQ(definition.pruefeWert(t.kontext, regelmenge), id == 0 ? 0 : 1) << fall;
    const auto e = t.ergebnis.getEintraege();
    ASSERT_EQ(e.size(), id == 0 ? 0u : 1u) << fall;
    if (id == 0) continue;
    std::string text = DefaultFehlerLookup().getText(id);
    if (schluessel != "datumFalsch" || id == 51) boost::algorithm::replace_all(text, "%7", format);
    boost::algorithm::replace_all(text, "%1", "unbenannt/1.1");
    EXPECT_EQ(e[0].schluessel + " " + e[0].text, schluessel + " " + text) << fall;
  }
}

TEST(FormatDefinitionDatum, Meldungen) {
  const TestRegelmenge r;
  // A fully known date of year 0000 is a date, and before 1900.
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", true, BEKANNT), r, {}, "TT.MM.JJJJ",
         {"29.02.2016", "01.01.1900", "1.1.2016 50 datumFormatFalsch",
          "01.01.2016x 50 datumFormatFalsch", "29.02.2015 50 datumFalsch",
          "00.01.2015 50 datumFalsch", "31.12.1899 51 datumFalsch", "01.01.0000 51 datumFalsch"});
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), r, {}, "",
         {"31.12.1899", "29.02.0000", "30.02.0000 50 datumFalsch"});
  pruefe(FormatDefinitionDatum("TT.MM", false, BEKANNT), r, {}, "", {"29.02 50 datumFalsch"});
  // The unknown year of a partially known date is not before 1900.
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", true, JAHR_OPTIONAL), r, {}, "TT.MM.JJJJ",
         {"00.00.0000", "00.00.1899 51 datumFalsch"});
  pruefe(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), r, datumsAnzeige("-", "JMT"),
         "JJJJ-MM-TT", {"2015-02-28", "28.02.2015 50 datumFormatFalsch"});
  // "kind case": optional zeros shorten day and month only; ids by teilbekanntFehler.
  for (const char* fall :
       {"1 05.0.2015 53 datumFalsch", "3 00.0.0000 61 datumFalsch", "2 00.00.2015",
        "0 0.5.2015 50 datumFalsch", "0 1.2.2015", "0 1.2.15 50 datumFormatFalsch"}) {
    pruefe(FormatDefinitionDatum("TT.MM.JJJJ", false, fall[0] - '0'), r,
           datumsAnzeige(".", "TMJ", "j"), "TT.MM.JJJJ", {fall + 2});
  }
}

TEST(FormatDefinitionDatumBereich, Meldungen) {
  pruefe(FormatDefinitionDatumBereich("TT.MM.JJJJ", true, '-'), TestRegelmenge(2015), {},
         "TT.MM.JJJJ-TT.MM.JJJJ",
         {"01.01.2015-01.01.2015", "01.01.1900-31.12.1900", "01.02.2015-01.01.2016",
          "01.01.2015 62 datumBereichTrennerFehlt",
          "01.01.2015-31.02.2015 62 datumBereichFormatFalsch",
          "01.01.2015-01.01.2016x 62 datumBereichFormatFalsch",
          "31.12.1899-01.01.2015 64 datumBereichDatumFalsch",
          "01.01.2015-01.01.0000 64 datumBereichDatumFalsch",
          "02.01.2015-01.01.2015 63 datumBereichNichtGueltig"});
  pruefe(FormatDefinitionDatumBereich("TT.MM.JJJJ", false, '-'), TestRegelmenge(),
         datumsAnzeige(".", "JMT"), "JJJJ.MM.TT~JJJJ.MM.TT",
         {"2015.01.01~2015.12.31", "2015.01.01-2015.12.31 62 datumBereichTrennerFehlt"});
  // Fiscal years (pattern exactly "yyyy"): from 1960, up to the assessment year + 1 (no
  // bound for year 0), at most one year, end not before the beginning.
  const FormatDefinitionDatumBereich jahre("yyyy", false, '-');
  pruefe(
      jahre, TestRegelmenge(2015), {}, "",
      {"1959-1960 65 datumBereichAnfangVor1960", "1960-1961",
       "2016-2017 66 datumBereichEndeNachVZPlusEins", "2015-2016",
       "2010-2012 67 datumBereichUmfasstMehrAlsEinJahr", "2011-2010 68 datumBereichEndeVorAnfang"});
  pruefe(jahre, TestRegelmenge(0), {}, "", {"2030-2031"});
  pruefe(FormatDefinitionDatumBereich("JJJJ", false, '-'), TestRegelmenge(2015), {}, "JJJJ-JJJJ",
         {"1959-1962", "2011-2010 63 datumBereichNichtGueltig"});
}

struct Zahl : FormatDefinitionZahl {
  int pruefeWert(const Pruefkontext&, const IRegelmenge&) const override { return 0; }
  const Attribut& getAttribut(const std::string&) const override { throw 0; }
  std::string getBeschreibung() const override { return ""; }
};

TEST(FormatDefinitionDatum, KonvertiereWertUndRegelmenge) {
  // Display form by the settings, stored form by the pattern; zeros restored when writing.
  const Darstellung jmt(',', datumsAnzeige("-", "JMT", "j"), 2099);
  TestRegelmenge regeln;
  regeln.definitionen["D"] = std::make_unique<FormatDefinitionDatum>("TT.MM.JJJJ", false, 0);
  regeln.definitionen["B"] =
      std::make_unique<FormatDefinitionDatumBereich>("TT.MM.JJJJ", false, '-');
  const IFormatDefinition &datum = regeln.getFormatDefinition("D"),
                          &bereich = regeln.getFormatDefinition("B");
  EXPECT_EQ(datum.konvertiereWert("2015-2-1", jmt, true), "01.02.2015");
  EXPECT_EQ(datum.konvertiereWert("01.02.2015", jmt, false), "2015-02-01");
  EXPECT_EQ(bereich.konvertiereWert("01.01.2015-31.12.2015", jmt, false), "2015-01-01~2015-12-31");
  EXPECT_EQ(bereich.konvertiereWert("kein Datum", jmt, true), "kein Datum");
  EXPECT_EQ(bereich.getAttribut("MaxLaenge").getZahl(), 21);
  EXPECT_EQ(bereich.getAttribut("Format").getText() + bereich.getAttribut("Muster").getText(),
            "dd.MM.yyyy-dd.MM.yyyyDatumBereich");
  EXPECT_EQ(createDatumBereichFormat("B", regeln), "TT.MM.JJJJ-TT.MM.JJJJ");
  EXPECT_THROW(createDatumBereichFormat("D", regeln), std::runtime_error);
  regeln.definitionen["Z"] = std::make_unique<Zahl>();
  EXPECT_TRUE(istZahlenFormat("Z", regeln) && !istZahlenFormat("B", regeln));
  EXPECT_THROW(istZahlenFormat("Fehlt", regeln), FeldInRegelMengeNichtDefiniertException);
}

}  // namespace
}  // namespace zudadavizu_20_0
