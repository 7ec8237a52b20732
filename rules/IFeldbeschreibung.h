#pragma once

#include <string>
#include <vector>

namespace zudadavizu_20_0 {

// Structure of the fields of a rule set, as far as identifiers need it.
class IFeldbeschreibung {
 public:
  virtual ~IFeldbeschreibung() = default;
  // One entry per nesting level of the field; only the count matters to identifiers.
  virtual std::vector<std::string> getEbenen(const std::string& feldname) const = 0;
};

}  // namespace zudadavizu_20_0
