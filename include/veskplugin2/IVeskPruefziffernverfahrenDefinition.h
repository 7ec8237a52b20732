#pragma once

#include <string>
#include <vector>

namespace vesk::plugin2::iface {

// Check-digit method of a Land, tax office and district; owned by the caller.
class IVeskPruefziffernverfahrenDefinition {
 public:
  virtual ~IVeskPruefziffernverfahrenDefinition() = default;
  virtual std::string getVerfahren() const = 0;
  // The 12 weights of positions 1 to 12 of the 13-digit notation.
  virtual std::vector<int> getFaktoren() const = 0;
  // 12 addends, or none.
  virtual std::vector<int> getSummanden() const = 0;
};

}  // namespace vesk::plugin2::iface
