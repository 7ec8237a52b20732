// dvhost plausi: texts of plausibility messages, and a search over them.
#include <algorithm>

#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

// The documented range of message numbers; the search asks the module for each.
constexpr int kErsteNummer = 2;
constexpr int kLetzteNummer = 8990999;

// Lower case of an ISO-8859-15 byte (ASCII, the Latin-1 letters, and the
// letters Latin-9 places at 0xA6/0xA8, 0xB4/0xB8, 0xBC/0xBD, 0xBE/0xFF).
char klein(char zeichen) {
  unsigned char c = static_cast<unsigned char>(zeichen);
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 0x20;
  switch (c) {
    case 0xA6:
      c = 0xA8;
      break;
    case 0xB4:
      c = 0xB8;
      break;
    case 0xBC:
      c = 0xBD;
      break;
    case 0xBE:
      c = 0xFF;
      break;
  }
  return static_cast<char>(c);
}

std::string klein(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return klein(c); });
  return text;
}

// Goes through the module rather than linking the table in, so that the search
// sees the catalogue of the module actually loaded and uses only the host
// interface; the ~9 million lookups take well under a second.
int suche(Sitzung& sitzung, const std::string& wort, bool json) {
  const std::string gesucht = klein(wort);
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  int treffer = 0;
  for (int nummer = kErsteNummer; nummer <= kLetzteNummer; ++nummer) {
    std::string text = dienst->getPlausiFehlertext(nummer);
    if (!text.empty() && klein(text).find(gesucht) != std::string::npos) {
      meldeText(sitzung, json, std::to_string(nummer), text);
      ++treffer;
    }
  }
  if (treffer == 0) sitzung.fehler("keine Meldung enthält \"" + wort + "\"");
  return treffer == 0 ? kUngueltig : kAllesGueltig;
}

int plausi(Sitzung& sitzung, const Aufruf& aufruf) {
  const bool json = aufruf.hat("--json");
  if (aufruf.hat("--grep")) {
    if (!aufruf.werte.empty()) throw Benutzungsfehler("--grep und Nummern schließen sich aus");
    return suche(sitzung, aufruf.wert("--grep"), json);
  }
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  return meldeTexte(sitzung, json, aufruf.werte,
                    [&](int nummer) { return dienst->getPlausiFehlertext(nummer); });
}

const Befehl befehl{
    "plausi",
    "Texte zu Plausibilitätsmeldungen, Suche im Katalog",
    "Aufruf: dvhost plausi [--json] [NUMMER...]\n"
    "       dvhost plausi [--json] --grep WORT\n"
    "Gibt zu jeder Meldungsnummer (ohne Nummern: zu jeder Zeile der Standardeingabe) den Text "
    "aus; was keine Zahl ist oder keinen Text hat, wird als Fehler gemeldet.\n"
    "--grep listet alle Meldungen (Nummer und Text), deren Text WORT enthält, ohne "
    "Unterscheidung von Groß- und Kleinschreibung; Exit-Status 1, wenn keine passt.\n"
    "--json gibt je Meldung ein JSON-Objekt aus (UTF-8).",
    {"--json", "--grep="},
    plausi};
const BefehlRegistrierung registrierung(befehl);
// 46 is stored with "&quote;" around the check box name; the host sees '"'.
const DemoRegistrierung demo({35, "Plausibilitätstexte", [](Sitzung& s) {
                                zeigeAufruf(s, befehl, {"46", "9972"});
                              }});

}  // namespace
}  // namespace dvhost
