// dvhost plausi: texts of plausibility messages.
#include "cli/Befehl.h"

namespace dvhost {
namespace {

int plausi(Sitzung& sitzung, const Argumente& argumente) {
  if (argumente.empty()) return falscheBenutzung(sitzung, "plausi", "mindestens eine Nummer erwartet");
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  int status = 0;
  for (const auto& argument : argumente) {
    int nummer = 0;
    if (!alsZahl(argument, nummer)) {
      return falscheBenutzung(sitzung, "plausi", "keine Nummer: " + argument);
    }
    std::string t = dienst->getPlausiFehlertext(nummer);
    if (t.empty()) {
      sitzung.fehler("kein Text für Nummer " + argument);
      status = 1;
    } else {
      sitzung.zeile(argument + ": " + t);
    }
  }
  return status;
}

const BefehlRegistrierung registrierung({"plausi", "Texte zu Plausibilitätsmeldungen",
                                         "Aufruf: dvhost plausi NUMMER...\n"
                                         "Gibt zu jeder Meldungsnummer den Text aus. Exit-Status "
                                         "1, wenn eine Nummer unbekannt ist.",
                                         plausi});

}  // namespace
}  // namespace dvhost
