// dvhost text: texts of host result codes.
#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

int text(Sitzung& sitzung, const Aufruf& aufruf) {
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  return meldeTexte(sitzung, aufruf.hat("--json"), aufruf.werte,
                    [&](int code) { return dienst->getFehlertext(code); });
}

const Befehl befehl{"text",
                    "Texte zu Ergebniscodes des Hosts",
                    "Aufruf: dvhost text [--json] [CODE...]\n"
                    "Gibt zu jedem neunstelligen Ergebniscode (oder 0) den deutschen Klartext aus, "
                    "ohne Codes zu jeder Zeile der Standardeingabe. Was keine Zahl ist oder keinen "
                    "Text hat, wird als Fehler gemeldet, und es geht mit dem nächsten Code "
                    "weiter. --json gibt je Code ein JSON-Objekt aus (UTF-8).",
                    {"--json"},
                    text};
const BefehlRegistrierung registrierung(befehl);
const DemoRegistrierung demo(
    {30, "Fehlertexte", [](Sitzung& s) {
       zeigeAufruf(s, befehl, {"0", "610001034", "610001502", "610301108"});
     }});

}  // namespace
}  // namespace dvhost
