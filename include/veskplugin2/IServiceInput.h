#pragma once

#include <string>

namespace vesk::plugin2::iface {

// Host object carrying the document to validate.
class IServiceInput {
 public:
  virtual ~IServiceInput() = default;
  // Slot 1 is never called by the module.
  virtual void reservedSlot1() {}
  // Slot 2: the XML document as ISO-8859-15 bytes.
  virtual const std::string& getXml() = 0;
};

}  // namespace vesk::plugin2::iface
