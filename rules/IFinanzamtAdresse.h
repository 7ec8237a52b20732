#pragma once

#include <string>

namespace zudadavizu_20_0 {

// Address view of one tax office; texts are empty when the office has no record.
class IFinanzamtAdresse {
 public:
  virtual ~IFinanzamtAdresse() = default;
  // Street and house number.
  virtual const std::string& getStrasse() const = 0;
  // Postal code of the street address.
  virtual const std::string& getPlz() const = 0;
  // Town.
  virtual const std::string& getOrt() const = 0;
  // Name of the office.
  virtual const std::string& getName() const = 0;
};

}  // namespace zudadavizu_20_0
