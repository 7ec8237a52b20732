// dvhost services: what the module registered with the host.
#include "cli/Befehl.h"

namespace dvhost {
namespace {

std::string dienstName(int art) {
  switch (art) {
    case vesk::plugin2::kFinanzamtsdaten: return "Finanzamtsdaten";
    case vesk::plugin2::kFehlertext: return "Fehlertexte";
    case vesk::plugin2::kSchemaValidation: return "Schemavalidierung";
    default: return "unbekannt";
  }
}

int services(Sitzung& sitzung, const Argumente& argumente) {
  if (!argumente.empty()) return falscheBenutzung(sitzung, "services", "keine Argumente erwartet");
  for (const auto& dienst : sitzung.modul().registrierung().dienste) {
    sitzung.zeile(std::to_string(dienst.art) + "  " + dienstName(dienst.art) + "  " +
                  dienst.fabrikName + "  Muster \"" + dienst.muster + "\"");
  }
  return 0;
}

const BefehlRegistrierung registrierung({"services", "registrierte Dienste anzeigen",
                                         "Aufruf: dvhost services\n"
                                         "Zeigt Dienstart, Fabrikfunktion und Muster jedes "
                                         "Dienstes, den das Modul registriert.",
                                         services});
const DemoRegistrierung demo({20, "Registrierte Dienste", [](Sitzung& s) { services(s, {}); }});

}  // namespace
}  // namespace dvhost
