#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "HeuteFest.h"
#include "Kontext.h"
#include "TestRegelmenge.h"
#include "rules/DefaultFehlerLookup.h"
#include "rules/FormatDefinitionDatumBereich.h"
#include "rules/FormatDefinitionZahl.h"
#include "rules/Formate.h"

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

Darstellungsinformation anzeige(const char* trenner, const char* reihenfolge,
                                const char* nullenOptional) {
  Darstellungsinformation info;
  info.setze("DatumTrenner", "", trenner);
  info.setze("DatumBereichTrenner", "", "~");
  info.setze("DatumReihenfolge", "", reihenfolge);
  info.setze("DatumNullenOptional", "", nullenOptional);
  return info;
}

// Expected message: the template of the id (checked byte for byte in FehlerLookupTest) with
// the field reference and the required format put in.
std::string meldung(int id, const std::string& format) {
  std::string text = DefaultFehlerLookup().getText(id);
  boost::algorithm::replace_all(text, "%7", format);
  boost::algorithm::replace_all(text, "%1", "unbenannt/1.1");
  return text;
}

struct Fall {
  const char* wert;
  int status;
  int id;
  const char* schluessel;
};

void pruefeFaelle(const IFormatDefinition& definition, const IRegelmenge& regelmenge,
                  const Darstellungsinformation& info, const std::string& format,
                  const std::vector<Fall>& faelle) {
  for (const Fall& fall : faelle) {
    TestKontext t(info);
    SCOPED_TRACE(fall.wert);
    EXPECT_EQ(definition.pruefeWert(t.mit(fall.wert), regelmenge), fall.status);
    const auto eintraege = t.ergebnis.getEintraege();
    ASSERT_EQ(eintraege.size(), fall.status == 0 ? 0u : 1u);
    if (fall.status == 0) continue;
    EXPECT_EQ(eintraege[0].schluessel, fall.schluessel);
    EXPECT_EQ(eintraege[0].text, meldung(fall.id, format));
  }
}

TEST(FormatDefinitionDatum, Attribute) {
  const FormatDefinitionDatum datum("TT.MM.JJJJ", false, MONAT_OPTIONAL);
  EXPECT_EQ(datum.getAttribut("MinLaenge").getZahl(), 10);
  EXPECT_EQ(datum.getAttribut("MaxLaenge").getZahl(), 10);
  EXPECT_EQ(datum.getAttribut("Muster").getText(), "Datum");
  EXPECT_EQ(datum.getAttribut("Format").getText(), "dd.MM.yyyy");
  EXPECT_EQ(datum.getAttribut("TeilBekanntArt").getText(), "MonatOptional");
  EXPECT_TRUE(datum.getAttribut("Laenge").istLeer());
  EXPECT_EQ(datum.getTyp(), 2);
  EXPECT_EQ(datum.getFormat(), "TT.MM.JJJJ");
  EXPECT_EQ(datum.getTeilBekanntArt(), 2);
  EXPECT_EQ(datum.getBeschreibung(), "");
  const char* const arten[] = {"Bekannt", "TagOptional", "MonatOptional", "JahrOptional"};
  for (int art = 0; art < 4; ++art) {
    EXPECT_EQ(FormatDefinitionDatum("yyyy", false, art).getAttribut("TeilBekanntArt").getText(),
              arten[art]);
  }
  EXPECT_THROW(FormatDefinitionDatum("TT.MM.JJJJ", false, 4), std::invalid_argument);
  EXPECT_THROW(FormatDefinitionDatum("TT.MM.JJJ", false, 0), std::invalid_argument);

  const FormatDefinitionDatumBereich bereich("TT.MM.JJJJ", false, '-');
  EXPECT_EQ(bereich.getAttribut("MaxLaenge").getZahl(), 21);
  EXPECT_EQ(bereich.getAttribut("Muster").getText(), "DatumBereich");
  EXPECT_EQ(bereich.getAttribut("Format").getText(), "dd.MM.yyyy-dd.MM.yyyy");
  EXPECT_EQ(bereich.getAttribut("TeilBekanntArt").getText(), "Bekannt");
  EXPECT_EQ(bereich.getTyp(), 3);
  EXPECT_EQ(bereich.getFormat(), "TT.MM.JJJJ");
}

TEST(FormatDefinitionDatum, FuelleFormat) {
  EXPECT_EQ(FormatDefinitionDatum("dd.MM.yyyy", false, 0).fuelleFormat("(%7|%7)"),
            "(TT.MM.JJJJ|TT.MM.JJJJ)");
  const FormatDefinitionDatumBereich bereich("MM.JJJJ", false, '/');
  EXPECT_EQ(bereich.fuelleFormat("%7"), "MM.JJJJ/MM.JJJJ");
  EXPECT_EQ(bereich.getBereichMuster(), "MM.JJJJ/MM.JJJJ");
  const FormatDefinitionDatum& alsDatum = bereich;
  EXPECT_EQ(alsDatum.fuelleFormat("%7"), "MM.JJJJ/MM.JJJJ");
}

TEST(FormatDefinitionDatum, JedeMeldungOhneEinstellungen) {
  const HeuteFest heute(boost::gregorian::date(2016, 6, 15));
  const TestRegelmenge regelmenge;
  const Darstellungsinformation ohne;
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", true, BEKANNT), regelmenge, ohne, "TT.MM.JJJJ",
               {{"29.02.2016", 0, 0, ""},
                {"01.01.1900", 0, 0, ""},
                {"1.1.2016", 1, 50, "datumFormatFalsch"},
                {"01.01.16", 1, 50, "datumFormatFalsch"},
                {"", 1, 50, "datumFormatFalsch"},
                {"2016-01-01", 1, 50, "datumFormatFalsch"},
                {"29.02.2015", 1, 50, "datumFalsch"},
                {"00.01.2015", 1, 50, "datumFalsch"},
                {"01.01.0000", 1, 50, "datumFalsch"},
                {"31.12.1899", 1, 51, "datumFalsch"}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), regelmenge, ohne, "TT.MM.JJJJ",
               {{"31.12.1899", 0, 0, ""}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJ", true, BEKANNT), regelmenge, ohne, "TT.MM.JJ",
               {{"29.02.00", 0, 0, ""}, {"29.02.17", 1, 50, "datumFalsch"}});
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", true, JAHR_OPTIONAL), regelmenge, ohne,
               "TT.MM.JJJJ", {{"00.00.0000", 0, 0, ""}, {"00.00.1899", 1, 51, "datumFalsch"}});
}

TEST(FormatDefinitionDatum, TeilbekannteDatenMitNullenOptional) {
  // Day and month may be written as "0" here, which the partially known rules tell apart
  // from "00"; the ids follow the decision table of teilbekanntFehler.
  const TestRegelmenge regelmenge;
  const Darstellungsinformation info = anzeige(".", "TMJ", "j");
  const struct {
    int art;
    Fall fall;
  } faelle[] = {
      {TAG_OPTIONAL, {"05.00.2015", 1, 52, "datumFalsch"}},
      {TAG_OPTIONAL, {"05.0.2015", 1, 53, "datumFalsch"}},
      {TAG_OPTIONAL, {"05.05.0000", 1, 54, "datumFalsch"}},
      {MONAT_OPTIONAL, {"05.00.2015", 1, 55, "datumFalsch"}},
      {MONAT_OPTIONAL, {"5.0.2015", 1, 56, "datumFalsch"}},
      {JAHR_OPTIONAL, {"05.05.0000", 1, 57, "datumFalsch"}},
      {MONAT_OPTIONAL, {"00.0.2015", 1, 58, "datumFalsch"}},
      {TAG_OPTIONAL, {"0.05.2015", 1, 59, "datumFalsch"}},
      {MONAT_OPTIONAL, {"0.00.2015", 1, 60, "datumFalsch"}},
      {JAHR_OPTIONAL, {"00.0.0000", 1, 61, "datumFalsch"}},
      {TAG_OPTIONAL, {"00.5.2015", 0, 0, ""}},
      {MONAT_OPTIONAL, {"00.00.2015", 0, 0, ""}},
      {JAHR_OPTIONAL, {"00.00.0000", 0, 0, ""}},
      {BEKANNT, {"0.5.2015", 1, 50, "datumFalsch"}},
      {BEKANNT, {"5.5.2015", 0, 0, ""}},
  };
  for (const auto& f : faelle) {
    pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", false, f.art), regelmenge, info, "TT.MM.JJJJ",
                 {f.fall});
  }
}

TEST(FormatDefinitionDatum, FormatDerAnzeigeUndProtokoll) {
  const TestRegelmenge regelmenge;
  pruefeFaelle(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT), regelmenge,
               anzeige("-", "JMT", "n"), "JJJJ-MM-TT",
               {{"2015-02-28", 0, 0, ""},
                {"28.02.2015", 1, 50, "datumFormatFalsch"},
                {"2015-02-29", 1, 50, "datumFalsch"}});

  // The trace line goes out only when the logger wants traces (ist1).
  struct Spur : LoggerUtilImpl {
    bool ist1() const override { return true; }
    void log1(const std::string& m) override { zeilen.push_back(m); }
    std::vector<std::string> zeilen;
  } spur;
  ValidationLogger logger(spur);
  TestKontext t;
  t.kontext.logger = &logger;
  FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT).pruefeWert(t.mit("01.01.2015"), regelmenge);
  EXPECT_EQ(spur.zeilen, std::vector<std::string>{"Validiere Datum <01.01.2015> ."});
  t.kontext.logger = nullptr;
  t.kontext.darstellung = nullptr;
  EXPECT_EQ(FormatDefinitionDatum("TT.MM.JJJJ", false, BEKANNT)
                .pruefeWert(t.mit("01.01.2015"), regelmenge),
            0);
}

TEST(FormatDefinitionDatumBereich, JedeMeldung) {
  const std::string format = "TT.MM.JJJJ-TT.MM.JJJJ";
  const FormatDefinitionDatumBereich bereich("TT.MM.JJJJ", false, '-');
  for (bool wirtschaftsjahr : {false, true}) {
    pruefeFaelle(bereich, TestRegelmenge(wirtschaftsjahr, 2015), Darstellungsinformation(), format,
                 {{"01.01.2015-31.12.2015", 0, 0, ""},
                  {"01.01.2015-01.01.2015", 0, 0, ""},
                  {"01.01.2015", 1, 62, "datumBereichTrennerFehlt"},
                  {"01.01.2015-31.02.2015", 1, 62, "datumBereichFormatFalsch"},
                  {"01.01.2015-", 1, 62, "datumBereichFormatFalsch"},
                  {"01.01.2015-01.01.2016x", 1, 62, "datumBereichFormatFalsch"},
                  {"01.01.2015/01.01.2016", 1, 62, "datumBereichTrennerFehlt"},
                  {"31.12.1899-01.01.2015", 1, 64, "datumBereichDatumFalsch"},
                  {"01.01.1800-31.12.1799", 1, 64, "datumBereichDatumFalsch"},
                  {"02.01.2015-01.01.2015", 1, 63, "datumBereichNichtGueltig"},
                  {"01.01.2016-31.12.2015", 1, 63, "datumBereichNichtGueltig"}});
  }
  pruefeFaelle(bereich, TestRegelmenge(), anzeige(".", "JMT", "n"), "JJJJ.MM.TT~JJJJ.MM.TT",
               {{"2015.01.01~2015.12.31", 0, 0, ""},
                {"01.01.2015-31.12.2015", 1, 62, "datumBereichTrennerFehlt"},
                {"2015.12.31~2015.01.01", 1, 63, "datumBereichNichtGueltig"}});
}

TEST(FormatDefinitionDatumBereich, Wirtschaftsjahr) {
  // Year ranges of the pattern "yyyy" under the fiscal-year switch; assessment year 2015
  // allows an end up to 2016, 0 none.
  const FormatDefinitionDatumBereich jahre("yyyy", false, '-');
  const Darstellungsinformation ohne;
  pruefeFaelle(jahre, TestRegelmenge(true, 2015), ohne, "JJJJ-JJJJ",
               {{"1959-1960", 1, 65, "datumBereichAnfangVor1960"},
                {"1899-1950", 1, 65, "datumBereichAnfangVor1960"},
                {"2016-2017", 1, 66, "datumBereichEndeNachVZPlusEins"},
                {"2010-2012", 1, 67, "datumBereichUmfasstMehrAlsEinJahr"},
                {"2011-2010", 1, 68, "datumBereichEndeVorAnfang"},
                {"2015-2016", 0, 0, ""},
                {"2016-2016", 0, 0, ""},
                {"1960-1961", 0, 0, ""},
                {"2015", 1, 62, "datumBereichTrennerFehlt"},
                {"15-2016", 1, 62, "datumBereichFormatFalsch"}});
  pruefeFaelle(
      jahre, TestRegelmenge(true, 0), ohne, "JJJJ-JJJJ",
      {{"2030-2031", 0, 0, ""}, {"2030-2032", 1, 67, "datumBereichUmfasstMehrAlsEinJahr"}});
  // Without the switch, or with any other pattern text than "yyyy", the general range checks.
  pruefeFaelle(jahre, TestRegelmenge(false, 2015), ohne, "JJJJ-JJJJ",
               {{"1959-1960", 0, 0, ""},
                {"2010-2012", 0, 0, ""},
                {"2011-2010", 1, 63, "datumBereichNichtGueltig"},
                {"1899-1960", 1, 64, "datumBereichDatumFalsch"}});
  pruefeFaelle(FormatDefinitionDatumBereich("JJJJ", false, '-'), TestRegelmenge(true, 2015), ohne,
               "JJJJ-JJJJ",
               {{"1959-1960", 0, 0, ""}, {"2011-2010", 1, 63, "datumBereichNichtGueltig"}});
}

TEST(FormatDefinitionDatum, KonvertiereWert) {
  const Darstellung jmt(',', anzeige("-", "JMT", "j"), 2099);
  const FormatDefinitionDatum datum("TT.MM.JJJJ", false, BEKANNT);
  EXPECT_EQ(datum.konvertiereWert("2015-2-1", jmt, true), "01.02.2015");
  EXPECT_EQ(datum.konvertiereWert("01.02.2015", jmt, false), "2015-02-01");
  EXPECT_EQ(datum.konvertiereWert("unlesbar", jmt, true), "unlesbar");
  const FormatDefinitionDatumBereich bereich("TT.MM.JJJJ", false, '-');
  EXPECT_EQ(bereich.konvertiereWert("2015-1-1~2015-12-31", jmt, true), "01.01.2015-31.12.2015");
  EXPECT_EQ(bereich.konvertiereWert("01.01.2015-31.12.2015", jmt, false), "2015-01-01~2015-12-31");
  // Without date settings display and stored form coincide; other formats leave values alone.
  const Darstellung ohne(',', Darstellungsinformation(), 2099);
  EXPECT_EQ(datum.konvertiereWert("01.02.2015", ohne, true), "01.02.2015");
  EXPECT_EQ(TestZahl().konvertiereWert("1,5", jmt, true), "1,5");
}

TEST(Formate, ZahlenformatUndBereichsmuster) {
  TestRegelmenge regelmenge;
  regelmenge.definiere("Zahl", std::make_unique<TestZahl>());
  regelmenge.definiere("Datum", std::make_unique<FormatDefinitionDatum>("TT.MM.JJJJ", false, 0));
  regelmenge.definiere("Bereich",
                       std::make_unique<FormatDefinitionDatumBereich>("TT.MM.JJJJ", false, '-'));
  EXPECT_TRUE(istZahlenFormat("Zahl", regelmenge));
  EXPECT_FALSE(istZahlenFormat("Datum", regelmenge));
  EXPECT_FALSE(istZahlenFormat("Bereich", regelmenge));
  EXPECT_EQ(createDatumBereichFormat("Bereich", regelmenge), "TT.MM.JJJJ-TT.MM.JJJJ");
  for (const char* feld : {"Zahl", "Datum"}) {
    try {
      createDatumBereichFormat(feld, regelmenge);
      ADD_FAILURE() << feld;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(),
                   "Methode createDatumBereichFormat darf nur mit einer IFormatDefinition vom Typ "
                   "DatumBereich aufgerufen werden.");
    }
  }
  try {
    istZahlenFormat("Fehlt", regelmenge);
    FAIL();
  } catch (const FeldInRegelMengeNichtDefiniertException& e) {
    EXPECT_STREQ(e.what(), "Feld <Fehlt> in Regelmenge nicht definiert");
  }
  EXPECT_THROW(createDatumBereichFormat("Fehlt", regelmenge),
               FeldInRegelMengeNichtDefiniertException);
}

}  // namespace
}  // namespace zudadavizu_20_0
