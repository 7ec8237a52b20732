// dvhost text: texts of host result codes.
#include "cli/Befehl.h"

namespace dvhost {
namespace {

int text(Sitzung& sitzung, const Argumente& argumente) {
  if (argumente.empty()) return falscheBenutzung(sitzung, "text", "mindestens ein Code erwartet");
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  int status = 0;
  for (const auto& argument : argumente) {
    int code = 0;
    if (!alsZahl(argument, code)) return falscheBenutzung(sitzung, "text", "kein Code: " + argument);
    std::string t = dienst->getFehlertext(code);
    if (t.empty()) {
      sitzung.fehler("kein Text für Code " + argument);
      status = 1;
    } else {
      sitzung.zeile(argument + ": " + t);
    }
  }
  return status;
}

const BefehlRegistrierung registrierung({"text", "Texte zu Ergebniscodes des Hosts",
                                         "Aufruf: dvhost text CODE...\n"
                                         "Gibt zu jedem neunstelligen Ergebniscode (oder 0) den "
                                         "deutschen Klartext aus. Exit-Status 1, wenn ein Code "
                                         "unbekannt ist.",
                                         text});
const DemoRegistrierung demo({30, "Fehlertexte", [](Sitzung& s) {
                                text(s, {"0", "610001034", "610001502", "610301108"});
                              }});

}  // namespace
}  // namespace dvhost
