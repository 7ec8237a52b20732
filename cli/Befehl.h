#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/ModulLader.h"

namespace dvhost {

// Exit statuses, the same for every command; where several apply, the highest wins.
enum Status : int {
  kAllesGueltig = 0,
  kUngueltig = 1,   // at least one value or document was invalid
  kBenutzung = 2,   // unknown command or option, missing argument
  kEinAusgabe = 3,  // input or output failed (files, streams, loading the module)
};

// A usage error, caught in main: message, hint to the command's help, status 2.
class Benutzungsfehler : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What every subcommand gets: the loaded, initialised module and the output channels.
class Sitzung {
 public:
  // leise: no logger, so the module writes no log lines to stderr.
  Sitzung(const std::string& modulPfad, bool leise);
  ModulLader& modul() { return modul_; }
  const std::string& modulDatei() const { return modulDatei_; }
  // Null with --leise.
  vesk::plugin2::iface::IPluginLogger* logger();
  // Prints ISO-8859-15 text (plus a line break) in the terminal's charset.
  void zeile(const std::string& latin9) const;
  // Prints a line of UTF-8 JSON as it is.
  void jsonZeile(const std::string& utf8) const;
  void fehler(const std::string& latin9) const;

 private:
  std::string modulDatei_;
  ModulLader modul_;
  std::unique_ptr<vesk::plugin2::iface::IPluginLogger> logger_;
};

using Argumente = std::vector<std::string>;

// A command's arguments split into options and values.
struct Aufruf {
  Aufruf() = default;
  explicit Aufruf(Argumente w) : werte(w), roh(std::move(w)) {}
  bool hat(const std::string& option) const { return optionen.count(option) != 0; }
  // The value of an option that takes one; empty when the option was not given.
  std::string wert(const std::string& option) const;

  Argumente werte;                              // values in ISO-8859-15
  Argumente roh;                                // the same values as given (file names)
  std::map<std::string, std::string> optionen;  // given option -> its value ("" for a switch)
};

struct Befehl {
  std::string name;
  std::string kurzhilfe;              // one line for the overview
  std::string hilfe;                  // usage and details for help NAME
  std::vector<std::string> optionen;  // "--json" is a switch, "--feld=" takes a value
  std::function<int(Sitzung&, const Aufruf&)> ausfuehren;
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

// Splits arguments as given on the command line ("--" ends the options, "--name=value" and
// "--name value" both work); throws Benutzungsfehler for an unknown option or missing value.
Aufruf zerlege(const Befehl& befehl, const Argumente& argumente);

// For the demo: prints the command line, then runs the command.
void zeigeAufruf(Sitzung& sitzung, const Befehl& befehl, const Argumente& argumente);

// Takes a value that is not checked: its first bytes and why (naming its line or argument).
using Ablehnung = std::function<int(const std::string& anfang, const std::string& meldung)>;

// Calls pruefe for each value, or, when there are none, for each line of standard input:
// blank lines included, a byte-order mark and CR LF line ends dropped. A value longer than
// Zeilenleser::kMaxZeile goes to ablehnen instead, unstored beyond that limit. Returns the
// highest status of the calls, or kEinAusgabe when standard input could not be read or held a
// NUL byte (reading stops there).
int fuerJedenWert(const Argumente& werte, const std::function<int(const std::string&)>& pruefe,
                  const Ablehnung& ablehnen);

// Parses a whole decimal int; false for anything else (blanks, overflow, suffix).
bool alsZahl(const std::string& text, int& zahl);

}  // namespace dvhost
