// Display information: the settings read and every error message in the order of the checks.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "rules/Darstellung.h"
#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {
namespace {

// "Schluessel=Wert|Schluessel=Wert".
Darstellungsinformation info(const std::string& paare) {
  Darstellungsinformation i;
  std::istringstream in(paare);
  for (std::string paar; std::getline(in, paar, '|');) {
    i.setze(paar.substr(0, paar.find('=')), "", paar.substr(paar.find('=') + 1));
  }
  return i;
}

TEST(Darstellung, Einstellungen) {
  const Darstellung ohne(',', Darstellungsinformation(), 2099);
  EXPECT_EQ(ohne.getWertWahr() + ohne.getDatum().getTrenner() + ohne.getDezimalTrenner(),
            "nullnull,");
  const Darstellung d('.',
                      info("DezimalTrenner=,|DatumTrenner=-|DatumBereichTrenner=/|DatumReihenfolge="
                           "MTJ|DatumNullenOptional=j|KonvertiereSteuernummer=j|"
                           "KonvertiereEnumerationen=J"),
                      2014);
  EXPECT_EQ(std::string() + d.getDezimalTrenner() + d.getStandardDezimalTrenner(), ",.");
  EXPECT_TRUE(d.getDatum().sindNullenOptional() && d.istKonvertiereSteuernummer());
  EXPECT_FALSE(d.istKonvertiereEnumerationen());  // only a lower-case "j" switches on
  std::string reihenfolge;
  for (const Datumsbestandteil* teil : d.getDatum().getReihenfolge()) {
    reihenfolge += teil->getBuchstabe();
  }
  EXPECT_EQ(reihenfolge, "MTJ");
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
      {"DatumTrenner=.|DatumBereichTrenner=-", alleOderKeiner},
      {"DatumReihenfolge=JMT|Gibts=x", alleOderKeiner},
      {"DatumNullenOptional=j|DatumTrenner=" + datum,
       "DatumNullenOptional gewählt, aber keinen DatumTrenner spezifiziert."},
      {"DatumTrenner=-" + datum, "DatumTrenner und DatumBereichTrenner müssen verschieden sein."},
      {"Gibts=x|DezimalTrenner=;",
       "Ungueltiger Schluessel 'Gibts' in Darstellungsinformation verwendet."},
  };
  for (const auto& [paare, meldung] : faelle) {
    try {
      Darstellung(',', info(paare), 2099);
      ADD_FAILURE() << "no exception for " << paare;
    } catch (const UngueltigeDarstellungsInformationException& e) {
      EXPECT_EQ(e.what(), meldung);
    }
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
