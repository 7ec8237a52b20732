#pragma once

#include <list>

#include "veskplugin2/IFehlertextService.h"
#include "veskplugin2/IFinanzamtsdatenService.h"
#include "veskplugin2/IPluginLogger.h"
#include "veskplugin2/IPluginRegistrar.h"
#include "veskplugin2/ISchemaValidationService.h"

// Signatures of the module's seven exports, for hosts resolving them by name.
namespace vesk::plugin2 {

using InitializeFn = bool (*)(iface::IPluginRegistrar*);
using GetTypesFn = void (*)(std::list<int>&);
using FehlertextFactoryFn = iface::IFehlertextService* (*)(
    iface::IPluginLogger*, iface::IServiceContext*);
using FinanzamtsdatenFactoryFn = iface::IFinanzamtsdatenService* (*)(
    iface::IPluginLogger*, iface::IServiceContext*);
using SchemaValidationFactoryFn = iface::ISchemaValidationService* (*)(
    iface::IPluginLogger*, iface::IServiceContext*);
using VersionFn = char* (*)(char*);

// Service kind codes passed to registerService.
enum ServiceKind { kFinanzamtsdaten = 3, kFehlertext = 5, kSchemaValidation = 6 };
constexpr int kPluginTyp = 2;

}  // namespace vesk::plugin2
