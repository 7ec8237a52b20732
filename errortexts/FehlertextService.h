#pragma once

#include "veskplugin2/IFehlertextService.h"
#include "veskplugin2/IPluginLogger.h"

namespace vesk::divideVira {

// New error text service; the caller owns it, the service owns the context.
plugin2::iface::IFehlertextService* erzeugeFehlertextService(
    plugin2::iface::IPluginLogger* logger, plugin2::iface::IServiceContext* kontext);

}  // namespace vesk::divideVira
