#pragma once

#include <string>
#include <vector>

namespace zudadavizu_20_0 {

// Check-digit method of a Land, tax office and district.
class IPruefziffernverfahrenDefinition {
 public:
  virtual ~IPruefziffernverfahrenDefinition() = default;
  // Name of the method.
  virtual const std::string& getVerfahren() const = 0;
  // The 12 weights of positions 1 to 12 of the 13-digit notation.
  virtual const std::vector<int>& getFaktoren() const = 0;
  // 12 addends, or none.
  virtual const std::vector<int>& getSummanden() const = 0;
};

}  // namespace zudadavizu_20_0
