// dvhost feldtyp: checks values of the rules library's eleven predefined field types.
//
// The module exports no field-type check, so this subcommand links the rules library and
// the tax office and tax number libraries into dvhost and runs the same dispatcher the
// service operations use. The tax number definitions come from a service object built
// here from those libraries, not from the loaded module.
#include <memory>

#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"
#include "cli/Verzeichnishinweis.h"
#include "rules/Feldtypen.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxofficeservice/FinanzamtsdatenService.h"

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

// The rules library's messages name the field as '$NAME$' ('$%1$' before it is filled in);
// the user sees the field name instead.
std::string mitFeldname(std::string meldung, const std::string& feld) {
  std::size_t anfang = 0;
  while ((anfang = meldung.find('$', anfang)) != std::string::npos) {
    const std::size_t ende = meldung.find('$', anfang + 1);
    if (ende == std::string::npos) break;
    if (meldung.find(' ', anfang) < ende) {
      anfang = ende;
      continue;
    }
    meldung.replace(anfang, ende + 1 - anfang, feld);
    anfang += feld.size();
  }
  return meldung;
}

int feldtyp(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.empty()) throw Benutzungsfehler("Feldtyp fehlt");
  const std::string typ = aufruf.werte.front();
  if (!istTyp(typ)) {
    throw Benutzungsfehler("unbekannter Feldtyp " + typ + " (bekannt: " + typenliste() + ")");
  }
  const bool normalisieren = aufruf.hat("--normalisieren");
  if (normalisieren && typ != "IBAN" && typ != "BIC" && typ != "UStIdNr") {
    throw Benutzungsfehler("--normalisieren gilt nur für IBAN, BIC und UStIdNr");
  }
  const std::string feld = aufruf.hat("--feld") ? aufruf.wert("--feld") : typ;
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  vesk::wex2::DefdatenSteuernummerImpl definitionen(dienst.get());
  const bool mitDefinitionen = !aufruf.hat("--ohne-definitionen");
  auto modul = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, aufruf.hat("--json"), typ);
  ausgabe.normalisiereWerte(normalisieren);
  const Argumente werte(aufruf.werte.begin() + 1, aufruf.werte.end());
  return ausgabe.fuerJedenWert(werte, [&](Pruefung& p) {
    p.code = vesk::divideVira::pruefeFeldtyp(typ, p.geprueft(),
                                             mitDefinitionen ? &definitionen : nullptr, &p.text);
    p.text = mitFeldname(p.text, feld);
    if (p.code != 0 && typ == "Steuernummer") p.hinweis = steuernummerHinweis(*modul, p.wert);
  });
}

const Befehl befehl{
    "feldtyp",
    "Werte eines vordefinierten Feldtyps prüfen",
    "Aufruf: dvhost feldtyp TYP [OPTIONEN] [WERT...]\n"
    "Prüft jeden Wert (ohne Werte: einen je Zeile der Standardeingabe) als Feldtyp TYP "
    "der Regelbibliothek und gibt den Code des Prüfers mit der Meldung der "
    "Fehlernachschlagung aus (Code 0: gültig; bei Test-Identifikationsnummern mit "
    "Hinweis). Typen: Steuernummer, Bundessteuernummer, Bundesfinanzamtsnummer, "
    "Laenderkuerzel, IDNr, UStIdNr, IBAN, BIC, EMail, DATUM_MMJJ, DATUM_TTMMJJ.\n"
    "Die Prüfung läuft nicht über das geladene Modul (es exportiert keine "
    "Feldtypprüfung), sondern über die in dvhost gebundenen Bibliotheken des Moduls; die "
    "Steuernummerndefinitionen kommen aus denselben Tabellen.\n"
    "  --feld NAME          Feldname in den Meldungen (Standard: der Feldtyp)\n"
    "  --normalisieren      Leerzeichen entfernen und Buchstaben groß schreiben, bevor geprüft "
    "wird (IBAN, BIC, UStIdNr); der geprüfte Wert steht in Klammern neben dem Original\n"
    "  --ohne-definitionen  ohne die Steuernummerndefinitionen prüfen (Laenderkuerzel nimmt "
    "dann jeden Wert an)\n"
    "  --json               je Wert ein JSON-Objekt (UTF-8)",
    {"--json", "--ohne-definitionen", "--normalisieren", "--feld="},
    feldtyp};
const BefehlRegistrierung registrierung(befehl);

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  zeigeAufruf(sitzung, befehl, argumente);
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
