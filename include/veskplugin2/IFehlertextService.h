#pragma once

#include <string>

#include "veskplugin2/IRegexPluginService.h"

namespace vesk::plugin2::iface {

// Error text service. Texts are ISO-8859-15; both operations are read-only and
// may be called from several threads at once.
class IFehlertextService : public IRegexPluginService {
 public:
  // Slot 4: text of a plausibility message number, or "" when unknown.
  virtual std::string getPlausiFehlertext(int nummer) = 0;
  // Slot 5: text of a host result code, or "" when unknown.
  virtual std::string getFehlertext(int code) = 0;
};

}  // namespace vesk::plugin2::iface
