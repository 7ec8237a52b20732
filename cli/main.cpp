// dvhost: a host program that loads the module as the filing client would.
#include <algorithm>
#include <iostream>

#include "cli/Befehl.h"
#include "cli/ModulSuche.h"
#include "cli/Zeichensatz.h"

using namespace dvhost;

namespace {

void uebersicht() {
  std::cout << "Aufruf: dvhost [--modul PFAD] BEFEHL [ARGUMENTE...]\n\n"
               "Laedt das Modul divideVira (--modul PFAD, sonst $DV_MODUL, sonst das neben\n"
               "dvhost installierte oder gebaute) und ruft seine Dienste auf.\n\nBefehle:\n";
  auto liste = befehle();
  std::sort(liste.begin(), liste.end(),
            [](const Befehl& a, const Befehl& b) { return a.name < b.name; });
  for (const auto& befehl : liste) {
    std::cout << "  " << befehl.name << std::string(24 - std::min<size_t>(22, befehl.name.size()), ' ')
              << zuTerminal(befehl.kurzhilfe) << '\n';
  }
  std::cout << "\nHilfe zu einem Befehl: dvhost BEFEHL --help\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string modulPfad;
  int i = 1;
  for (; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--modul" && i + 1 < argc) {
      modulPfad = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      uebersicht();
      return 0;
    } else {
      break;
    }
  }
  if (i >= argc) {
    uebersicht();
    return 2;
  }
  const std::string name = argv[i];
  auto befehl = std::find_if(befehle().begin(), befehle().end(),
                             [&](const Befehl& b) { return b.name == name; });
  if (befehl == befehle().end()) {
    std::cerr << "dvhost: unbekannter Befehl '" << name << "' (dvhost --help)\n";
    return 2;
  }
  Argumente argumente;
  for (int k = i + 1; k < argc; ++k) {
    std::string arg = argv[k];
    if (arg == "--help" || arg == "-h") {
      std::cout << zuTerminal(befehl->hilfe) << '\n';
      return 0;
    }
    argumente.push_back(vonTerminal(arg));
  }
  try {
    Sitzung sitzung(findeModul(modulPfad));
    return befehl->ausfuehren(sitzung, argumente);
  } catch (const std::exception& e) {
    std::cerr << "dvhost: " << zuTerminal(e.what()) << '\n';
    return 1;
  }
}
