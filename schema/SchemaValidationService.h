#pragma once

#include "schema/PluginNamespace.h"
#include "veskplugin2/IPluginLogger.h"
#include "veskplugin2/ISchemaValidationService.h"

namespace PLUGIN_NAMESPACE {

// New schema validation service; the caller owns it, the service owns the context.
vesk::plugin2::iface::ISchemaValidationService* erzeugeSchemaValidationService(
    vesk::plugin2::iface::IPluginLogger* logger, vesk::plugin2::iface::IServiceContext* kontext);

}  // namespace PLUGIN_NAMESPACE
