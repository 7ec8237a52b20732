#pragma once

#include "veskplugin2/IRegexPluginService.h"
#include "veskplugin2/IServiceInput.h"

namespace vesk::plugin2::iface {

// Validates a transfer document against the schemas compiled into the module.
class ISchemaValidationService : public IRegexPluginService {
 public:
  // Slot 4: 0 when valid, else a host result code of the 6103011xx/6103012xx
  // groups. The input's text must stay unchanged during the call.
  virtual int validate(IServiceInput& input) = 0;
};

}  // namespace vesk::plugin2::iface
