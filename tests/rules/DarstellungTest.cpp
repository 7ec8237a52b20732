#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "rules/Darstellung.h"
#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {
namespace {

using Paare = std::initializer_list<std::pair<const char*, const char*>>;

Darstellungsinformation info(Paare paare) {
  Darstellungsinformation i;
  for (const auto& paar : paare) i.setze(paar.first, "", paar.second);
  return i;
}

const char* const ALLE_ODER_KEINER =
    "Wenn für einen der Schlüssel 'DatumTrenner', 'DatumBereichTrenner' oder "
    "'DatumReihenfolge' ein Wert spezifiziert wird, muss für die anderen Schlüssel auch ein "
    "Wert spezifiziert werden.";

TEST(Darstellungsinformation, SetzeUndWertVon) {
  Darstellungsinformation i;
  EXPECT_EQ(i.wertVon("WertWahr"), "null");
  i.setze("WertWahr", "", "X");
  i.setze("WertWahr", "", "Y");
  i.setze("WertWahr", "z", "Z");
  EXPECT_EQ(i.wertVon("WertWahr"), "Y");
  EXPECT_EQ(i.getEintraege().size(), 2u);
  try {
    i.setze("", "z", "w");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(),
                 "Ungueltiger (leerer) Schluessel fuer Darstellungsinformation (Schluessel = '', "
                 "Wert = 'w')");
  }
}

TEST(Darstellung, LeereInformation) {
  const Darstellung d(',', Darstellungsinformation(), 2099);
  EXPECT_EQ(d.getDezimalTrenner(), ',');
  EXPECT_EQ(d.getStandardDezimalTrenner(), ',');
  EXPECT_FALSE(d.istDezimalTrennerGesetzt());
  EXPECT_EQ(d.getWertWahr(), "null");
  EXPECT_EQ(d.getWertFalsch(), "null");
  EXPECT_FALSE(d.istKonvertiereSteuernummer());
  EXPECT_FALSE(d.istKonvertiereEnumerationen());
  EXPECT_EQ(d.getDatum().getTrenner(), "null");
  EXPECT_EQ(d.getDatum().getBereichTrenner(), "null");
  EXPECT_TRUE(d.getDatum().getReihenfolge().empty());
  EXPECT_FALSE(d.getDatum().sindNullenOptional());
  EXPECT_EQ(d.getDatum().getJahr(), 2099);
}

TEST(Darstellung, GueltigeWerte) {
  const Darstellung d('.',
                      info({{"DezimalTrenner", ","},
                            {"WertWahr", "X"},
                            {"WertFalsch", ""},
                            {"KonvertiereSteuernummer", "j"},
                            {"KonvertiereEnumerationen", "n"},
                            {"DatumTrenner", "-"},
                            {"DatumBereichTrenner", "/"},
                            {"DatumReihenfolge", "JMT"},
                            {"DatumNullenOptional", "j"}}),
                      2014);
  EXPECT_EQ(d.getDezimalTrenner(), ',');
  EXPECT_EQ(d.getStandardDezimalTrenner(), '.');
  EXPECT_TRUE(d.istDezimalTrennerGesetzt());
  EXPECT_EQ(d.getWertWahr(), "X");
  EXPECT_EQ(d.getWertFalsch(), "");
  EXPECT_TRUE(d.istKonvertiereSteuernummer());
  EXPECT_FALSE(d.istKonvertiereEnumerationen());
  const DatumDarstellung& datum = d.getDatum();
  EXPECT_EQ(datum.getTrenner(), "-");
  EXPECT_EQ(datum.getBereichTrenner(), "/");
  ASSERT_EQ(datum.getReihenfolge().size(), 3u);
  EXPECT_EQ(datum.getReihenfolge()[0], &Datumsbestandteil::jahr());
  EXPECT_EQ(datum.getReihenfolge()[1], &Datumsbestandteil::monat());
  EXPECT_EQ(datum.getReihenfolge()[2], &Datumsbestandteil::tag());
  EXPECT_TRUE(datum.sindNullenOptional());
  EXPECT_EQ(datum.getJahr(), 2014);
  EXPECT_EQ(d.getEintraege().getEintraege().size(), 9u);
}

TEST(Darstellung, NurKleinesJIstWahr) {
  for (const auto& fall :
       {std::make_pair("j", true), std::make_pair("n", false), std::make_pair("J", false),
        std::make_pair("ja", false), std::make_pair("", false)}) {
    const Darstellung d(
        ',',
        info({{"KonvertiereSteuernummer", fall.first}, {"KonvertiereEnumerationen", fall.first}}),
        2099);
    EXPECT_EQ(d.istKonvertiereSteuernummer(), fall.second) << fall.first;
    EXPECT_EQ(d.istKonvertiereEnumerationen(), fall.second) << fall.first;
  }
}

TEST(Darstellung, JedeFehlermeldung) {
  // Texts of the display settings errors; where several steps fail, the first in the order of
  // the checks (order, zeros flag, separator, range separator, all-or-none, key, decimal).
  const struct {
    Paare paare;
    const char* meldung;
  } faelle[] = {
      {{{"Dezimaltrenner", ","}},
       "Ungueltiger Schluessel 'Dezimaltrenner' in Darstellungsinformation verwendet."},
      {{{"DezimalTrenner", ";"}}, "Ungueltiger Dezimaltrenner ';' in Darstellungsinformation."},
      {{{"DezimalTrenner", ""}}, "Ungueltiger Dezimaltrenner '' in Darstellungsinformation."},
      {{{"DezimalTrenner", ".,"}}, "Ungueltiger Dezimaltrenner '.,' in Darstellungsinformation."},
      {{{"DatumNullenOptional", "J"}}, "Schlüssel 'DatumNullenOptional' hat unzulässigen Wert 'J'"},
      {{{"DatumTrenner", " "}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "TMJ"}},
       "Datumstrenner darf nicht das Leerzeichen sein"},
      {{{"DatumTrenner", ".."}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "TMJ"}},
       "Datumstrenner darf nur ein Zeichen umfassen ('..')"},
      {{{"DatumTrenner", "."}, {"DatumBereichTrenner", "--"}, {"DatumReihenfolge", "TMJ"}},
       "DatumsBereichtrenner darf nur ein Zeichen umfassen"},
      {{{"DatumTrenner", "."}, {"DatumBereichTrenner", ""}, {"DatumReihenfolge", "TMJ"}},
       "DatumsBereichtrenner darf nur ein Zeichen umfassen"},
      {{{"DatumTrenner", "."}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "TMT"}},
       "Ungueltige Reihenfolge 'TMT' fuer Datumsbestandteile."},
      {{{"DatumReihenfolge", "tmj"}}, "Ungueltige Reihenfolge 'tmj' fuer Datumsbestandteile."},
      {{{"DatumTrenner", "."}}, ALLE_ODER_KEINER},
      {{{"DatumBereichTrenner", "-"}}, ALLE_ODER_KEINER},
      {{{"DatumReihenfolge", "JMT"}}, ALLE_ODER_KEINER},
      {{{"DatumTrenner", "."}, {"DatumReihenfolge", "JMT"}}, ALLE_ODER_KEINER},
      {{{"DatumTrenner", "."}, {"DatumBereichTrenner", "-"}}, ALLE_ODER_KEINER},
      {{{"DatumNullenOptional", "j"}},
       "DatumNullenOptional gewählt, aber keinen DatumTrenner spezifiziert."},
      {{{"DatumNullenOptional", "j"},
        {"DatumTrenner", ""},
        {"DatumBereichTrenner", "-"},
        {"DatumReihenfolge", "TMJ"}},
       "DatumNullenOptional gewählt, aber keinen DatumTrenner spezifiziert."},
      {{{"DatumTrenner", "-"}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "TMJ"}},
       "DatumTrenner und DatumBereichTrenner müssen verschieden sein."},
      // Order of the checks.
      {{{"DatumReihenfolge", "X"}, {"DatumNullenOptional", "x"}},
       "Ungueltige Reihenfolge 'X' fuer Datumsbestandteile."},
      {{{"DatumNullenOptional", "x"}, {"DatumTrenner", "ab"}},
       "Schlüssel 'DatumNullenOptional' hat unzulässigen Wert 'x'"},
      {{{"DatumTrenner", "ab"}, {"DatumBereichTrenner", "cd"}},
       "Datumstrenner darf nur ein Zeichen umfassen ('ab')"},
      {{{"DatumTrenner", "."}, {"Gibts", "x"}}, ALLE_ODER_KEINER},
      {{{"Gibts", "x"}, {"DezimalTrenner", ";"}},
       "Ungueltiger Schluessel 'Gibts' in Darstellungsinformation verwendet."},
  };
  for (const auto& fall : faelle) {
    try {
      Darstellung(',', info(fall.paare), 2099);
      ADD_FAILURE() << "keine Ausnahme fuer " << fall.meldung;
    } catch (const UngueltigeDarstellungsInformationException& e) {
      EXPECT_STREQ(e.what(), fall.meldung);
    }
  }
}

TEST(Darstellung, AlleOderKeinerErlaubt) {
  // All three date keys, or none, pass; an empty separator passes without the zeros flag, and
  // a blank range separator is a single character.
  const Paare gut[] = {
      {},
      {{"DatumTrenner", "."}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "TMJ"}},
      {{"DatumTrenner", ""}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "JMT"}},
      {{"DatumTrenner", "."}, {"DatumBereichTrenner", " "}, {"DatumReihenfolge", "MJT"}},
      {{"DatumNullenOptional", "n"}},
      {{"DatumTrenner", "/"},
       {"DatumBereichTrenner", "-"},
       {"DatumReihenfolge", "MTJ"},
       {"DatumNullenOptional", "j"}},
  };
  for (const Paare& paare : gut) EXPECT_NO_THROW(Darstellung(',', info(paare), 2099));
  for (const char* reihenfolge : {"JMT", "JTM", "MTJ", "MJT", "TMJ", "TJM"}) {
    const Darstellung d(',',
                        info({{"DatumTrenner", "."},
                              {"DatumBereichTrenner", "-"},
                              {"DatumReihenfolge", reihenfolge}}),
                        2099);
    std::string gelesen;
    for (const Datumsbestandteil* teil : d.getDatum().getReihenfolge()) {
      gelesen += teil->getBuchstabe();
    }
    EXPECT_EQ(gelesen, reihenfolge);
  }
}

TEST(Datumsbestandteil, Buchstaben) {
  EXPECT_EQ(&Datumsbestandteil::fuer('J'), &Datumsbestandteil::jahr());
  EXPECT_EQ(&Datumsbestandteil::fuer('M'), &Datumsbestandteil::monat());
  EXPECT_EQ(&Datumsbestandteil::fuer('T'), &Datumsbestandteil::tag());
  try {
    Datumsbestandteil::fuer('X');
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Unerlaubte Eingabe X");
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
