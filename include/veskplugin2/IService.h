#pragma once

namespace vesk::plugin2::iface {

// Base of every service the host creates through a factory export.
// Slot 0: destructor; slot 1: isAvailable.
class IService {
 public:
  virtual ~IService() = default;
  // Whether the service can be used now.
  virtual bool isAvailable() = 0;
};

}  // namespace vesk::plugin2::iface
