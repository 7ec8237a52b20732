// dvhost steuernummer: converts tax numbers between Land notation and 13 digits.
#include <exception>

#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

int steuernummer(Sitzung& sitzung, const Argumente& argumente) {
  bool json = false, format = false;
  std::string land, finanzamt;
  Argumente werte;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& argument = argumente[i];
    if (argument == "--json") {
      json = true;
    } else if (argument == "--format") {
      format = true;
    } else if (argument == "--land" || argument == "--finanzamt") {
      if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
        return falscheBenutzung(sitzung, "steuernummer", argument + " braucht einen Wert");
      }
      (argument == "--land" ? land : finanzamt) = argumente[++i];
    } else if (argument.rfind("--", 0) == 0) {
      return falscheBenutzung(sitzung, "steuernummer", "unbekannte Option " + argument);
    } else {
      werte.push_back(argument);
    }
  }
  if (format == (!land.empty() || !finanzamt.empty())) {
    return falscheBenutzung(sitzung, "steuernummer",
                            "entweder --format oder --land/--finanzamt angeben");
  }
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, json);
  int status = 0;
  for (const auto& wert : werteOderEingabe(werte)) {
    try {
      std::string ergebnis;
      int code = format ? dienst->formatiereSteuernummer(wert, ergebnis)
                        : dienst->erzeugeSteuernummer(wert, land, finanzamt, ergebnis);
      if (!ausgabe.melde(wert, code, &ergebnis)) status = 1;
    } catch (const std::exception& e) {
      ausgabe.meldeAusnahme(wert, e.what());
      status = 1;
    }
  }
  return status;
}

const BefehlRegistrierung registrierung(
    {"steuernummer", "Steuernummern umwandeln (Landesform <-> 13 Stellen)",
     "Aufruf: dvhost steuernummer --land SCHLUESSEL [--json] [WERT...]\n"
     "       dvhost steuernummer --finanzamt NUMMER [--json] [WERT...]\n"
     "       dvhost steuernummer --format [--json] [WERT...]\n"
     "Mit --land (zweistelliger Landesschlüssel) und/oder --finanzamt (vierstellige "
     "Bundesfinanzamtsnummer) wird jede Steuernummer in Landesschreibweise in die "
     "bundeseinheitliche 13-stellige Form umgewandelt und geprüft; Trennzeichen dürfen "
     "Leerzeichen, /, \\, - oder _ sein, verkürzte Formen aus Berlin, Bayern und Hessen "
     "werden ergänzt. Mit --format wird eine 13-stellige Steuernummer in die "
     "Landesschreibweise umgewandelt. Ohne Werte wird je Zeile der Standardeingabe ein "
     "Wert gelesen. Exit-Status 0, wenn alle Werte umgewandelt wurden, sonst 1.",
     steuernummer});

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  std::string zeile = "$ dvhost steuernummer";
  for (const auto& a : argumente) zeile += " " + a;
  sitzung.zeile(zeile);
  steuernummer(sitzung, argumente);
}

const DemoRegistrierung demoLand({54, "Steuernummer aus Landesschreibweise", [](Sitzung& s) {
                                    zeige(s, {"--land", "11", "27/123/45673"});
                                  }});
const DemoRegistrierung demoFinanzamt({55, "Steuernummer über Finanzamtsnummer", [](Sitzung& s) {
                                         zeige(s, {"--finanzamt", "1127", "123/45673"});
                                       }});
const DemoRegistrierung demoFormat({56, "Steuernummer in Landesschreibweise", [](Sitzung& s) {
                                      zeige(s, {"--format", "1127012345673"});
                                    }});

}  // namespace
}  // namespace dvhost
