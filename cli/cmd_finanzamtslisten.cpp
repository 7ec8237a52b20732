// dvhost laender, finanzaemter, testfinanzaemter: the directory's selection lists.
#include <utility>
#include <vector>

#include "cli/Ausgabe.h"
#include "cli/Befehl.h"
#include "cli/Json.h"
#include "cli/Pruefausgabe.h"

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

// The list as the module's XML document, as lines "NUMMER  NAME", or as JSON objects; a
// failure code is reported for the value that was asked for.
int zeigeListe(Sitzung& sitzung, const Aufruf& aufruf, const std::string& wert, int code,
               const std::string& xml, const std::string& nummerElement) {
  const bool json = aufruf.hat("--json");
  if (json && aufruf.hat("--xml")) throw Benutzungsfehler("--xml und --json schließen sich aus");
  if (code != 0) {
    Pruefung p;
    p.wert = wert;
    p.code = code;
    return Pruefausgabe(sitzung, json).melde(p);
  }
  if (aufruf.hat("--xml")) {
    schreibe(xml + "\r\n");  // the document's own ISO-8859-15 bytes
    return kAllesGueltig;
  }
  for (const auto& [nummer, name] : liesListe(xml, nummerElement)) {
    if (json) {
      sitzung.jsonZeile(JsonObjekt().text("nummer", nummer).text("name", name).str());
    } else {
      sitzung.zeile(nummer + "  " + name);
    }
  }
  return kAllesGueltig;
}

int laender(Sitzung& sitzung, const Aufruf& aufruf) {
  if (!aufruf.werte.empty()) throw Benutzungsfehler("unerwartet: " + aufruf.werte[0]);
  std::string xml;
  const int code = sitzung.modul()
                       .finanzamtsdatenService(sitzung.logger())
                       ->holeFinanzamtLandNummern(xml, aufruf.hat("--alle"));
  return zeigeListe(sitzung, aufruf, "", code, xml, "FinanzamtLandNummer");
}

int finanzaemter(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.size() != 1) throw Benutzungsfehler("genau eine Landesnummer erwartet");
  std::string xml;
  const int code = sitzung.modul()
                       .finanzamtsdatenService(sitzung.logger())
                       ->holeFinanzaemter(aufruf.werte[0], xml);
  return zeigeListe(sitzung, aufruf, aufruf.werte[0], code, xml, "BuFaNummer");
}

int testfinanzaemter(Sitzung& sitzung, const Aufruf& aufruf) {
  if (!aufruf.werte.empty()) throw Benutzungsfehler("keine Argumente erwartet");
  std::string xml;
  const int code =
      sitzung.modul().finanzamtsdatenService(sitzung.logger())->holeTestfinanzaemter(xml);
  return zeigeListe(sitzung, aufruf, "", code, xml, "BuFaNummer");
}

const char* const kListenform =
    " --xml gibt das XML-Dokument des Moduls unverändert (ISO-8859-15) aus, --json je Eintrag "
    "ein JSON-Objekt mit nummer und name (UTF-8).";

const BefehlRegistrierung laenderBefehl(
    {"laender",
     "Landesnummern der Finanzverwaltung",
     std::string("Aufruf: dvhost laender [--alle] [--xml|--json]\n"
                 "Listet die Landesnummern mit ihren Namen. --alle nimmt die "
                 "nordrhein-westfälischen Testschlüssel 54 bis 56 hinzu.") +
         kListenform,
     {"--alle", "--xml", "--json"},
     laender});
const BefehlRegistrierung finanzaemterBefehl(
    {"finanzaemter",
     "Finanzämter eines Landes",
     std::string("Aufruf: dvhost finanzaemter LANDESNUMMER [--xml|--json]\n"
                 "Listet die wählbaren Finanzämter des Landes (Bundesfinanzamtsnummer und Name); "
                 "eine unbekannte Landesnummer ist ungültig (Exit-Status 1).") +
         kListenform,
     {"--xml", "--json"},
     finanzaemter});
const BefehlRegistrierung testfinanzaemterBefehl(
    {"testfinanzaemter",
     "Test- und Schulungsfinanzämter",
     std::string("Aufruf: dvhost testfinanzaemter [--xml|--json]\n"
                 "Listet die Test- und Schulungsfinanzämter.") +
         kListenform,
     {"--xml", "--json"},
     testfinanzaemter});

const DemoRegistrierung laenderDemo({40, "Länder und ihre Landesnummern",
                                     [](Sitzung& s) { laender(s, Aufruf()); }});
const DemoRegistrierung saarlandDemo({41, "Finanzämter des Saarlandes (Landesnummer 10)",
                                      [](Sitzung& s) { finanzaemter(s, Aufruf({"10"})); }});

}  // namespace
}  // namespace dvhost
