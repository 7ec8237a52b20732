// dvhost feldtyp: checks values of the rules library's eleven predefined field types.
//
// The module exports no field-type check, so this subcommand links the rules library and
// the tax office and tax number libraries into dvhost and runs the same dispatcher the
// service operations use. The tax number definitions come from a service object built
// here from those libraries, not from the loaded module.
#include <exception>
#include <memory>

#include "cli/Befehl.h"
#include "rules/Feldtypen.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace dvhost {
namespace {

bool istTyp(const std::string& name) { return zudadavizu_20_0::feldtypEintrag(name) != nullptr; }

std::string typenliste() {
  std::string liste;
  for (const auto& typ : zudadavizu_20_0::FELDTYPEN) {
    liste += (liste.empty() ? "" : ", ") + std::string(typ.name);
  }
  return liste;
}

void melde(Sitzung& sitzung, bool json, const std::string& typ, const std::string& wert, int code,
           const std::string& meldung) {
  if (json) {
    sitzung.zeile("{\"typ\": " + jsonText(typ) + ", \"wert\": " + jsonText(wert) + ", \"code\": " +
                  std::to_string(code) + ", \"meldung\": " + jsonText(meldung) + "}");
  } else {
    sitzung.zeile(wert + ": " + std::to_string(code) + (meldung.empty() ? "" : " " + meldung));
  }
}

void meldeAusnahme(Sitzung& sitzung, bool json, const std::string& typ, const std::string& wert,
                   const std::string& text) {
  if (json) {
    sitzung.zeile("{\"typ\": " + jsonText(typ) + ", \"wert\": " + jsonText(wert) +
                  ", \"fehler\": " + jsonText(text) + "}");
  } else {
    sitzung.zeile(wert + ": Fehler: " + text);
  }
}

int feldtyp(Sitzung& sitzung, const Argumente& argumente) {
  bool json = false;
  bool mitDefinitionen = true;
  Argumente rest;
  for (const auto& argument : argumente) {
    if (argument == "--json") {
      json = true;
    } else if (argument == "--ohne-definitionen") {
      mitDefinitionen = false;
    } else if (argument.rfind("--", 0) == 0) {
      return falscheBenutzung(sitzung, "feldtyp", "unbekannte Option " + argument);
    } else {
      rest.push_back(argument);
    }
  }
  if (rest.empty()) return falscheBenutzung(sitzung, "feldtyp", "Feldtyp fehlt");
  const std::string typ = rest.front();
  if (!istTyp(typ)) {
    return falscheBenutzung(sitzung, "feldtyp",
                            "unbekannter Feldtyp " + typ + " (bekannt: " + typenliste() + ")");
  }
  std::unique_ptr<vesk::divideVira::FinanzamtsdatenService> dienst(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  vesk::wex2::DefdatenSteuernummerImpl definitionen(dienst.get());
  int status = 0;
  for (const auto& wert : werteOderEingabe(Argumente(rest.begin() + 1, rest.end()))) {
    try {
      std::string meldung;
      const int code = vesk::divideVira::pruefeFeldtyp(
          typ, wert, mitDefinitionen ? &definitionen : nullptr, &meldung);
      melde(sitzung, json, typ, wert, code, meldung);
      if (code != 0) status = 1;
    } catch (const std::exception& e) {
      meldeAusnahme(sitzung, json, typ, wert, e.what());
      status = 1;
    }
  }
  return status;
}

const BefehlRegistrierung registrierung(
    {"feldtyp", "Werte eines vordefinierten Feldtyps prüfen",
     "Aufruf: dvhost feldtyp [--json] [--ohne-definitionen] TYP [WERT...]\n"
     "Prüft jeden Wert (ohne Werte: einen je Zeile der Standardeingabe) als Feldtyp TYP "
     "der Regelbibliothek und gibt den Code des Prüfers mit der Meldung der "
     "Fehlernachschlagung aus (Code 0: gültig; bei Test-Identifikationsnummern mit "
     "Hinweis). Typen: Steuernummer, Bundessteuernummer, Bundesfinanzamtsnummer, "
     "Laenderkuerzel, IDNr, UStIdNr, IBAN, BIC, EMail, DATUM_MMJJ, DATUM_TTMMJJ.\n"
     "Die Prüfung läuft nicht über das geladene Modul (es exportiert keine "
     "Feldtypprüfung), sondern über die in dvhost gebundenen Bibliotheken des Moduls; die "
     "Steuernummerndefinitionen kommen aus denselben Tabellen. --ohne-definitionen prüft "
     "ohne sie (Laenderkuerzel nimmt dann jeden Wert an). --json gibt je Wert ein "
     "JSON-Objekt aus.\n"
     "Exit-Status 0, wenn alle Werte gültig sind, sonst 1.",
     feldtyp});

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  std::string zeile = "$ dvhost feldtyp";
  for (const auto& a : argumente) zeile += " " + a;
  sitzung.zeile(zeile);
  feldtyp(sitzung, argumente);
}

const DemoRegistrierung demoUStIdNr({57, "Umsatzsteuer-Identifikationsnummern prüfen",
                                     [](Sitzung& s) {
                                       zeige(s, {"UStIdNr", "DE136695976", "ATU13585627",
                                                 "FR40303265045", "GR094259216", "DE13669597",
                                                 "de136695976"});
                                     }});
const DemoRegistrierung demoKlein(
    {58, "E-Mail, Datum und Länderkürzel prüfen", [](Sitzung& s) {
       zeige(s, {"EMail", "max.mustermann@example.de", "x@localhost"});
       zeige(s, {"DATUM_TTMMJJ", "29.02.04", "29.02.01"});
       zeige(s, {"Laenderkuerzel", "BY", "XX"});
     }});

}  // namespace
}  // namespace dvhost
