#pragma once

#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
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

// The message of the exception E that the call throws, "keine" when it throws none.
template <class E = std::runtime_error, class F>
std::string ausnahme(F aufruf) {
  try {
    aufruf();
  } catch (const E& e) {
    return e.what();
  }
  return "keine";
}

inline Darstellungsinformation info(const std::string& paare) {  // "Key=Value|Key=Value"
  Darstellungsinformation i;
  std::istringstream in(paare);
  for (std::string paar; std::getline(in, paar, '|');) {
    i.setze(paar.substr(0, paar.find('=')), "", paar.substr(paar.find('=') + 1));
  }
  return i;
}

// All date settings, with "~" as the range separator.
inline Darstellungsinformation datumsAnzeige(const std::string& trenner, const std::string& folge,
                                             const std::string& nullen = "n") {
  return info("DatumTrenner=" + trenner + "|DatumBereichTrenner=~|DatumReihenfolge=" + folge +
              "|DatumNullenOptional=" + nullen);
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
  explicit TestRegelmenge(int veranlagungsjahr = -1) : vz(veranlagungsjahr) {}
  const IFormatDefinition& getFormatDefinition(const std::string& feldname) const override {
    if (definitionen.count(feldname) != 0) return *definitionen.at(feldname);
    throw FeldInRegelMengeNichtDefiniertException(feldname, "Test", "2015", "Testdaten");
  }
  bool pruefeWirtschaftsjahr() const override { return vz >= 0; }
  int getVeranlagungsjahr() const override { return vz; }
  std::map<std::string, std::unique_ptr<IFormatDefinition>> definitionen;
  int vz;  // assessment year; -1: no fiscal-year checks
};

}  // namespace zudadavizu_20_0
