// dvhost text: texts of host result codes.
#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

// Host result codes are 0 and nine-digit numbers in these groups of a thousand each.
constexpr int kCodegruppen[] = {610001000, 610101000, 610201000, 610301000, 610501000};

int text(Sitzung& sitzung, const Aufruf& aufruf) {
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  if (aufruf.hat("--alle")) {
    if (!aufruf.werte.empty()) throw Benutzungsfehler("--alle nimmt keine Codes");
    // The module lists no codes, so every code of the groups is asked for its text.
    meldeText(sitzung, aufruf.hat("--json"), "0", dienst->getFehlertext(0));
    for (int gruppe : kCodegruppen) {
      for (int code = gruppe; code < gruppe + 1000; ++code) {
        const std::string t = dienst->getFehlertext(code);
        if (!t.empty()) meldeText(sitzung, aufruf.hat("--json"), std::to_string(code), t);
      }
    }
    return kAllesGueltig;
  }
  return meldeTexte(sitzung, aufruf.hat("--json"), aufruf.werte,
                    [&](int code) { return dienst->getFehlertext(code); });
}

const Befehl befehl{"text",
                    "Texte zu Ergebniscodes des Hosts",
                    "Aufruf: dvhost text [--json] [CODE...]\n"
                    "        dvhost text [--json] --alle\n"
                    "Gibt zu jedem neunstelligen Ergebniscode (oder 0) den deutschen Klartext aus, "
                    "ohne Codes zu jeder Zeile der Standardeingabe. Was keine Zahl ist oder keinen "
                    "Text hat, wird als Fehler gemeldet, und es geht mit dem nächsten Code "
                    "weiter. --alle gibt jeden Ergebniscode des Hosts mit seinem Text aus, "
                    "aufsteigend. --json gibt je Code ein JSON-Objekt aus (UTF-8).",
                    {"--json", "--alle"},
                    text};
const BefehlRegistrierung registrierung(befehl);
const DemoRegistrierung demo(
    {30, "Fehlertexte", [](Sitzung& s) {
       zeigeAufruf(s, befehl, {"0", "610001034", "610001502", "610301108"});
     }});

}  // namespace
}  // namespace dvhost
