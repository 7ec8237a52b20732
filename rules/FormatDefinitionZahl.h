#pragma once

#include "rules/IFormatDefinition.h"

namespace zudadavizu_20_0 {

// Base of number formats. The number checks belong to the rule sets that define them; the
// library only needs to recognise the type (istZahlenFormat).
class FormatDefinitionZahl : public IFormatDefinition {
 public:
  int getTyp() const override { return TYP_ZAHL; }
};

}  // namespace zudadavizu_20_0
