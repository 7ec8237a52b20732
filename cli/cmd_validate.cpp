// dvhost validate: schema validation of transfer documents.
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/Befehl.h"
#include "cli/Zeichensatz.h"

namespace dvhost {
namespace {

// Keeps the module's lines of one document, to print them below its result.
class SammelLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  void log(const std::string& zeile) override { zeilen.push_back(zeile); }
  bool isEnabled() override { return true; }
  std::vector<std::string> zeilen;
};

// Prints "NAME: CODE TEXT" and the logged lines; true when the document is valid.
bool pruefe(Sitzung& sitzung, const std::string& name, std::string dokument) {
  SammelLogger logger;
  auto dienst = sitzung.modul().schemaValidationService(&logger);
  TextEingabe eingabe(std::move(dokument));
  const int code = dienst->validate(eingabe);
  const auto texte = sitzung.modul().fehlertextService();
  sitzung.zeile(name + ": " + std::to_string(code) + " " + texte->getFehlertext(code));
  for (const auto& zeile : logger.zeilen) sitzung.zeile("  " + zeile);
  return code == 0;
}

int validate(Sitzung& sitzung, const Argumente& argumente) {
  if (argumente.empty())
    return falscheBenutzung(sitzung, "validate", "mindestens eine Datei erwartet");
  bool alleGueltig = true;
  for (const auto& argument : argumente) {
    std::string dokument;
    if (argument == "-") {
      dokument.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
      // The documents are bytes: read them unchanged, whatever their encoding.
      std::ifstream datei(zuTerminal(argument), std::ios::binary);
      if (!datei) {
        sitzung.fehler("kann " + argument + " nicht lesen");
        alleGueltig = false;
        continue;
      }
      dokument.assign(std::istreambuf_iterator<char>(datei), {});
    }
    alleGueltig = pruefe(sitzung, argument, std::move(dokument)) && alleGueltig;
  }
  return alleGueltig ? 0 : 1;
}

const BefehlRegistrierung registrierung(
    {"validate", "Übertragungsdokumente gegen die eingebauten Schemas prüfen",
     "Aufruf: dvhost validate DATEI...   (- liest die Standardeingabe)\n"
     "Prüft jede Datei gegen die eingebauten XML-Schemas und die Encoding-Angabe "
     "ISO-8859-15 und gibt Ergebniscode, dessen Klartext und die Protokollzeilen aus. "
     "Exit-Status 0, wenn alle Dateien gültig sind, sonst 1.",
     validate});

// A complete transfer document on two lines, and the same with a wrong operation name.
const std::string kDemoDokument =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n"
    "<Arbel xmlns=\"http://divide-vira.example/arbel/transfer\"><TransferHeader version=\"8\">"
    "<Verfahren>ArbelDatenabholung</Verfahren><DatenArt>Abholung</DatenArt>"
    "<Vorgang>send-NoSig</Vorgang><HerstellerID>99999</HerstellerID>"
    "<DatenLieferant>Demo</DatenLieferant><Datei><Verschluesselung>none</Verschluesselung>"
    "<Kompression>none</Kompression><DatenGroesse>1</DatenGroesse><TransportSchluessel/>"
    "</Datei></TransferHeader><DatenTeil><Nutzdatenblock><NutzdatenHeader version=\"10\">"
    "<NutzdatenTicket>1</NutzdatenTicket><Empfaenger id=\"F\">9198</Empfaenger><Hersteller>"
    "<ProduktName>Demo</ProduktName><ProduktVersion>1.0</ProduktVersion></Hersteller>"
    "<DatenLieferant>Demo</DatenLieferant></NutzdatenHeader><Nutzdaten>Größe: 1 €</Nutzdaten>"
    "</Nutzdatenblock></DatenTeil></Arbel>";

std::string mitFalschemVorgang() {
  std::string dokument = kDemoDokument;
  const std::string alt = "send-NoSig";
  return dokument.replace(dokument.find(alt), alt.size(), "senden");
}

const DemoRegistrierung demoGueltig({60, "Schemavalidierung: gültiges Dokument",
                                     [](Sitzung& s) { pruefe(s, "abholung.xml", kDemoDokument); }});
const DemoRegistrierung demoUngueltig({61, "Schemavalidierung: unbekannter Vorgang",
                                       [](Sitzung& s) {
                                         pruefe(s, "abholung_falsch.xml", mitFalschemVorgang());
                                       }});

}  // namespace
}  // namespace dvhost
