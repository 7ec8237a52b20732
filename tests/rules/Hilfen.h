#pragma once

// Fixtures: a fixed today, date display settings, the check context the services build and a
// rule set held in memory.
#include <map>
#include <memory>
#include <string>

#include "rules/Darstellung.h"
#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/Heute.h"
#include "rules/IRegelmenge.h"
#include "rules/IdentifierImpl.h"
#include "rules/Pruefkontext.h"
#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {

struct HeuteFest {
  explicit HeuteFest(const boost::gregorian::date& datum) { setzeHeute(datum); }
  ~HeuteFest() { setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time)); }
};

// All date settings, with "~" as the range separator.
inline Darstellungsinformation datumsAnzeige(const char* trenner, const char* reihenfolge,
                                             const char* nullenOptional = "n") {
  Darstellungsinformation info;
  info.setze("DatumTrenner", "", trenner);
  info.setze("DatumBereichTrenner", "", "~");
  info.setze("DatumReihenfolge", "", reihenfolge);
  info.setze("DatumNullenOptional", "", nullenOptional);
  return info;
}

// Field "unbenannt" [1, 1], empty data, a fresh result, no logger, year 2099.
struct TestKontext {
  explicit TestKontext(const Darstellungsinformation& info = {}) : darstellung(',', info, 2099) {
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &darstellung;
    kontext.daten = &daten;
  }
  IdentifierImpl identifier{"unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER};
  DatenImpl daten;
  ErgebnisFacade ergebnis;
  Darstellung darstellung;
  Pruefkontext kontext;
};

struct TestRegelmenge : IRegelmenge {
  explicit TestRegelmenge(int veranlagungsjahr = -1)
      : vz(veranlagungsjahr) {}  // -1: no fiscal years
  const IFormatDefinition& getFormatDefinition(const std::string& feldname) const override {
    if (definitionen.count(feldname) != 0) return *definitionen.at(feldname);
    throw FeldInRegelMengeNichtDefiniertException(feldname, "Test", "2015", "Testdaten");
  }
  bool pruefeWirtschaftsjahr() const override { return vz >= 0; }
  int getVeranlagungsjahr() const override { return vz; }
  std::map<std::string, std::unique_ptr<IFormatDefinition>> definitionen;
  int vz;
};

}  // namespace zudadavizu_20_0
