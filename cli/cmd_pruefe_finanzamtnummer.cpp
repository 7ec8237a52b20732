// dvhost pruefe-finanzamtnummer: checks tax office numbers or 13-digit tax numbers.
#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"
#include "cli/Verzeichnishinweis.h"

namespace dvhost {
namespace {

int pruefe(Sitzung& sitzung, const Aufruf& aufruf) {
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, aufruf.hat("--json"));
  return ausgabe.fuerJedenWert(aufruf.werte, [&](Pruefung& p) {
    p.code = dienst->pruefeFinanzamtNummer(p.wert);
    if (p.code != 0) p.hinweis = finanzamtHinweis(p.wert);
  });
}

const Befehl befehl{
    "pruefe-finanzamtnummer",
    "Finanzamtsnummern prüfen",
    "Aufruf: dvhost pruefe-finanzamtnummer [--json] [WERT...]\n"
    "Prüft vierstellige Finanzamtsnummern oder 13-stellige Steuernummern (nur deren erste vier "
    "Stellen) gegen die wählbaren und die Testfinanzämter und gibt Ergebniscode und Text aus; "
    "fehlt das Finanzamt im Verzeichnis, sagt ein Hinweis das. Ohne Argumente wird je Zeile "
    "ein Wert von der Standardeingabe gelesen. --json gibt je Wert ein JSON-Objekt aus (UTF-8).",
    {"--json"},
    pruefe};
const BefehlRegistrierung registrierung(befehl);
const DemoRegistrierung demo({43, "Finanzamtsnummern prüfen", [](Sitzung& s) {
                                zeigeAufruf(s, befehl, {"1010", "2380", "1096000000000", "10a0"});
                              }});

}  // namespace
}  // namespace dvhost
