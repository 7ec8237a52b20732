#pragma once

#include <string>

namespace vesk::plugin2::iface {

// Host registry handed to vesk_plugin2_initialize. Only slots 11 and 12 are
// called; every string argument is a temporary the registrar must copy.
class IPluginRegistrar {
 public:
  virtual ~IPluginRegistrar() = default;
  virtual void reservedSlot1() {}
  virtual void reservedSlot2() {}
  virtual void reservedSlot3() {}
  virtual void reservedSlot4() {}
  virtual void reservedSlot5() {}
  virtual void reservedSlot6() {}
  virtual void reservedSlot7() {}
  virtual void reservedSlot8() {}
  virtual void reservedSlot9() {}
  virtual void reservedSlot10() {}
  // Slot 11.
  virtual bool registerVersionInfo(const std::string& produktVersion,
                                   const std::string& dateiVersion,
                                   const std::string& versionsText) = 0;
  // Slot 12: kind 3, 5 or 6 with the name of the factory export to call.
  virtual bool registerService(int art, const std::string& fabrikName,
                               const std::string& muster,
                               const std::string& zusatz) = 0;
};

}  // namespace vesk::plugin2::iface
