#pragma once

namespace vesk::plugin2::iface {

// Host object handed to each factory; the service owns and destroys it.
class IServiceContext {
 public:
  virtual ~IServiceContext() = default;
  // Slot 1: the host's availability query, forwarded by the schema service.
  virtual bool isAvailable() const = 0;
};

}  // namespace vesk::plugin2::iface
