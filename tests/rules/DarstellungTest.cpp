// Display information: the settings read and every error message in the order of the checks.
#include <gtest/gtest.h>

#include <string>

#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

TEST(Darstellung, Einstellungen) {
  const Darstellung ohne(',', Darstellungsinformation(), 2099);
  EXPECT_EQ(ohne.getWertWahr() + ohne.getDatum().getTrenner() + ohne.getDezimalTrenner(),
            "nullnull,");
  const Darstellung d('.',
                      info("DezimalTrenner=,|DatumTrenner=-|DatumBereichTrenner=/|DatumReihenfolge="
                           "MTJ|DatumNullenOptional=j|KonvertiereSteuernummer=J|"
                           "KonvertiereEnumerationen=j"),
                      2014);
  EXPECT_EQ(std::string() + d.getDezimalTrenner() + d.getStandardDezimalTrenner(), ",.");
  EXPECT_TRUE(d.getDatum().sindNullenOptional() && d.istKonvertiereEnumerationen());
  EXPECT_FALSE(d.istKonvertiereSteuernummer());  // only a lower-case "j" switches on
  const auto& r = d.getDatum().getReihenfolge();
  EXPECT_EQ(std::string({r[0]->getBuchstabe(), r[1]->getBuchstabe(), r[2]->getBuchstabe()}), "MTJ");
  EXPECT_THROW(Datumsbestandteil::fuer('X'), std::runtime_error);
  EXPECT_THROW(Darstellungsinformation().setze("", "", "w"), std::runtime_error);
}

TEST(Darstellung, JedeFehlermeldung) {
  // Where several steps fail, the first in the order of the checks (order, zeros flag,
  // separator, range separator, all-or-none, key, decimal) wins.
  const std::string alleOderKeiner =
      "Wenn für einen der Schlüssel 'DatumTrenner', 'DatumBereichTrenner' oder "
      "'DatumReihenfolge' ein Wert spezifiziert wird, muss für die anderen Schlüssel auch ein "
      "Wert spezifiziert werden.";
  const std::string datum = "|DatumBereichTrenner=-|DatumReihenfolge=TMJ";
  const std::pair<std::string, std::string> faelle[] = {
      {"Dezimaltrenner=,",
       "Ungueltiger Schluessel 'Dezimaltrenner' in Darstellungsinformation verwendet."},
      {"DezimalTrenner=;", "Ungueltiger Dezimaltrenner ';' in Darstellungsinformation."},
      {"DatumNullenOptional=J", "Schlüssel 'DatumNullenOptional' hat unzulässigen Wert 'J'"},
      {"DatumTrenner= " + datum, "Datumstrenner darf nicht das Leerzeichen sein"},
      {"DatumTrenner=..", "Datumstrenner darf nur ein Zeichen umfassen ('..')"},
      {"DatumTrenner=.|DatumBereichTrenner=", "DatumsBereichtrenner darf nur ein Zeichen umfassen"},
      {"DatumReihenfolge=TMT|DatumNullenOptional=x",
       "Ungueltige Reihenfolge 'TMT' fuer Datumsbestandteile."},
      {"DatumReihenfolge=JMT|Gibts=x", alleOderKeiner},
      {"DatumNullenOptional=j|DatumTrenner=" + datum,
       "DatumNullenOptional gewählt, aber keinen DatumTrenner spezifiziert."},
      {"DatumTrenner=-" + datum, "DatumTrenner und DatumBereichTrenner müssen verschieden sein."},
  };
  for (const auto& [paare, meldung] : faelle) {
    EXPECT_EQ(ausnahme<UngueltigeDarstellungsInformationException>(
                  [&] { Darstellung(',', info(paare), 2099); }),
              meldung);
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
