#include "rules/DatenImpl.h"

#include <stdexcept>
#include <utility>

namespace zudadavizu_20_0 {

namespace {

// Keys are stored without their area so that identifiers differing only there coincide.
IdentifierImpl normalisiert(const IIdentifier& identifier) {
  return IdentifierImpl(identifier.getName(), identifier.getIndizes(), identifier.getNummer());
}

class DatenIteratorImpl : public IDatenIterator {
 public:
  DatenIteratorImpl(DatenImpl::Werte::const_iterator position,
                    DatenImpl::Werte::const_iterator ende, const IDaten& daten)
      : position_(position), ende_(ende), daten_(daten) {}

  bool hatWeitere() const override { return position_ != ende_; }
  void weiter() override { ++position_; }
  const IIdentifier& getIdentifier() const override { return position_->first; }
  std::string getWert() const override { return daten_.getWert(position_->first); }

 private:
  DatenImpl::Werte::const_iterator position_;
  DatenImpl::Werte::const_iterator ende_;
  const IDaten& daten_;
};

}  // namespace

std::string DatenImpl::getWert(const IIdentifier& identifier) const {
  const auto it = werte_.find(normalisiert(identifier));
  return it == werte_.end() ? std::string() : it->second;
}

std::string DatenImpl::toText(const IIdentifier& identifier) const {
  const std::vector<int>& indizes = identifier.getIndizes();
  if (indizes.empty()) {
    throw std::invalid_argument("toText: Identifier '" + identifier.getName() + "' ohne Index");
  }
  std::string text = identifier.getName();
  text += '/';
  text += std::to_string(indizes.front());
  text += '.';
  text += std::to_string(indizes.size() >= 2 ? indizes.back() : 1);
  if (identifier.getNummer() != IdentifierImpl::KEINE_NUMMER) {
    text += '@';
    text += std::to_string(identifier.getNummer());
  }
  return text;
}

IDatenIterator* DatenImpl::iterator() const {
  return new DatenIteratorImpl(werte_.begin(), werte_.end(), *this);
}

void DatenImpl::setWert(const IIdentifier& identifier, std::string wert) {
  werte_.try_emplace(normalisiert(identifier), std::move(wert));
}

}  // namespace zudadavizu_20_0
