#pragma once

#include <string>

#include "rules/IIdentifier.h"

namespace zudadavizu_20_0 {

// Collects the result entries of checks.
class IErgebnis {
 public:
  virtual ~IErgebnis() = default;
  // Records a rule result; takes ownership of feld and bezugsfeld.
  virtual void add(const std::string& art, const std::string& schluessel, IIdentifier* feld,
                   IIdentifier* bezugsfeld, const std::string& text, int stufe) = 0;
  // Records a formal (value shape) result; takes ownership of feld and bezugsfeld.
  virtual void addFormal(const std::string& art, const std::string& schluessel, IIdentifier* feld,
                         IIdentifier* bezugsfeld, const std::string& text, int stufe) = 0;
  // Number of entries of the level.
  virtual unsigned anzahl(int stufe) const = 0;
};

}  // namespace zudadavizu_20_0
