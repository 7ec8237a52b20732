// dvhost pruefe-finanzamtnummer: checks tax office numbers or 13-digit tax numbers.
#include "cli/Befehl.h"

namespace dvhost {
namespace {

int pruefe(Sitzung& sitzung, const Argumente& argumente) {
  const Argumente werte = werteOderEingabe(argumente);
  if (werte.empty()) {
    return falscheBenutzung(sitzung, "pruefe-finanzamtnummer", "mindestens ein Wert erwartet");
  }
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  auto texte = sitzung.modul().fehlertextService();
  int status = 0;
  for (const auto& wert : werte) {
    const int code = dienst->pruefeFinanzamtNummer(wert);
    if (code == 0) {
      sitzung.zeile(wert + ": gültig");
    } else {
      sitzung.zeile(wert + ": " + std::to_string(code) + " " + texte->getFehlertext(code));
      status = 1;
    }
  }
  return status;
}

const BefehlRegistrierung registrierung(
    {"pruefe-finanzamtnummer", "Finanzamtsnummern prüfen",
     "Aufruf: dvhost pruefe-finanzamtnummer WERT...\n"
     "Prüft vierstellige Finanzamtsnummern oder 13-stellige Steuernummern (nur deren erste vier "
     "Stellen) gegen die wählbaren und die Testfinanzämter. Ohne Argumente wird je Zeile ein Wert "
     "von der Standardeingabe gelesen. Exit-Status 1, wenn ein Wert abgewiesen wird.",
     pruefe});
const DemoRegistrierung demo({43, "Finanzamtsnummern prüfen", [](Sitzung& s) {
                                pruefe(s, {"1010", "2380", "1096000000000", "10a0"});
                              }});

}  // namespace
}  // namespace dvhost
