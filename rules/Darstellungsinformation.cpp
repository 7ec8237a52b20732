#include "rules/Darstellungsinformation.h"

#include <stdexcept>

namespace zudadavizu_20_0 {

const std::string& Darstellungsinformation::nullText() {
  static const std::string text("null");
  return text;
}

void Darstellungsinformation::setze(const std::string& schluessel, const std::string& zusatz,
                                    const std::string& wert) {
  if (schluessel.empty()) {
    throw std::runtime_error(
        "Ungueltiger (leerer) Schluessel fuer Darstellungsinformation "
        "(Schluessel = '" +
        schluessel + "', Wert = '" + wert + "')");
  }
  eintraege_[{schluessel, zusatz}] = wert;
}

const std::string& Darstellungsinformation::wertVon(std::string_view schluessel) const {
  const auto it = eintraege_.find(SchluesselOrdnung::Ansicht(schluessel, std::string_view()));
  return it == eintraege_.end() ? nullText() : it->second;
}

}  // namespace zudadavizu_20_0
