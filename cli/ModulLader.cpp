#include "cli/ModulLader.h"

#include <dlfcn.h>

namespace dvhost {

using namespace vesk::plugin2;

bool AufzeichnenderRegistrar::registerVersionInfo(const std::string& produkt,
                                                  const std::string& datei,
                                                  const std::string& version) {
  registrierung_.produktVersion = produkt;
  registrierung_.dateiVersion = datei;
  registrierung_.versionsText = version;
  registrierung_.aufrufe.push_back("version");
  return antwort_;
}

bool AufzeichnenderRegistrar::registerService(int art, const std::string& fabrik,
                                              const std::string& muster,
                                              const std::string& zusatz) {
  registrierung_.dienste.push_back({art, fabrik, muster, zusatz});
  registrierung_.aufrufe.push_back("service");
  return antwort_;
}

ModulLader::ModulLader(const std::string& pfad)
    // The module keeps its parser set-up until the process ends, so it stays
    // mapped after dlclose (which also keeps that set-up reachable for leak checkers).
    : handle_(dlopen(pfad.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
  if (handle_ == nullptr) throw LadeFehler("Modul nicht ladbar: " + std::string(dlerror()));
}

ModulLader::~ModulLader() { dlclose(handle_); }

void* ModulLader::symbol(const std::string& name) const {
  void* adresse = dlsym(handle_, name.c_str());
  if (adresse == nullptr) throw LadeFehler("Export fehlt: " + name);
  return adresse;
}

Registrierung ModulLader::initialisiere() {
  std::list<int> typen;
  reinterpret_cast<GetTypesFn>(symbol("vesk_plugin_get_types"))(typen);
  if (typen.empty() || typen.back() != kPluginTyp) throw LadeFehler("Kein Plugin vom Typ 2");
  AufzeichnenderRegistrar registrar;
  reinterpret_cast<InitializeFn>(symbol("vesk_plugin2_initialize"))(&registrar);
  registrierung_ = registrar.registrierung();
  return registrierung_;
}

std::string ModulLader::fabrikName(int art) const {
  for (const auto& dienst : registrierung_.dienste) {
    if (dienst.art == art) return dienst.fabrikName;
  }
  throw LadeFehler("Dienst " + std::to_string(art) + " nicht registriert");
}

std::unique_ptr<iface::IFehlertextService> ModulLader::fehlertextService(
    iface::IPluginLogger* logger, iface::IServiceContext* kontext) const {
  return erzeuge<iface::IFehlertextService, FehlertextFactoryFn>(kFehlertext, logger, kontext);
}

std::unique_ptr<iface::IFinanzamtsdatenService> ModulLader::finanzamtsdatenService(
    iface::IPluginLogger* logger, iface::IServiceContext* kontext) const {
  return erzeuge<iface::IFinanzamtsdatenService, FinanzamtsdatenFactoryFn>(kFinanzamtsdaten,
                                                                           logger, kontext);
}

std::unique_ptr<iface::ISchemaValidationService> ModulLader::schemaValidationService(
    iface::IPluginLogger* logger, iface::IServiceContext* kontext) const {
  return erzeuge<iface::ISchemaValidationService, SchemaValidationFactoryFn>(kSchemaValidation,
                                                                             logger, kontext);
}

std::string standardModulPfad() { return DV_MODULE_PATH; }

}  // namespace dvhost
