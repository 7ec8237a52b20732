// dvhost services: what the module registered with the host.
#include "cli/Befehl.h"
#include "cli/Json.h"

namespace dvhost {
namespace {

std::string dienstName(int art) {
  switch (art) {
    case vesk::plugin2::kFinanzamtsdaten:
      return "Finanzamtsdaten";
    case vesk::plugin2::kFehlertext:
      return "Fehlertexte";
    case vesk::plugin2::kSchemaValidation:
      return "Schemavalidierung";
    default:
      return "unbekannt";
  }
}

int services(Sitzung& sitzung, const Aufruf& aufruf) {
  if (!aufruf.werte.empty()) throw Benutzungsfehler("keine Argumente erwartet");
  for (const auto& dienst : sitzung.modul().registrierung().dienste) {
    if (aufruf.hat("--json")) {
      sitzung.jsonZeile(JsonObjekt()
                            .zahl("art", dienst.art)
                            .text("name", dienstName(dienst.art))
                            .text("fabrik", dienst.fabrikName)
                            .text("muster", dienst.muster)
                            .str());
    } else {
      sitzung.zeile(std::to_string(dienst.art) + "  " + dienstName(dienst.art) + "  " +
                    dienst.fabrikName + "  Muster \"" + dienst.muster + "\"");
    }
  }
  return kAllesGueltig;
}

const BefehlRegistrierung registrierung({"services",
                                         "registrierte Dienste anzeigen",
                                         "Aufruf: dvhost services [--json]\n"
                                         "Zeigt Dienstart, Fabrikfunktion und Muster jedes "
                                         "Dienstes, den das Modul registriert; --json je "
                                         "Dienst ein JSON-Objekt (UTF-8).",
                                         {"--json"},
                                         services});
const DemoRegistrierung demo({20, "Registrierte Dienste",
                              [](Sitzung& s) { services(s, Aufruf()); }});

}  // namespace
}  // namespace dvhost
