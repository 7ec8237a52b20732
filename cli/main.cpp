// dvhost: a host program that loads the module as the filing client would.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <exception>
#include <iostream>

#include "cli/Ausgabe.h"
#include "cli/Befehl.h"
#include "cli/ModulSuche.h"
#include "cli/Zeichensatz.h"
#include "cli/Zeilenleser.h"

using namespace dvhost;

namespace {

const char* const kStatus =
    "Exit-Status (für jeden Befehl gleich; treffen mehrere zu, gilt der höchste):\n"
    "  0  alles Geprüfte war gültig\n"
    "  1  mindestens ein Wert oder Dokument war ungültig\n"
    "  2  falscher Aufruf: unbekannter Befehl oder unbekannte Option, fehlendes Argument\n"
    "  3  Ein- oder Ausgabefehler: Datei fehlt, ist nicht lesbar, ein Verzeichnis oder zu "
    "groß; ein NUL-Byte in der Standardeingabe; Schreibfehler (etwa volle Platte); Modul "
    "nicht ladbar. Gemeldet auf stderr mit dem "
    "Grund des Systems; danach geht es mit der nächsten Eingabe weiter.\n";

// Breaks lines longer than 80 columns at blanks; continued lines start below the text of an
// indented "  --option  text" or "  0  text" line, else at the line's own indentation.
std::string umbrochen(const std::string& text) {
  constexpr std::size_t kBreite = 80;
  std::string ergebnis;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find('\n', anfang);
    if (ende == std::string::npos) ende = text.size();
    std::string zeile = text.substr(anfang, ende - anfang);
    const std::size_t einzug = zeile.find_first_not_of(' ');
    const std::size_t luecke = einzug == 0 ? std::string::npos : zeile.find("  ", einzug);
    const std::size_t fortsetzung = luecke == std::string::npos
                                        ? std::min(einzug, zeile.size())
                                        : zeile.find_first_not_of(' ', luecke);
    while (zeile.size() > kBreite) {
      const std::size_t bruch = zeile.rfind(' ', kBreite);
      if (bruch == std::string::npos || bruch <= fortsetzung) break;
      ergebnis += zeile.substr(0, bruch) + "\n";
      zeile = std::string(fortsetzung, ' ') + zeile.substr(bruch + 1);
    }
    ergebnis += zeile + (ende < text.size() ? "\n" : "");
    anfang = ende + 1;
  }
  return ergebnis;
}

std::string uebersicht() {
  std::string text =
      "Aufruf: dvhost [GLOBALE OPTIONEN] BEFEHL [OPTIONEN] [ARGUMENTE...]\n"
      "        dvhost help [BEFEHL] | --help | --version\n\n"
      "Lädt das Modul divideVira wie ein Host und ruft seine Dienste auf.\n"
      "Globale Optionen, vor oder nach dem Befehl:\n"
      "  --modul PFAD   dieses Modul laden, auch relativ zum Arbeitsverzeichnis (Vorrang vor "
      "der Umgebungsvariablen DV_MODUL)\n"
      "  --leise        keine Protokollzeilen des Moduls auf stderr\n"
      "  --zeilenweise  jede Ergebniszeile sofort schreiben (für Pipes)\n"
      "  --json         JSON Lines (UTF-8), bei Befehlen, die Ergebnisse melden\n\n"
      "Befehle:\n";
  auto liste = befehle();
  liste.push_back({"help", "diese Übersicht oder die Hilfe zu einem Befehl", "", {}, nullptr});
  std::sort(liste.begin(), liste.end(),
            [](const Befehl& a, const Befehl& b) { return a.name < b.name; });
  for (const auto& befehl : liste) {
    text += "  " + befehl.name + std::string(24 - std::min<size_t>(22, befehl.name.size()), ' ') +
            befehl.kurzhilfe + "\n";
  }
  return text +
         "\nBefehle, die Werte prüfen, lesen ohne WERT-Argumente je Zeile der Standardeingabe "
         "einen Wert, leere Zeilen eingeschlossen (Byte-Order-Mark und CR LF werden entfernt), "
         "und geben je Wert eine Zeile aus. Ein Wert über " +
         std::to_string(Zeilenleser::kMaxZeile) +
         " Bytes wird nicht geprüft, sondern mit seiner Zeilennummer als ungültig gemeldet "
         "(Status 1); ein NUL-Byte beendet das Lesen (Status 3). --json gibt JSON Lines in "
         "UTF-8 aus, gleich unter welcher Locale. Hilfe zu einem Befehl: dvhost help BEFEHL\n\n" +
         kStatus;
}

void hilfe(const Befehl& befehl) {
  schreibe(zuTerminal(umbrochen(befehl.hilfe + "\n\n" + kStatus)));
}

const Befehl* finde(const std::string& name) {
  auto gefunden = std::find_if(befehle().begin(), befehle().end(),
                               [&](const Befehl& b) { return b.name == name; });
  return gefunden == befehle().end() ? nullptr : &*gefunden;
}

int benutzungsfehler(const std::string& latin9) {
  std::cerr << "dvhost: " << zuTerminal(latin9) << '\n';
  return kBenutzung;
}

// Options that apply to the whole run, accepted before and after the command.
struct Global {
  std::string modul;
  bool leise = false, zeilenweise = false, json = false;

  // Takes argument i (and its value) if it is a global option; false for anything else.
  bool nimm(const Argumente& argumente, std::size_t& i) {
    const std::string& a = argumente[i];
    if (a == "--leise") {
      leise = true;
    } else if (a == "--zeilenweise") {
      zeilenweise = true;
    } else if (a == "--modul" && i + 1 < argumente.size()) {
      modul = argumente[++i];
    } else if (a.rfind("--modul=", 0) == 0 && a.size() > 8) {
      modul = a.substr(8);
    } else {
      return false;
    }
    return true;
  }
};

// The command's own arguments, without the global options among them; an option of the
// command that takes a value keeps the next argument, whatever it looks like.
Argumente eigeneArgumente(const Befehl& befehl, const Argumente& argumente, Global& global) {
  Argumente eigene;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& a = argumente[i];
    if (a == "--") {
      eigene.insert(eigene.end(), argumente.begin() + i, argumente.end());
      break;
    }
    if (global.nimm(argumente, i)) continue;
    eigene.push_back(a);
    const auto& optionen = befehl.optionen;
    if (a.find('=') == std::string::npos && i + 1 < argumente.size() &&
        std::find(optionen.begin(), optionen.end(), a + "=") != optionen.end()) {
      eigene.push_back(argumente[++i]);
    }
  }
  // --json before the command counts as the command's own, which may not know it.
  if (global.json) eigene.insert(eigene.begin(), "--json");
  return eigene;
}

int fuehreAus(int argc, char** argv) {
  const Argumente alle(argv + 1, argv + argc);
  Global global;
  std::size_t i = 0;
  for (; i < alle.size() && alle[i][0] == '-'; ++i) {
    const std::string& argument = alle[i];
    if (argument == "--help" || argument == "-h") {
      schreibe(zuTerminal(umbrochen(uebersicht())));
      return kAllesGueltig;
    } else if (argument == "--version") {
      schreibe(std::string("dvhost ") + DV_VERSION + "\n");
      return kAllesGueltig;
    } else if (argument == "--json") {
      global.json = true;
    } else if (!global.nimm(alle, i)) {
      return benutzungsfehler("unbekannte oder unvollständige Option " + vonTerminal(argument) +
                              " (dvhost --help)");
    }
  }
  if (i >= alle.size()) {
    std::cerr << zuTerminal(umbrochen(uebersicht()));
    return kBenutzung;
  }
  const std::string name = vonTerminal(alle[i]);
  if (name == "help") {
    const Argumente argumente(alle.begin() + i + 1, alle.end());
    if (argumente.empty()) {
      schreibe(zuTerminal(umbrochen(uebersicht())));
      return kAllesGueltig;
    }
    const Befehl* befehl = finde(vonTerminal(argumente[0]));
    if (befehl == nullptr || argumente.size() > 1) {
      return benutzungsfehler("help erwartet einen der Befehle (dvhost --help)");
    }
    hilfe(*befehl);
    return kAllesGueltig;
  }
  const Befehl* befehl = finde(name);
  if (befehl == nullptr)
    return benutzungsfehler("unbekannter Befehl '" + name + "' (dvhost --help)");
  const Argumente argumente =
      eigeneArgumente(*befehl, Argumente(alle.begin() + i + 1, alle.end()), global);
  const auto optionenEnde = std::find(argumente.begin(), argumente.end(), "--");
  if (std::find_if(argumente.begin(), optionenEnde, [](const std::string& a) {
        return a == "-h" || a == "--help";
      }) != optionenEnde) {
    hilfe(*befehl);
    return kAllesGueltig;
  }
  // Line-buffered like grep's --line-buffered: each result reaches a pipe as it is written.
  if (global.zeilenweise) std::setvbuf(stdout, nullptr, _IOLBF, 0);
  try {
    const Aufruf aufruf = zerlege(*befehl, argumente);
    Sitzung sitzung(findeModul(global.modul), global.leise);
    return befehl->ausfuehren(sitzung, aufruf);
  } catch (const Benutzungsfehler& e) {
    return benutzungsfehler(name + ": " + e.what() + " (dvhost help " + name + ")");
  } catch (const std::exception& e) {
    std::cerr << "dvhost: " << zuTerminal(e.what()) << '\n';
    return kEinAusgabe;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
  int status = fuehreAus(argc, argv);
  if (const int fehler = ausgabeAbschliessen()) {
    meldeSystemfehler("Standardausgabe", fehler);
    status = std::max(status, static_cast<int>(kEinAusgabe));
  }
  return status;
}
