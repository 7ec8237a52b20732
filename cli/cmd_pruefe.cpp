// dvhost pruefe: checks tax numbers, IBANs, BICs and identification numbers.
#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"
#include "cli/Verzeichnishinweis.h"

namespace dvhost {
namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

int pruefe(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.empty()) throw Benutzungsfehler("Art der Werte fehlt");
  const std::string art = aufruf.werte.front();
  int (*pruefung)(Dienst&, const std::string&, bool) = nullptr;
  if (art == "steuernummer") {
    pruefung = [](Dienst& d, const std::string& w, bool) { return d.pruefeSteuernummer(w); };
  } else if (art == "iban") {
    pruefung = [](Dienst& d, const std::string& w, bool) { return d.pruefeIBAN(w); };
  } else if (art == "bic") {
    pruefung = [](Dienst& d, const std::string& w, bool) { return d.pruefeBIC(w); };
  } else if (art == "idnr") {
    pruefung = [](Dienst& d, const std::string& w, bool t) { return d.pruefeIdNummer(w, t); };
  } else {
    throw Benutzungsfehler("unbekannte Art " + art);
  }
  const bool testnummern = aufruf.hat("--testnummern-erlaubt");
  if (testnummern && art != "idnr") {
    throw Benutzungsfehler("--testnummern-erlaubt gilt nur für idnr");
  }
  const bool normalisieren = aufruf.hat("--normalisieren");
  if (normalisieren && art != "iban" && art != "bic") {
    throw Benutzungsfehler("--normalisieren gilt nur für iban und bic");
  }
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, aufruf.hat("--json"));
  ausgabe.normalisiereWerte(normalisieren);
  const Argumente werte(aufruf.werte.begin() + 1, aufruf.werte.end());
  return ausgabe.fuerJedenWert(werte, [&](Pruefung& p) {
    p.code = pruefung(*dienst, p.geprueft(), testnummern);
    if (p.code != 0 && art == "steuernummer") p.hinweis = steuernummerHinweis(*dienst, p.wert);
  });
}

const Befehl befehl{
    "pruefe",
    "Steuernummern, IBAN, BIC und IdNr prüfen",
    "Aufruf: dvhost pruefe steuernummer|iban|bic|idnr [OPTIONEN] [WERT...]\n"
    "Prüft jeden Wert (ohne Werte: einen je Zeile der Standardeingabe) und gibt den "
    "Ergebniscode mit seinem Text aus. Steuernummern werden in der bundeseinheitlichen "
    "13-stelligen Form erwartet; scheitert eine nur daran, dass ihr Finanzamt im Verzeichnis "
    "fehlt, sagt ein Hinweis das.\n"
    "  --testnummern-erlaubt  Test-Identifikationsnummern (beginnend mit 0) zulassen (idnr)\n"
    "  --normalisieren        Leerzeichen entfernen und Buchstaben groß schreiben, bevor "
    "geprüft wird (iban, bic); der geprüfte Wert steht in Klammern neben dem Original\n"
    "  --json                 je Wert ein JSON-Objekt (UTF-8)",
    {"--json", "--testnummern-erlaubt", "--normalisieren"},
    pruefe};
const BefehlRegistrierung registrierung(befehl);

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  zeigeAufruf(sitzung, befehl, argumente);
}

const DemoRegistrierung demoSteuernummer(
    {50, "Steuernummer prüfen", [](Sitzung& s) {
       zeige(s, {"steuernummer", "1127012345673", "1127012345674"});
     }});
const DemoRegistrierung demoIban(
    {51, "IBAN prüfen", [](Sitzung& s) {
       zeige(s, {"iban", "DE89370400440532013000", "DE89370400440532013001",
                 "de89370400440532013000"});
       zeige(s, {"iban", "--normalisieren", "de89 3704 0044 0532 0130 00"});
     }});
const DemoRegistrierung demoBic({52, "BIC prüfen", [](Sitzung& s) {
                                   zeige(s, {"bic", "DEUTDEFF500", "DEUTDEFF50", "DEUTUSFF"});
                                 }});
const DemoRegistrierung demoIdNr({53, "Identifikationsnummer prüfen", [](Sitzung& s) {
                                    zeige(s, {"idnr", "86095742719", "86095742718", "02345678901"});
                                    zeige(s, {"idnr", "--testnummern-erlaubt", "02345678901"});
                                  }});

}  // namespace
}  // namespace dvhost
