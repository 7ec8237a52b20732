// dvhost version: the versions the module reports through both channels, and the directory.
#include "cli/Befehl.h"
#include "cli/Json.h"
#include "cli/Verzeichnishinweis.h"
#include "cli/Zeichensatz.h"
#include "dividevira/dividevira.h"

namespace dvhost {
namespace {

int version(Sitzung& sitzung, const Aufruf& aufruf) {
  if (!aufruf.werte.empty()) throw Benutzungsfehler("keine Argumente erwartet");
  char datei[64], produkt[64];
  reinterpret_cast<vesk::plugin2::VersionFn>(sitzung.modul().symbol("getVeskSharedLibFileversion"))(
      datei);
  reinterpret_cast<vesk::plugin2::VersionFn>(
      sitzung.modul().symbol("getVeskSharedLibProductversion"))(produkt);
  const std::string& versionstext = sitzung.modul().registrierung().versionsText;
  const char* herkunft = nullptr;
  const bool ersatz = dv_verzeichnisherkunft(&herkunft) != 0;
  const std::string verzeichnis = vonBibliothek(herkunft);
  if (aufruf.hat("--json")) {
    sitzung.jsonZeile(
        JsonObjekt()
            .text("dvhost", DV_VERSION)
            .datei("moduldatei", sitzung.modulDatei())
            .text("dateiversion", datei)
            .text("produktversion", produkt)
            .text("versionstext", versionstext)
            .text("verzeichnis", verzeichnis)
            .wahrheit("ersatzverzeichnis", ersatz)
            .str());
    return kAllesGueltig;
  }
  sitzung.zeile(std::string("dvhost:         ") + DV_VERSION);
  sitzung.zeile("Moduldatei:     " + vonTerminal(sitzung.modulDatei()));
  sitzung.zeile(std::string("Dateiversion:   ") + datei);
  sitzung.zeile(std::string("Produktversion: ") + produkt);
  sitzung.zeile("Versionstext:   " + versionstext);
  sitzung.zeile("Verzeichnis:    " + verzeichnis);
  return kAllesGueltig;
}

const BefehlRegistrierung registrierung(
    {"version",
     "Versionen und eingebautes Finanzamtsverzeichnis",
     "Aufruf: dvhost version [--json]\n"
     "Zeigt die Version von dvhost, die geladene Moduldatei, Datei- und Produktversion des Moduls, "
     "den bei der "
     "Registrierung übergebenen Versionstext und die Herkunft des Finanzamtsverzeichnisses, "
     "mit dem dvhost gebaut ist (Ersatzverzeichnis oder das einer Behörde, wie der "
     "Datengenerator es vermerkt); --json als ein JSON-Objekt (UTF-8).",
     {"--json"},
     version});
const DemoRegistrierung demo({10, "Version", [](Sitzung& s) { version(s, Aufruf()); }});

}  // namespace
}  // namespace dvhost
