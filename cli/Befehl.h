#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/ModulLader.h"

namespace dvhost {

// What every subcommand gets: the loaded, initialised module and the streams.
// Output written through aus() is converted to the terminal's charset.
class Sitzung {
 public:
  explicit Sitzung(const std::string& modulPfad);
  ModulLader& modul() { return modul_; }
  vesk::plugin2::iface::IPluginLogger* logger();
  // Prints ISO-8859-15 text (plus a line break) in the terminal's charset.
  void zeile(const std::string& latin9) const;
  void fehler(const std::string& latin9) const;

 private:
  ModulLader modul_;
  std::unique_ptr<vesk::plugin2::iface::IPluginLogger> logger_;
};

using Argumente = std::vector<std::string>;  // already converted to ISO-8859-15

struct Befehl {
  std::string name;
  std::string kurzhilfe;  // one line for the overview
  std::string hilfe;      // usage and details for NAME --help
  std::function<int(Sitzung&, const Argumente&)> ausfuehren;
};

struct DemoSchritt {
  int reihenfolge;
  std::string titel;
  std::function<void(Sitzung&)> ausfuehren;
};

// Subcommands and demo steps register themselves from their own files.
std::vector<Befehl>& befehle();
std::vector<DemoSchritt>& demoSchritte();
struct BefehlRegistrierung {
  explicit BefehlRegistrierung(Befehl befehl) { befehle().push_back(std::move(befehl)); }
};
struct DemoRegistrierung {
  explicit DemoRegistrierung(DemoSchritt schritt) { demoSchritte().push_back(std::move(schritt)); }
};

// Exit status for a bad argument; prints the message and the usage hint.
int falscheBenutzung(const Sitzung& sitzung, const std::string& befehl, const std::string& text);

// The values given as arguments, or, when there are none, one per line from stdin.
Argumente werteOderEingabe(const Argumente& werte);

// Parses a whole decimal int; false for anything else (blanks, overflow, suffix).
bool alsZahl(const std::string& text, int& zahl);

// A JSON string literal of ISO-8859-15 text (converted to UTF-8).
std::string jsonText(const std::string& latin9);

}  // namespace dvhost
