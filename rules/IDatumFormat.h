#pragma once

#include <string>

namespace zudadavizu_20_0 {

// Pattern side of a date format.
class IDatumFormat {
 public:
  virtual ~IDatumFormat() = default;
  // The pattern as defined (letters T/d day, M month, J/y year).
  virtual const std::string& getFormat() const = 0;
  // Partially known kind, 0 to 3.
  virtual int getTeilBekanntArt() const = 0;
};

}  // namespace zudadavizu_20_0
