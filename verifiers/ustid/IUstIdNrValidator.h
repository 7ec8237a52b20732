#pragma once

#include <string>
#include <string_view>

namespace zudadavizu_20_0 {

// Rule of one country for the national part of a VAT identification number.
class IUstIdNrValidator {
 public:
  virtual ~IUstIdNrValidator() = default;
  // Whether the national part (the text after the two-letter prefix) is valid; never throws.
  virtual bool isValid(std::string_view national) const = 0;
  // The country prefix this validator serves ("AT", "EL", ...).
  virtual std::string getLaenderkuerzel() const = 0;
};

}  // namespace zudadavizu_20_0
