// The module's seven exports: the only symbols a host sees.
#include "veskplugin2/Exports.h"

#include <cstring>
#include <list>

#include "errortexts/FehlertextService.h"
#include "plugin/Version.h"
#include "schema/SchemaValidationService.h"
#include "taxofficeservice/FinanzamtsdatenService.h"

#define DV_EXPORT extern "C" __attribute__((visibility("default")))

using namespace vesk::plugin2;

DV_EXPORT bool vesk_plugin2_initialize(iface::IPluginRegistrar* registrar) {
  {
    const std::string dateiVersion = vesk::util::kDateiVersion;
    const std::string produktVersion = vesk::util::kProduktVersion;
    registrar->registerVersionInfo(produktVersion, dateiVersion, vesk::util::versionsText());
  }
  registrar->registerService(kFinanzamtsdaten, "vesk_plugin_get_finanzamts_daten_service", ".*",
                             "");
  registrar->registerService(kFehlertext, "vesk_plugin_get_fehlertext_service", ".*", "");
  registrar->registerService(kSchemaValidation, "vesk_plugin_get_schema_validation_service", ".*",
                             "");
  return true;
}

DV_EXPORT void vesk_plugin_get_types(std::list<int>& typen) { typen.push_back(kPluginTyp); }

DV_EXPORT iface::IFehlertextService* vesk_plugin_get_fehlertext_service(
    iface::IPluginLogger* logger, iface::IServiceContext* kontext) {
  return vesk::divideVira::erzeugeFehlertextService(logger, kontext);
}

DV_EXPORT iface::IFinanzamtsdatenService* vesk_plugin_get_finanzamts_daten_service(
    iface::IPluginLogger* logger, iface::IServiceContext* kontext) {
  return vesk::divideVira::erzeugeFinanzamtsdatenService(logger, kontext);
}

DV_EXPORT iface::ISchemaValidationService* vesk_plugin_get_schema_validation_service(
    iface::IPluginLogger* logger, iface::IServiceContext* kontext) {
  return PLUGIN_NAMESPACE::erzeugeSchemaValidationService(logger, kontext);
}

// The caller provides at least 15 bytes.
DV_EXPORT char* getVeskSharedLibFileversion(char* puffer) {
  return std::strcpy(puffer, vesk::util::kDateiVersion);
}

// The caller provides at least 12 bytes.
DV_EXPORT char* getVeskSharedLibProductversion(char* puffer) {
  return std::strcpy(puffer, vesk::util::kProduktVersion);
}

#ifdef _WIN32
#include <windows.h>
// Thread attach/detach notifications are of no use to the module.
BOOL WINAPI DllMain(HINSTANCE instanz, DWORD grund, LPVOID) {
  if (grund == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instanz);
  return TRUE;
}
#endif
