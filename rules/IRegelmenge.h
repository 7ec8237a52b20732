#pragma once

#include <string>

#include "rules/IFormatDefinition.h"

namespace zudadavizu_20_0 {

// What the format checks need of a rule set.
class IRegelmenge {
 public:
  virtual ~IRegelmenge() = default;
  // Format of the field; FeldInRegelMengeNichtDefiniertException when the field is unknown.
  virtual const IFormatDefinition& getFormatDefinition(const std::string& feldname) const = 0;
  // Whether year ranges are checked as fiscal years.
  virtual bool pruefeWirtschaftsjahr() const = 0;
  // Assessment year; 0 when none applies.
  virtual int getVeranlagungsjahr() const = 0;
};

}  // namespace zudadavizu_20_0
