#include "rules/ErgebnisFacade.h"

#include <algorithm>
#include <memory>

namespace zudadavizu_20_0 {

namespace {

// A missing identifier is recorded as an empty one.
IdentifierImpl kopie(const IIdentifier* identifier) {
  if (identifier == nullptr)
    return IdentifierImpl(std::string(), std::vector<int>(), IdentifierImpl::KEINE_NUMMER);
  return IdentifierImpl(identifier->getName(), identifier->getIndizes(), identifier->getNummer());
}

}  // namespace

void ErgebnisFacade::add(const std::string& art, const std::string& schluessel, IIdentifier* feld,
                         IIdentifier* bezugsfeld, const std::string& text, int stufe) {
  fuegeHinzu(1, art, schluessel, feld, bezugsfeld, text, stufe);
}

void ErgebnisFacade::addFormal(const std::string& art, const std::string& schluessel,
                               IIdentifier* feld, IIdentifier* bezugsfeld, const std::string& text,
                               int stufe) {
  fuegeHinzu(0, art, schluessel, feld, bezugsfeld, text, stufe);
}

unsigned ErgebnisFacade::anzahl(int stufe) const { return anzahlFuer(std::string(), stufe); }

unsigned ErgebnisFacade::anzahlFuer(const std::string& /*text*/, int stufe) const {
  return static_cast<unsigned>(
      std::count_if(eintraege_.begin(), eintraege_.end(),
                    [stufe](const ErgebnisEintrag& e) { return e.stufe == stufe; }));
}

void ErgebnisFacade::fuegeHinzu(int markierung, const std::string& art,
                                const std::string& schluessel, IIdentifier* feld,
                                IIdentifier* bezugsfeld, const std::string& text, int stufe) {
  // Own both at once so that they are deleted even when copying fails; the same object
  // handed twice is deleted once.
  std::unique_ptr<IIdentifier> eigenesFeld(feld);
  std::unique_ptr<IIdentifier> eigenerBezug(bezugsfeld != feld ? bezugsfeld : nullptr);
  ErgebnisEintrag eintrag{schluessel, markierung, art, text, kopie(feld), kopie(bezugsfeld), stufe};
  eintraege_.push_back(std::move(eintrag));
}

}  // namespace zudadavizu_20_0
