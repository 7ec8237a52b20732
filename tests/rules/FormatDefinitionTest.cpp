// Date and date range format definitions: attributes, every id their checks report, the
// fiscal-year rules and conversions; the rule-set helpers.
#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "rules/DefaultFehlerLookup.h"
#include "rules/FormatDefinitionDatumBereich.h"
#include "rules/FormatDefinitionZahl.h"
#include "rules/Formate.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

// A number format as a rule set would define one; its checks are not the library's.
class TestZahl : public FormatDefinitionZahl {
 public:
  int pruefeWert(const Pruefkontext&, const IRegelmenge&) const override { return 0; }
  const Attribut& getAttribut(const std::string&) const override { return leer_; }
  std::string getBeschreibung() const override { return "Zahl"; }

 private:
  Attribut leer_;
};

struct Fall {
  const char* wert;
  int id;  // 0: valid
  const char* schluessel;
};

// Expected message: the id's template (checked byte for byte in MeldungenTest) with the field
// reference and the required format put in.
void pruefeFaelle(const IFormatDefinition& definition, const IRegelmenge& regelmenge,
                  const Darstellungsinformation& info, const std::string& format,
                  const std::vector<Fall>& faelle) {
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.wert);
    TestKontext t(info);
    EXPECT_EQ(definition.pruefeWert(t.mit(fall.wert), regelmenge), fall.id == 0 ? 0 : 1);
    const auto eintraege = t.ergebnis.getEintraege();
    ASSERT_EQ(eintraege.size(), fall.id == 0 ? 0u : 1u);
    if (fall.id == 0) continue;
    std::string text = DefaultFehlerLookup().getText(fall.id);
    boost::algorithm::replace_all(text, "%7", format);
    boost::algorithm::replace_all(text, "%1", "unbenannt/1.1");
    EXPECT_EQ(eintraege[0].schluessel, fall.schluessel);
    EXPECT_EQ(eintraege[0].text, text);
  }
}

TEST(FormatDefinitionDatum, AttributeUndFormat) {
  const FormatDefinitionDatum datum("TT.MM.JJJJ", false, MONAT_OPTIONAL);
  EXPECT_EQ(datum.getAttribut("MaxLaenge").getZahl(), 10);
  EXPECT_EQ(datum.getAttribut("Format").getText(), "dd.MM.yyyy");
  EXPECT_EQ(datum.fuelleFormat("(%7|%7)"), "(TT.MM.JJJJ|TT.MM.JJJJ)");
  const FormatDefinitionDatumBereich bereich("MM.JJJJ", false, '/');
  EXPECT_EQ(bereich.getAttribut("MaxLaenge").getZahl(), 15);
  EXPECT_EQ(bereich.getAttribut("Format").getText(), "MM.yyyy/MM.yyyy");
  EXPECT_EQ(bereich.getAttribut("Muster").getText(), "DatumBereich");
  const char* const arten[] = {"Bekannt", "TagOptional", "MonatOptional", "JahrOptional"};
  for (int art = 0; art < 4; ++art) {
    EXPECT_EQ(FormatDefinitionDatum("yyyy", false, art).getAttribut("TeilBekanntArt").getText(),
              arten[art]);
  }
  EXPECT_THROW(FormatDefinitionDatum("TT.MM.JJJJ", false, 4), std::invalid_argument);
  EXPECT_THROW(FormatDefinitionDatum("TT.MM.JJJ", false, 0), std::invalid_argument);
}

TEST(FormatDefinitionDatum, JedeMeldung) {
  const HeuteFest heute(boost::gregorian::date(2016, 6, 15));
  const TestRegelmenge regeln;
  const Darstellungsinformation ohne;
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", true, BEKANNT), regeln, ohne, "TT.MM.JJJJ",
               {{"29.02.2016", 0, ""},
                {"01.01.1900", 0, ""},
                {"1.1.2016", 50, "datumFormatFalsch"},
                {"01.01.16", 50, "datumFormatFalsch"},
                {"", 50, "datumFormatFalsch"},
                {"29.02.2015", 50, "datumFalsch"},
                {"00.01.2015", 50, "datumFalsch"},
                {"01.01.0000", 50, "datumFalsch"},
                {"31.12.1899", 51, "datumFalsch"}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), regeln, ohne, "TT.MM.JJJJ",
               {{"31.12.1899", 0, ""}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJ", true, BEKANNT), regeln, ohne, "TT.MM.JJ",
               {{"29.02.00", 0, ""}, {"29.02.17", 50, "datumFalsch"}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM", false, BEKANNT), regeln, ohne, "TT.MM",
               {{"28.02", 0, ""}, {"29.02", 50, "datumFalsch"}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", true, JAHR_OPTIONAL), regeln, ohne, "TT.MM.JJJJ",
               {{"00.00.0000", 0, ""}, {"00.00.1899", 51, "datumFalsch"}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), regeln,
               datumsAnzeige("-", "JMT"), "JJJJ-MM-TT",
               {{"2015-02-28", 0, ""},
                {"28.02.2015", 50, "datumFormatFalsch"},
                {"2015-02-29", 50, "datumFalsch"}});
  // Day and month may be written as "0" here, which the partially known rules tell apart from
  // "00"; the ids follow the decision table of teilbekanntFehler.
  const struct {
    int art;
    Fall fall;
  } teilbekannt[] = {
      {TAG_OPTIONAL, {"05.00.2015", 52, "datumFalsch"}},
      {TAG_OPTIONAL, {"05.0.2015", 53, "datumFalsch"}},
      {TAG_OPTIONAL, {"05.05.0000", 54, "datumFalsch"}},
      {MONAT_OPTIONAL, {"05.00.2015", 55, "datumFalsch"}},
      {MONAT_OPTIONAL, {"5.0.2015", 56, "datumFalsch"}},
      {JAHR_OPTIONAL, {"05.05.0000", 57, "datumFalsch"}},
      {MONAT_OPTIONAL, {"00.0.2015", 58, "datumFalsch"}},
      {TAG_OPTIONAL, {"0.05.2015", 59, "datumFalsch"}},
      {MONAT_OPTIONAL, {"0.00.2015", 60, "datumFalsch"}},
      {JAHR_OPTIONAL, {"00.0.0000", 61, "datumFalsch"}},
      {TAG_OPTIONAL, {"00.5.2015", 0, ""}},
      {MONAT_OPTIONAL, {"00.00.2015", 0, ""}},
      {BEKANNT, {"0.5.2015", 50, "datumFalsch"}},
  };
  for (const auto& f : teilbekannt) {
    pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", false, f.art), regeln,
                 datumsAnzeige(".", "TMJ", "j"), "TT.MM.JJJJ", {f.fall});
  }
  // Without logger and display settings the check still runs.
  TestKontext t;
  t.kontext.logger = nullptr;
  t.kontext.darstellung = nullptr;
  EXPECT_EQ(
      FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT).pruefeWert(t.mit("01.01.2015"), regeln),
      0);
}

TEST(FormatDefinitionDatumBereich, JedeMeldung) {
  const FormatDefinitionDatumBereich bereich("TT.MM.JJJJ", false, '-');
  const std::vector<Fall> faelle = {
      {"01.01.2015-31.12.2015", 0, ""},
      {"01.01.2015-01.01.2015", 0, ""},
      {"01.01.2015", 62, "datumBereichTrennerFehlt"},
      {"01.01.2015/01.01.2016", 62, "datumBereichTrennerFehlt"},
      {"01.01.2015-31.02.2015", 62, "datumBereichFormatFalsch"},
      {"01.01.2015-", 62, "datumBereichFormatFalsch"},
      {"01.01.2015-01.01.2016x", 62, "datumBereichFormatFalsch"},
      {"31.12.1899-01.01.2015", 64, "datumBereichDatumFalsch"},
      {"01.01.1800-31.12.1799", 64, "datumBereichDatumFalsch"},
      {"02.01.2015-01.01.2015", 63, "datumBereichNichtGueltig"},
  };
  const Darstellungsinformation ohne;
  // The fiscal-year switch only affects the pattern "yyyy".
  for (bool wirtschaftsjahr : {false, true}) {
    pruefeFaelle(bereich, TestRegelmenge(wirtschaftsjahr, 2015), ohne, "TT.MM.JJJJ-TT.MM.JJJJ",
                 faelle);
  }
  pruefeFaelle(bereich, TestRegelmenge(), datumsAnzeige(".", "JMT"), "JJJJ.MM.TT~JJJJ.MM.TT",
               {{"2015.01.01~2015.12.31", 0, ""},
                {"01.01.2015-31.12.2015", 62, "datumBereichTrennerFehlt"},
                {"2015.12.31~2015.01.01", 63, "datumBereichNichtGueltig"}});

  // Fiscal years: begin from 1960, end up to the assessment year + 1 (none for year 0), at
  // most one year, end not before the beginning.
  const FormatDefinitionDatumBereich jahre("yyyy", false, '-');
  pruefeFaelle(jahre, TestRegelmenge(true, 2015), ohne, "JJJJ-JJJJ",
               {{"1959-1960", 65, "datumBereichAnfangVor1960"},
                {"1899-1950", 65, "datumBereichAnfangVor1960"},
                {"2016-2017", 66, "datumBereichEndeNachVZPlusEins"},
                {"2010-2012", 67, "datumBereichUmfasstMehrAlsEinJahr"},
                {"2011-2010", 68, "datumBereichEndeVorAnfang"},
                {"2015-2016", 0, ""},
                {"1960-1961", 0, ""},
                {"2015", 62, "datumBereichTrennerFehlt"},
                {"15-2016", 62, "datumBereichFormatFalsch"}});
  pruefeFaelle(jahre, TestRegelmenge(true, 0), ohne, "JJJJ-JJJJ",
               {{"2030-2031", 0, ""}, {"2030-2032", 67, "datumBereichUmfasstMehrAlsEinJahr"}});
  // Without the switch, or with another pattern text than "yyyy", the general range checks.
  const FormatDefinitionDatumBereich jjjj("JJJJ", false, '-');
  for (const auto& [definition, wirtschaftsjahr] : {std::pair{&jahre, false}, {&jjjj, true}}) {
    pruefeFaelle(*definition, TestRegelmenge(wirtschaftsjahr, 2015), ohne, "JJJJ-JJJJ",
                 {{"1959-1960", 0, ""},
                  {"2010-2012", 0, ""},
                  {"2011-2010", 63, "datumBereichNichtGueltig"},
                  {"1899-1960", 64, "datumBereichDatumFalsch"}});
  }
}

TEST(FormatDefinitionDatum, KonvertiereWert) {
  // Display form by the settings, stored form by the pattern; zeros restored when writing.
  const Darstellung jmt(',', datumsAnzeige("-", "JMT", "j"), 2099);
  const Darstellung mtj(',', datumsAnzeige("/", "MTJ", "j"), 2099);
  const FormatDefinitionDatum datum("TT.MM.JJJJ", false, BEKANNT);
  const FormatDefinitionDatumBereich bereich("TT.MM.JJJJ", false, '-');
  const FormatDefinitionDatumBereich jahre("JJJJ", false, '-');
  const struct {
    const IFormatDefinition& definition;
    const Darstellung& darstellung;
    const char *anzeige, *gespeichert;
  } faelle[] = {
      {datum, jmt, "2015-02-01", "01.02.2015"},
      {datum, mtj, "02/01/2015", "01.02.2015"},
      {bereich, jmt, "2015-01-01~2015-12-31", "01.01.2015-31.12.2015"},
      {jahre, jmt, "2010~2011", "2010-2011"},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(f.definition.konvertiereWert(f.anzeige, f.darstellung, true), f.gespeichert);
    EXPECT_EQ(f.definition.konvertiereWert(f.gespeichert, f.darstellung, false), f.anzeige);
    EXPECT_EQ(f.definition.konvertiereWert("kein Datum", f.darstellung, true), "kein Datum");
  }
  EXPECT_EQ(datum.konvertiereWert("2015-2-1", jmt, true), "01.02.2015");
  EXPECT_EQ(TestZahl().konvertiereWert("1,5", jmt, true), "1,5");
}

TEST(Formate, ZahlenformatUndBereichsmuster) {
  TestRegelmenge regeln;
  regeln.definiere("Zahl", std::make_unique<TestZahl>());
  regeln.definiere("Datum", std::make_unique<FormatDefinitionDatum>("TT.MM.JJJJ", false, 0));
  regeln.definiere("Bereich",
                   std::make_unique<FormatDefinitionDatumBereich>("TT.MM.JJJJ", false, '-'));
  EXPECT_TRUE(istZahlenFormat("Zahl", regeln));
  EXPECT_FALSE(istZahlenFormat("Datum", regeln) || istZahlenFormat("Bereich", regeln));
  EXPECT_EQ(createDatumBereichFormat("Bereich", regeln), "TT.MM.JJJJ-TT.MM.JJJJ");
  for (const char* feld : {"Zahl", "Datum"}) {
    try {
      createDatumBereichFormat(feld, regeln);
      ADD_FAILURE() << feld;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(),
                   "Methode createDatumBereichFormat darf nur mit einer IFormatDefinition vom Typ "
                   "DatumBereich aufgerufen werden.");
    }
  }
  try {
    istZahlenFormat("Fehlt", regeln);
    ADD_FAILURE();
  } catch (const ArbelRulesException& e) {
    EXPECT_STREQ(e.what(), "Feld <Fehlt> in Regelmenge nicht definiert");
    EXPECT_EQ(e.getText(),
              "Fehler für Applikation <Test> Datenart <Testdaten> Veranlagungsjahr <2015>: "
              "Feld <Fehlt> in Regelmenge nicht definiert");
  }
  EXPECT_THROW(createDatumBereichFormat("Fehlt", regeln), FeldInRegelMengeNichtDefiniertException);
}

}  // namespace
}  // namespace zudadavizu_20_0
