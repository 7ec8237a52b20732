// dvhost pruefe: checks tax numbers, IBANs, BICs and identification numbers.
#include <exception>

#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

int pruefe(Sitzung& sitzung, const Argumente& argumente) {
  bool json = false, testnummernErlaubt = false;
  Argumente rest;
  for (const auto& argument : argumente) {
    if (argument == "--json") {
      json = true;
    } else if (argument == "--testnummern-erlaubt") {
      testnummernErlaubt = true;
    } else if (argument.rfind("--", 0) == 0) {
      return falscheBenutzung(sitzung, "pruefe", "unbekannte Option " + argument);
    } else {
      rest.push_back(argument);
    }
  }
  if (rest.empty()) return falscheBenutzung(sitzung, "pruefe", "Art der Werte fehlt");
  const std::string art = rest.front();
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
    return falscheBenutzung(sitzung, "pruefe", "unbekannte Art " + art);
  }
  if (testnummernErlaubt && art != "idnr") {
    return falscheBenutzung(sitzung, "pruefe", "--testnummern-erlaubt gilt nur für idnr");
  }
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, json);
  int status = 0;
  for (const auto& wert : werteOderEingabe(Argumente(rest.begin() + 1, rest.end()))) {
    try {
      if (!ausgabe.melde(wert, pruefung(*dienst, wert, testnummernErlaubt))) status = 1;
    } catch (const std::exception& e) {
      ausgabe.meldeAusnahme(wert, e.what());
      status = 1;
    }
  }
  return status;
}

const BefehlRegistrierung registrierung(
    {"pruefe", "Steuernummern, IBAN, BIC und IdNr prüfen",
     "Aufruf: dvhost pruefe steuernummer|iban|bic|idnr [--testnummern-erlaubt] [--json] "
     "[WERT...]\n"
     "Prüft jeden Wert (ohne Werte: einen je Zeile der Standardeingabe) und gibt den "
     "Ergebniscode mit seinem Text aus. Steuernummern werden in der bundeseinheitlichen "
     "13-stelligen Form erwartet. --testnummern-erlaubt lässt Test-Identifikationsnummern "
     "(beginnend mit 0) zu. --json gibt je Wert ein JSON-Objekt aus.\n"
     "Exit-Status 0, wenn alle Werte gültig sind, sonst 1.",
     pruefe});

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  std::string zeile = "$ dvhost pruefe";
  for (const auto& a : argumente) zeile += " " + a;
  sitzung.zeile(zeile);
  pruefe(sitzung, argumente);
}

const DemoRegistrierung demoSteuernummer(
    {50, "Steuernummer prüfen", [](Sitzung& s) {
       zeige(s, {"steuernummer", "1127012345673", "1127012345674"});
     }});
const DemoRegistrierung demoIban({51, "IBAN prüfen", [](Sitzung& s) {
                                    zeige(s, {"iban", "DE89370400440532013000",
                                              "DE89370400440532013001", "de89370400440532013000"});
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
