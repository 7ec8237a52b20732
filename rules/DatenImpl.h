#pragma once

#include <map>
#include <string>

#include "rules/IDaten.h"
#include "rules/IdentifierImpl.h"

namespace zudadavizu_20_0 {

// Ordered value store; an identifier keeps the first value stored under it.
class DatenImpl : public IDaten {
 public:
  using Werte = std::map<IdentifierImpl, std::string>;

  std::string getWert(const IIdentifier& identifier) const override;
  std::string toText(const IIdentifier& identifier) const override;
  IDatenIterator* iterator() const override;
  void setWert(const IIdentifier& identifier, std::string wert) override;

 private:
  Werte werte_;
};

}  // namespace zudadavizu_20_0
