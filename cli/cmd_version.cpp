// dvhost version: the versions the module reports through both channels.
#include "cli/Befehl.h"

namespace dvhost {
namespace {

int version(Sitzung& sitzung, const Argumente& argumente) {
  if (!argumente.empty()) return falscheBenutzung(sitzung, "version", "keine Argumente erwartet");
  char puffer[64];
  auto datei = reinterpret_cast<vesk::plugin2::VersionFn>(
      sitzung.modul().symbol("getVeskSharedLibFileversion"));
  auto produkt = reinterpret_cast<vesk::plugin2::VersionFn>(
      sitzung.modul().symbol("getVeskSharedLibProductversion"));
  sitzung.zeile(std::string("Dateiversion:   ") + datei(puffer));
  sitzung.zeile(std::string("Produktversion: ") + produkt(puffer));
  sitzung.zeile("Versionstext:   " + sitzung.modul().registrierung().versionsText);
  return 0;
}

const BefehlRegistrierung registrierung({"version", "Versionen des Moduls anzeigen",
                                         "Aufruf: dvhost version\n"
                                         "Zeigt Datei- und Produktversion sowie den bei der "
                                         "Registrierung übergebenen Versionstext.",
                                         version});
const DemoRegistrierung demo({10, "Version", [](Sitzung& s) { version(s, {}); }});

}  // namespace
}  // namespace dvhost
