// dvhost steuernummer: converts tax numbers between Land notation and 13 digits.
#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

int steuernummer(Sitzung& sitzung, const Aufruf& aufruf) {
  const bool format = aufruf.hat("--format");
  const std::string land = aufruf.wert("--land"), finanzamt = aufruf.wert("--finanzamt");
  if (format == (!land.empty() || !finanzamt.empty())) {
    throw Benutzungsfehler("entweder --format oder --land/--finanzamt angeben");
  }
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, aufruf.hat("--json"));
  return ausgabe.fuerJedenWert(aufruf.werte, [&](Pruefung& p) {
    p.code = format ? dienst->formatiereSteuernummer(p.wert, p.ergebnis)
                    : dienst->erzeugeSteuernummer(p.wert, land, finanzamt, p.ergebnis);
  });
}

const Befehl befehl{
    "steuernummer",
    "Steuernummern umwandeln (Landesform <-> 13 Stellen)",
    "Aufruf: dvhost steuernummer --land SCHLUESSEL [--json] [WERT...]\n"
    "       dvhost steuernummer --finanzamt NUMMER [--json] [WERT...]\n"
    "       dvhost steuernummer --format [--json] [WERT...]\n"
    "Mit --land (zweistelliger Landesschlüssel) und/oder --finanzamt (vierstellige "
    "Bundesfinanzamtsnummer) wird jede Steuernummer in Landesschreibweise in die "
    "bundeseinheitliche 13-stellige Form umgewandelt und geprüft; Trennzeichen dürfen "
    "Leerzeichen, /, \\, - oder _ sein, verkürzte Formen aus Berlin, Bayern und Hessen "
    "werden ergänzt. Mit --format wird eine 13-stellige Steuernummer in die "
    "Landesschreibweise umgewandelt. Ohne Werte wird je Zeile der Standardeingabe ein "
    "Wert gelesen. --json gibt je Wert ein JSON-Objekt aus (UTF-8), bei Erfolg mit "
    "\"ergebnis\".",
    {"--json", "--format", "--land=", "--finanzamt="},
    steuernummer};
const BefehlRegistrierung registrierung(befehl);

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  zeigeAufruf(sitzung, befehl, argumente);
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
