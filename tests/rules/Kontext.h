#pragma once

#include <memory>
#include <string>

#include "rules/Darstellung.h"
#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/Pruefkontext.h"
#include "rules/ValidationLogger.h"

namespace zudadavizu_20_0 {

// A check context as the services build it: field "unbenannt" [1, 1], empty data, a fresh
// result, a discarding logger, decimal separator ',' and year 2099.
struct TestKontext {
  explicit TestKontext(const Darstellungsinformation& info = Darstellungsinformation())
      : identifier("unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER),
        logger(loggerUtil),
        darstellung(',', info, 2099) {
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

  IdentifierImpl identifier;
  DatenImpl daten;
  ErgebnisFacade ergebnis;
  LoggerUtilImpl loggerUtil;
  ValidationLogger logger;
  Darstellung darstellung;
  Pruefkontext kontext;
};

}  // namespace zudadavizu_20_0
