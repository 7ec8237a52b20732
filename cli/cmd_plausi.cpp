// dvhost plausi: texts of plausibility messages, and a search over them.
#include <algorithm>

#include "cli/Befehl.h"

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
int suche(Sitzung& sitzung, const std::string& wort) {
  if (wort.empty()) return falscheBenutzung(sitzung, "plausi", "leerer Suchbegriff");
  const std::string gesucht = klein(wort);
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  int treffer = 0;
  for (int nummer = kErsteNummer; nummer <= kLetzteNummer; ++nummer) {
    std::string text = dienst->getPlausiFehlertext(nummer);
    if (!text.empty() && klein(text).find(gesucht) != std::string::npos) {
      sitzung.zeile(std::to_string(nummer) + ": " + text);
      ++treffer;
    }
  }
  if (treffer == 0) sitzung.fehler("keine Meldung enthält \"" + wort + "\"");
  return treffer == 0 ? 1 : 0;
}

int plausi(Sitzung& sitzung, const Argumente& argumente) {
  if (argumente.empty())
    return falscheBenutzung(sitzung, "plausi", "mindestens eine Nummer erwartet");
  if (argumente[0] == "--grep") {
    if (argumente.size() != 2) {
      return falscheBenutzung(sitzung, "plausi", "--grep erwartet genau einen Suchbegriff");
    }
    return suche(sitzung, argumente[1]);
  }
  auto dienst = sitzung.modul().fehlertextService(sitzung.logger());
  int status = 0;
  for (const auto& argument : argumente) {
    int nummer = 0;
    if (!alsZahl(argument, nummer)) {
      return falscheBenutzung(sitzung, "plausi", "keine Nummer: " + argument);
    }
    std::string t = dienst->getPlausiFehlertext(nummer);
    if (t.empty()) {
      sitzung.fehler("kein Text für Nummer " + argument);
      status = 1;
    } else {
      sitzung.zeile(argument + ": " + t);
    }
  }
  return status;
}

const BefehlRegistrierung registrierung(
    {"plausi", "Texte zu Plausibilitätsmeldungen, Suche im Katalog",
     "Aufruf: dvhost plausi NUMMER...\n"
     "       dvhost plausi --grep WORT\n"
     "Gibt zu jeder Meldungsnummer den Text aus; Exit-Status 1, wenn eine Nummer unbekannt "
     "ist.\n"
     "--grep listet alle Meldungen (Nummer und Text), deren Text WORT enthält, ohne "
     "Unterscheidung von Groß- und Kleinschreibung; Exit-Status 1, wenn keine passt.",
     plausi});
// 46 is stored with "&quote;" around the check box name; the host sees '"'.
const DemoRegistrierung demo({35, "Plausibilitätstexte", [](Sitzung& s) {
                                plausi(s, {"46", "9972"});
                              }});

}  // namespace
}  // namespace dvhost
