#pragma once

#include <string>

#include "rules/IIdentifier.h"

namespace zudadavizu_20_0 {

// Walks the values of a container in identifier order.
class IDatenIterator {
 public:
  virtual ~IDatenIterator() = default;
  // Whether the iterator stands on an entry.
  virtual bool hatWeitere() const = 0;
  // Advances to the next larger identifier.
  virtual void weiter() = 0;
  // Identifier of the current entry.
  virtual const IIdentifier& getIdentifier() const = 0;
  // Value of the current entry.
  virtual std::string getWert() const = 0;
};

}  // namespace zudadavizu_20_0
