#pragma once

#include <string>

namespace vesk::plugin2::iface {

// Host log sink, borrowed by the services. Only slots 3 and 10 are called.
class IPluginLogger {
 public:
  virtual ~IPluginLogger() = default;
  virtual void reservedSlot1() {}
  virtual void reservedSlot2() {}
  // Slot 3: one diagnostic line (ISO-8859-15, no line break).
  virtual void log(const std::string& zeile) = 0;
  virtual void reservedSlot4() {}
  virtual void reservedSlot5() {}
  virtual void reservedSlot6() {}
  virtual void reservedSlot7() {}
  virtual void reservedSlot8() {}
  virtual void reservedSlot9() {}
  // Slot 10: whether lines are wanted at all.
  virtual bool isEnabled() = 0;
};

}  // namespace vesk::plugin2::iface
