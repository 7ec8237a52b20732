#pragma once

// Fixtures of the rules tests: a fixed today, date display settings, the check context the
// services build and a rule set held in memory.
#include <map>
#include <memory>
#include <string>

#include "rules/Darstellung.h"
#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/Heute.h"
#include "rules/IRegelmenge.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/Pruefkontext.h"
#include "rules/RulesExceptions.h"
#include "rules/ValidationLogger.h"

namespace zudadavizu_20_0 {

// Fixes today's date for one scope.
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

// Field "unbenannt" [1, 1], empty data, a fresh result, a discarding logger, year 2099.
struct TestKontext {
  explicit TestKontext(const Darstellungsinformation& info = Darstellungsinformation())
      : darstellung(',', info, 2099) {
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &darstellung;
    kontext.logger = &logger;
    kontext.daten = &daten;
  }
  Pruefkontext& mit(const std::string& wert) {
    kontext.wert = wert;
    return kontext;
  }

  IdentifierImpl identifier{"unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER};
  DatenImpl daten;
  ErgebnisFacade ergebnis;
  LoggerUtilImpl loggerUtil;
  ValidationLogger logger{loggerUtil};
  Darstellung darstellung;
  Pruefkontext kontext;
};

class TestRegelmenge : public IRegelmenge {
 public:
  TestRegelmenge(bool wirtschaftsjahr = false, int veranlagungsjahr = 0)
      : wirtschaftsjahr_(wirtschaftsjahr), veranlagungsjahr_(veranlagungsjahr) {}
  void definiere(const std::string& feld, std::unique_ptr<IFormatDefinition> definition) {
    definitionen_[feld] = std::move(definition);
  }
  const IFormatDefinition& getFormatDefinition(const std::string& feldname) const override {
    const auto it = definitionen_.find(feldname);
    if (it != definitionen_.end()) return *it->second;
    throw FeldInRegelMengeNichtDefiniertException(feldname, "Test", "2015", "Testdaten");
  }
  bool pruefeWirtschaftsjahr() const override { return wirtschaftsjahr_; }
  int getVeranlagungsjahr() const override { return veranlagungsjahr_; }

 private:
  std::map<std::string, std::unique_ptr<IFormatDefinition>> definitionen_;
  bool wirtschaftsjahr_;
  int veranlagungsjahr_;
};

}  // namespace zudadavizu_20_0
