#pragma once

#include <string>

#include "rules/IDatenIterator.h"
#include "rules/IIdentifier.h"

namespace zudadavizu_20_0 {

// Field values keyed by identifier.
class IDaten {
 public:
  virtual ~IDaten() = default;
  // Value of the identifier; empty when absent.
  virtual std::string getWert(const IIdentifier& identifier) const = 0;
  // Printable field reference "name/first.last[@number]"; needs at least one index.
  virtual std::string toText(const IIdentifier& identifier) const = 0;
  // New iterator on the smallest identifier, owned by the caller.
  virtual IDatenIterator* iterator() const = 0;
  // Stores a value; containers that cannot store ignore it.
  virtual void setWert(const IIdentifier& identifier, std::string wert) {
    static_cast<void>(identifier);
    static_cast<void>(wert);
  }
};

}  // namespace zudadavizu_20_0
