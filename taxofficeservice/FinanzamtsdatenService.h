#pragma once

#include "veskplugin2/IFinanzamtsdatenService.h"
#include "veskplugin2/IPluginLogger.h"
#include "veskplugin2/IServiceContext.h"

namespace vesk::divideVira {

// New tax office data service owned by the caller; it owns the context and borrows the
// logger (either may be null). Stateless apart from these, so usable from several threads.
plugin2::iface::IFinanzamtsdatenService* erzeugeFinanzamtsdatenService(
    plugin2::iface::IPluginLogger* logger, plugin2::iface::IServiceContext* kontext);

}  // namespace vesk::divideVira
