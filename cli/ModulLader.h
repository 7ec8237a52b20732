#pragma once

#include <list>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "veskplugin2/Exports.h"

namespace dvhost {

class LadeFehler : public std::runtime_error { using std::runtime_error::runtime_error; };

// What the module told the registrar during initialisation.
struct Registrierung {
  struct Dienst {
    int art;
    std::string fabrikName, muster, zusatz;
  };
  std::string produktVersion, dateiVersion, versionsText;
  std::vector<Dienst> dienste;
  std::vector<std::string> aufrufe;  // "version" or "service", in call order
};

// Registrar that records every call and answers with a fixed result.
class AufzeichnenderRegistrar : public vesk::plugin2::iface::IPluginRegistrar {
 public:
  explicit AufzeichnenderRegistrar(bool antwort = true) : antwort_(antwort) {}
  bool registerVersionInfo(const std::string& produkt, const std::string& datei,
                           const std::string& version) override;
  bool registerService(int art, const std::string& fabrik, const std::string& muster,
                       const std::string& zusatz) override;
  const Registrierung& registrierung() const { return registrierung_; }

 private:
  bool antwort_;
  Registrierung registrierung_;
};

// Loads the module with dlopen and resolves its exports, as a host does.
// Services created through it must be destroyed before the loader.
class ModulLader {
 public:
  explicit ModulLader(const std::string& pfad);  // throws LadeFehler
  ~ModulLader();
  ModulLader(const ModulLader&) = delete;
  ModulLader& operator=(const ModulLader&) = delete;

  // Address of an export; throws LadeFehler when it is missing.
  void* symbol(const std::string& name) const;
  // vesk_plugin_get_types followed by vesk_plugin2_initialize.
  Registrierung initialisiere();
  const Registrierung& registrierung() const { return registrierung_; }

  // Creates a service through the factory registered for its kind.
  template <class Dienst, class Fabrik>
  std::unique_ptr<Dienst> erzeuge(int art, vesk::plugin2::iface::IPluginLogger* logger,
                                  vesk::plugin2::iface::IServiceContext* kontext) const {
    auto fabrik = reinterpret_cast<Fabrik>(symbol(fabrikName(art)));
    return std::unique_ptr<Dienst>(fabrik(logger, kontext));
  }
  std::unique_ptr<vesk::plugin2::iface::IFehlertextService> fehlertextService(
      vesk::plugin2::iface::IPluginLogger* logger = nullptr,
      vesk::plugin2::iface::IServiceContext* kontext = nullptr) const;
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> finanzamtsdatenService(
      vesk::plugin2::iface::IPluginLogger* logger = nullptr,
      vesk::plugin2::iface::IServiceContext* kontext = nullptr) const;
  std::unique_ptr<vesk::plugin2::iface::ISchemaValidationService> schemaValidationService(
      vesk::plugin2::iface::IPluginLogger* logger = nullptr,
      vesk::plugin2::iface::IServiceContext* kontext = nullptr) const;

 private:
  std::string fabrikName(int art) const;

  void* handle_;
  Registrierung registrierung_;
};

// Host input object of the schema validation: a document held as text.
class TextEingabe : public vesk::plugin2::iface::IServiceInput {
 public:
  explicit TextEingabe(std::string xml) : xml_(std::move(xml)) {}
  const std::string& getXml() override { return xml_; }

 private:
  std::string xml_;
};

// The module next to the host program, as built.
std::string standardModulPfad();

}  // namespace dvhost
