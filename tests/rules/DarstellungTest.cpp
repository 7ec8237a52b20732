// Display information: the settings read, every error message in the order of the checks.
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

TEST(Darstellung, Einstellungen) {
  const Darstellung ohne(',', Darstellungsinformation(), 2099);
  EXPECT_FALSE(ohne.istDezimalTrennerGesetzt());
  EXPECT_EQ(ohne.getWertWahr() + ohne.getDatum().getTrenner(), "nullnull");
  const Darstellung d('.',
                      info({{"DezimalTrenner", ","},
                            {"WertFalsch", ""},
                            {"DatumTrenner", "-"},
                            {"DatumBereichTrenner", "/"},
                            {"DatumReihenfolge", "JMT"},
                            {"DatumNullenOptional", "j"}}),
                      2014);
  EXPECT_EQ(std::string() + d.getDezimalTrenner() + d.getStandardDezimalTrenner(), ",.");
  EXPECT_TRUE(d.istDezimalTrennerGesetzt() && d.getDatum().sindNullenOptional());
  EXPECT_EQ(d.getWertFalsch() + d.getDatum().getTrenner() + d.getDatum().getBereichTrenner(), "-/");
  EXPECT_EQ(d.getDatum().getJahr(), 2014);
  // Only a lower-case "j" switches on.
  for (const char* wert : {"j", "n", "J", "ja", ""}) {
    const Darstellung k(
        ',', info({{"KonvertiereSteuernummer", wert}, {"KonvertiereEnumerationen", wert}}), 2099);
    EXPECT_EQ(k.istKonvertiereSteuernummer(), std::string(wert) == "j") << wert;
    EXPECT_EQ(k.istKonvertiereEnumerationen(), std::string(wert) == "j") << wert;
  }
}

const char* const ALLE_ODER_KEINER =
    "Wenn für einen der Schlüssel 'DatumTrenner', 'DatumBereichTrenner' oder "
    "'DatumReihenfolge' ein Wert spezifiziert wird, muss für die anderen Schlüssel auch ein "
    "Wert spezifiziert werden.";

TEST(Darstellung, JedeFehlermeldung) {
  // Where several steps fail, the first in the order of the checks (order, zeros flag,
  // separator, range separator, all-or-none, key, decimal) wins.
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
      ADD_FAILURE() << "no exception for " << fall.meldung;
    } catch (const UngueltigeDarstellungsInformationException& e) {
      EXPECT_STREQ(e.what(), fall.meldung);
    }
  }
  try {
    Darstellungsinformation().setze("", "z", "w");
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(),
                 "Ungueltiger (leerer) Schluessel fuer Darstellungsinformation (Schluessel = '', "
                 "Wert = 'w')");
  }
}

TEST(Darstellung, AlleOderKeinerErlaubt) {
  // All three date keys, or none; an empty separator passes without the zeros flag, and a
  // blank range separator is one character.
  const Paare gut[] = {
      {},
      {{"DatumTrenner", ""}, {"DatumBereichTrenner", "-"}, {"DatumReihenfolge", "JMT"}},
      {{"DatumTrenner", "."}, {"DatumBereichTrenner", " "}, {"DatumReihenfolge", "MJT"}},
      {{"DatumNullenOptional", "n"}},
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
      EXPECT_EQ(&Datumsbestandteil::fuer(teil->getBuchstabe()), teil);
    }
    EXPECT_EQ(gelesen, reihenfolge);
  }
  try {
    Datumsbestandteil::fuer('X');
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Unerlaubte Eingabe X");
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
