// dvhost laender, finanzaemter, testfinanzaemter: the directory's selection lists.
#include <iostream>
#include <utility>
#include <vector>

#include "cli/Befehl.h"

namespace dvhost {
namespace {

using Eintraege = std::vector<std::pair<std::string, std::string>>;

std::string entschluessele(const std::string& text) {
  std::string ergebnis;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool ersetzt = false;
    for (const auto& [entity, zeichen] :
         {std::pair{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}) {
      if (text.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
        ergebnis += zeichen;
        i += std::char_traits<char>::length(entity) - 1;
        ersetzt = true;
        break;
      }
    }
    if (!ersetzt) ergebnis += text[i];
  }
  return ergebnis;
}

// Content of the next element `name` from pos on ("" for <name/>); npos when none.
std::size_t naechsterInhalt(const std::string& xml, const std::string& name, std::size_t pos,
                            std::string& inhalt) {
  const std::size_t leer = xml.find("<" + name + "/>", pos);
  const std::size_t start = xml.find("<" + name + ">", pos);
  if (leer != std::string::npos && (start == std::string::npos || leer < start)) {
    inhalt.clear();
    return leer + name.size() + 3;
  }
  if (start == std::string::npos) return std::string::npos;
  const std::size_t von = start + name.size() + 2;
  const std::size_t bis = xml.find("</" + name + ">", von);
  if (bis == std::string::npos) return std::string::npos;
  inhalt = entschluessele(xml.substr(von, bis - von));
  return bis + name.size() + 3;
}

// The (number, name) pairs of a list answer, whose entries the module writes as
// <Eintrag><Nummer>...</Nummer><Name>...</Name></Eintrag>.
Eintraege liesListe(const std::string& xml, const std::string& nummerElement) {
  Eintraege eintraege;
  std::string nummer, name;
  std::size_t pos = 0;
  while ((pos = naechsterInhalt(xml, nummerElement, pos, nummer)) != std::string::npos &&
         (pos = naechsterInhalt(xml, "Name", pos, name)) != std::string::npos) {
    eintraege.emplace_back(nummer, name);
  }
  return eintraege;
}

// Splits off a leading or trailing --xml.
bool nimmXmlSchalter(Argumente& argumente) {
  for (auto it = argumente.begin(); it != argumente.end(); ++it) {
    if (*it == "--xml") {
      argumente.erase(it);
      return true;
    }
  }
  return false;
}

int zeigeListe(Sitzung& sitzung, const std::string& xml, bool alsXml,
               const std::string& nummerElement) {
  if (alsXml) {
    std::cout << xml << "\r\n";  // the document's own ISO-8859-15 bytes
    return 0;
  }
  for (const auto& [nummer, name] : liesListe(xml, nummerElement)) {
    sitzung.zeile(nummer + "  " + name);
  }
  return 0;
}

int fehlerCode(Sitzung& sitzung, int code) {
  sitzung.fehler(std::to_string(code) + ": " +
                 sitzung.modul().fehlertextService()->getFehlertext(code));
  return 1;
}

int laender(Sitzung& sitzung, const Argumente& eingabe) {
  Argumente argumente = eingabe;
  const bool alsXml = nimmXmlSchalter(argumente);
  bool alle = false;
  if (!argumente.empty() && argumente.front() == "--alle") {
    alle = true;
    argumente.erase(argumente.begin());
  }
  if (!argumente.empty())
    return falscheBenutzung(sitzung, "laender", "unerwartet: " + argumente[0]);
  std::string xml;
  const int code =
      sitzung.modul().finanzamtsdatenService(sitzung.logger())->holeFinanzamtLandNummern(xml, alle);
  if (code != 0) return fehlerCode(sitzung, code);
  return zeigeListe(sitzung, xml, alsXml, "FinanzamtLandNummer");
}

int finanzaemter(Sitzung& sitzung, const Argumente& eingabe) {
  Argumente argumente = eingabe;
  const bool alsXml = nimmXmlSchalter(argumente);
  if (argumente.size() != 1) {
    return falscheBenutzung(sitzung, "finanzaemter", "genau eine Landesnummer erwartet");
  }
  std::string xml;
  const int code =
      sitzung.modul().finanzamtsdatenService(sitzung.logger())->holeFinanzaemter(argumente[0], xml);
  if (code != 0) return fehlerCode(sitzung, code);
  return zeigeListe(sitzung, xml, alsXml, "BuFaNummer");
}

int testfinanzaemter(Sitzung& sitzung, const Argumente& eingabe) {
  Argumente argumente = eingabe;
  const bool alsXml = nimmXmlSchalter(argumente);
  if (!argumente.empty()) {
    return falscheBenutzung(sitzung, "testfinanzaemter", "keine Argumente erwartet");
  }
  std::string xml;
  const int code =
      sitzung.modul().finanzamtsdatenService(sitzung.logger())->holeTestfinanzaemter(xml);
  if (code != 0) return fehlerCode(sitzung, code);
  return zeigeListe(sitzung, xml, alsXml, "BuFaNummer");
}

const BefehlRegistrierung laenderBefehl(
    {"laender", "Landesnummern der Finanzverwaltung",
     "Aufruf: dvhost laender [--alle] [--xml]\n"
     "Listet die Landesnummern mit ihren Namen. --alle nimmt die nordrhein-westfälischen "
     "Testschlüssel 54 bis 56 hinzu, --xml gibt das XML-Dokument des Moduls unverändert "
     "(ISO-8859-15) aus.",
     laender});
const BefehlRegistrierung finanzaemterBefehl(
    {"finanzaemter", "Finanzämter eines Landes",
     "Aufruf: dvhost finanzaemter LANDESNUMMER [--xml]\n"
     "Listet die wählbaren Finanzämter des Landes (Bundesfinanzamtsnummer und Name), mit "
     "--xml das XML-Dokument des Moduls. Exit-Status 1 bei unbekannter Landesnummer.",
     finanzaemter});
const BefehlRegistrierung testfinanzaemterBefehl(
    {"testfinanzaemter", "Test- und Schulungsfinanzämter",
     "Aufruf: dvhost testfinanzaemter [--xml]\n"
     "Listet die Test- und Schulungsfinanzämter, mit --xml das XML-Dokument des Moduls.",
     testfinanzaemter});

const DemoRegistrierung laenderDemo({40, "Länder und ihre Landesnummern",
                                     [](Sitzung& s) { laender(s, {}); }});
const DemoRegistrierung saarlandDemo({41, "Finanzämter des Saarlandes (Landesnummer 10)",
                                      [](Sitzung& s) { finanzaemter(s, {"10"}); }});

}  // namespace
}  // namespace dvhost
