#include "rules/RulesExceptions.h"

#include <utility>

namespace zudadavizu_20_0 {

ArbelRulesException::ArbelRulesException(std::string applikation, std::string veranlagungsjahr,
                                         std::string datenart, const std::string& meldung)
    : std::runtime_error(meldung),
      applikation_(std::move(applikation)),
      veranlagungsjahr_(std::move(veranlagungsjahr)),
      datenart_(std::move(datenart)) {}

std::string ArbelRulesException::getText() const {
  return "Fehler für Applikation <" + applikation_ + "> Datenart <" + datenart_ +
         "> Veranlagungsjahr <" + veranlagungsjahr_ + ">: " + what();
}

FeldInRegelMengeNichtDefiniertException::FeldInRegelMengeNichtDefiniertException(
    const std::string& feldname, const std::string& applikation,
    const std::string& veranlagungsjahr, const std::string& datenart)
    : ValidatorException(applikation, veranlagungsjahr, datenart,
                         "Feld <" + feldname + "> in Regelmenge nicht definiert"),
      feldname_(feldname) {}

}  // namespace zudadavizu_20_0
