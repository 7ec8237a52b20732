// dvhost feldtyp: checks values of the rules library's eleven predefined field types.
//
// The module exports no field-type check, so this subcommand asks the C library libdividevira,
// which is built from the module's own libraries and tables.
#include <stdexcept>
#include <string>

#include "cli/Befehl.h"
#include "cli/Feldtypcodes.h"
#include "cli/Pruefausgabe.h"
#include "cli/Verzeichnishinweis.h"
#include "cli/Zeichensatz.h"
#include "dividevira/dividevira.h"

namespace dvhost {
namespace {

const char* const TYPEN[] = {"Steuernummer", "Bundessteuernummer", "Bundesfinanzamtsnummer",
                             "Laenderkuerzel", "IDNr", "UStIdNr", "IBAN", "BIC", "EMail",
                             "DATUM_MMJJ", "DATUM_TTMMJJ"};

std::string typenliste() {
  std::string liste;
  for (const char* typ : TYPEN) liste += (liste.empty() ? "" : ", ") + std::string(typ);
  return liste;
}

std::string fehlertext(int code) {
  switch (code) {
    case DV_FEHLER_ZEICHEN:
      return "Wert enthält ein Zeichen außerhalb von ISO-8859-15";
    case DV_FEHLER_LAENGE:
      return "Wert länger als " + std::to_string(DV_MAX_LAENGE) + " Bytes";
    case DV_FEHLER_PUFFER:
      return "Feldname zu lang";
    default:
      return "Prüfung nicht möglich (" + std::to_string(code) + ")";
  }
}

int feldtyp(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.empty()) throw Benutzungsfehler("Feldtyp fehlt");
  const std::string typ = aufruf.werte.front();
  if (dv_pruefe(typ.c_str(), "", 0) == DV_FEHLER_TYP) {
    throw Benutzungsfehler("unbekannter Feldtyp " + typ + " (bekannt: " + typenliste() + ")");
  }
  const bool normalisieren = aufruf.hat("--normalisieren");
  if (normalisieren && typ != "IBAN" && typ != "BIC" && typ != "UStIdNr") {
    throw Benutzungsfehler("--normalisieren gilt nur für IBAN, BIC und UStIdNr");
  }
  const std::string feld = aufruf.hat("--feld") ? aufruf.wert("--feld") : typ;
  if (aufruf.hat("--codes")) {
    if (aufruf.werte.size() > 1) throw Benutzungsfehler("--codes nimmt keine Werte");
    return zeigeFeldtypCodes(sitzung, typ, aufruf.hat("--json"));
  }
  const std::string feldUtf8 = latin9AlsUtf8(feld);
  const unsigned optionen = aufruf.hat("--ohne-definitionen") ? DV_OHNE_DEFINITIONEN : 0;
  Pruefausgabe ausgabe(sitzung, aufruf.hat("--json"), typ);
  ausgabe.normalisiereWerte(normalisieren);
  const Argumente werte(aufruf.werte.begin() + 1, aufruf.werte.end());
  return ausgabe.fuerJedenWert(werte, [&](Pruefung& p) {
    const std::string wert = latin9AlsUtf8(p.geprueft());
    char meldung[DV_MELDUNG_MAX + 4096];  // room for a --feld name of any length allowed
    p.code = dv_pruefe_text(typ.c_str(), wert.data(), wert.size(), feldUtf8.c_str(), optionen,
                            meldung, sizeof meldung);
    if (p.code < 0) throw std::runtime_error(fehlertext(p.code));
    p.text = vonBibliothek(meldung);
    if (p.code != 0 && typ == "Steuernummer") p.hinweis = steuernummerHinweis(p.wert);
  });
}

const Befehl befehl{
    "feldtyp",
    "Werte eines vordefinierten Feldtyps prüfen",
    "Aufruf: dvhost feldtyp TYP [OPTIONEN] [WERT...]\n"
    "        dvhost feldtyp --codes TYP\n"
    "Prüft jeden Wert (ohne Werte: einen je Zeile der Standardeingabe) als Feldtyp TYP "
    "der Regelbibliothek und gibt den Code des Prüfers mit der Meldung der "
    "Fehlernachschlagung aus (Code 0: gültig; bei Test-Identifikationsnummern mit "
    "Hinweis). Typen: Steuernummer, Bundessteuernummer, Bundesfinanzamtsnummer, "
    "Laenderkuerzel, IDNr, UStIdNr, IBAN, BIC, EMail, DATUM_MMJJ, DATUM_TTMMJJ.\n"
    "Die Prüfung läuft nicht über das geladene Modul (es exportiert keine "
    "Feldtypprüfung), sondern über die C-Bibliothek libdividevira, die aus den Bibliotheken "
    "und Tabellen des Moduls gebaut ist.\n"
    "  --codes              jeden Code des Typs mit seiner Meldung ausgeben\n"
    "  --feld NAME          Feldname in den Meldungen (Standard: der Feldtyp)\n"
    "  --normalisieren      Leerzeichen entfernen und Buchstaben groß schreiben, bevor geprüft "
    "wird (IBAN, BIC, UStIdNr); der geprüfte Wert steht in Klammern neben dem Original\n"
    "  --ohne-definitionen  ohne die Steuernummerndefinitionen prüfen (Laenderkuerzel nimmt "
    "dann jeden Wert an)\n"
    "  --json               je Wert ein JSON-Objekt (UTF-8)",
    {"--json", "--ohne-definitionen", "--normalisieren", "--feld=", "--codes"},
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
