// Smallest host: loads the installed module, registers it, prints a text and a tax number check.
#include <dlfcn.h>

#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>

#include "veskplugin2/Exports.h"

using namespace vesk::plugin2;

namespace {

// Keeps each service's factory name, which is all a host needs from the registration.
class Registrar : public iface::IPluginRegistrar {
 public:
  bool registerVersionInfo(const std::string& produkt, const std::string&,
                           const std::string&) override {
    std::cout << "divideVira " << produkt << " geladen aus " DV_MODUL "\n";
    return true;
  }
  bool registerService(int art, const std::string& fabrik, const std::string&,
                       const std::string&) override {
    fabriken[art] = fabrik;
    return true;
  }
  std::map<int, std::string> fabriken;
};

template <class Fn>
Fn symbol(void* modul, const std::string& name) {
  void* adresse = dlsym(modul, name.c_str());
  if (adresse == nullptr) throw std::runtime_error("Export fehlt: " + name);
  return reinterpret_cast<Fn>(adresse);
}

// The module answers in ISO-8859-15; the tax number texts need only its Latin-1 part.
std::string utf8(const std::string& text) {
  std::string aus;
  for (unsigned char c : text) {
    if (c < 0x80)
      aus += static_cast<char>(c);
    else
      aus += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
  }
  return aus;
}

}  // namespace

int main(int argc, char** argv) try {
  void* modul = dlopen(DV_MODUL, RTLD_NOW | RTLD_LOCAL);
  if (modul == nullptr) throw std::runtime_error(dlerror());
  std::list<int> typen;
  symbol<GetTypesFn>(modul, "vesk_plugin_get_types")(typen);
  Registrar registrar;
  symbol<InitializeFn>(modul, "vesk_plugin2_initialize")(&registrar);
  std::unique_ptr<iface::IFehlertextService> texte(
      symbol<FehlertextFactoryFn>(modul, registrar.fabriken.at(kFehlertext))(nullptr, nullptr));
  std::unique_ptr<iface::IFinanzamtsdatenService> daten(symbol<FinanzamtsdatenFactoryFn>(
      modul, registrar.fabriken.at(kFinanzamtsdaten))(nullptr, nullptr));

  const std::string steuernummer = argc > 1 ? argv[1] : "1127012345673";
  const int code = daten->pruefeSteuernummer(steuernummer);
  std::cout << "Steuernummer " << steuernummer << ": " << code << ' '
            << (code == 0 ? "gueltig" : utf8(texte->getFehlertext(code))) << '\n';
  return code == 0 ? 0 : 1;
} catch (const std::exception& e) {
  std::cerr << "beispielhost: " << e.what() << '\n';
  return 2;
}
