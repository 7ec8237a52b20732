#pragma once

#include "veskplugin2/IService.h"
#include "veskplugin2/IServiceContext.h"

namespace vesk::plugin2::iface {

// Slots 2 and 3: the overload pair returning the context given to the factory.
class IRegexPluginService : public IService {
 public:
  virtual IServiceContext* getContext() = 0;
  virtual const IServiceContext* getContext() const = 0;
};

}  // namespace vesk::plugin2::iface
