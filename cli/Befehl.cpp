#include "cli/Befehl.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <iostream>

#include "cli/Zeichensatz.h"

namespace dvhost {

namespace {

// Module log lines go to stderr, so that stdout carries only results.
class StderrLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  void log(const std::string& zeile) override {
    std::cerr << "[divideVira] " << zuTerminal(zeile) << '\n';
  }
  bool isEnabled() override { return true; }
};

}  // namespace

Sitzung::Sitzung(const std::string& modulPfad)
    : modul_(modulPfad), logger_(std::make_unique<StderrLogger>()) {
  modul_.initialisiere();
}

vesk::plugin2::iface::IPluginLogger* Sitzung::logger() { return logger_.get(); }

void Sitzung::zeile(const std::string& latin9) const { std::cout << zuTerminal(latin9) << '\n'; }

void Sitzung::fehler(const std::string& latin9) const {
  std::cerr << "dvhost: " << zuTerminal(latin9) << '\n';
}

std::vector<Befehl>& befehle() {
  static std::vector<Befehl> liste;
  return liste;
}

std::vector<DemoSchritt>& demoSchritte() {
  static std::vector<DemoSchritt> liste;
  return liste;
}

int falscheBenutzung(const Sitzung& sitzung, const std::string& befehl, const std::string& text) {
  sitzung.fehler(text + " (dvhost " + befehl + " --help)");
  return 2;
}

Argumente werteOderEingabe(const Argumente& werte) {
  if (!werte.empty()) return werte;
  Argumente gelesen;
  std::string zeile;
  while (std::getline(std::cin, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (!zeile.empty()) gelesen.push_back(vonTerminal(zeile));
  }
  return gelesen;
}

bool alsZahl(const std::string& text, int& zahl) {
  if (text.empty() || !(text[0] == '-' || (text[0] >= '0' && text[0] <= '9'))) return false;
  errno = 0;
  char* ende = nullptr;
  long wert = std::strtol(text.c_str(), &ende, 10);
  if (errno != 0 || *ende != '\0' || wert < INT_MIN || wert > INT_MAX) return false;
  zahl = static_cast<int>(wert);
  return true;
}

std::string jsonText(const std::string& latin9) {
  std::string ergebnis = "\"";
  for (unsigned char c : latin9) {
    if (c == '"' || c == '\\') {
      ergebnis += '\\';
      ergebnis += static_cast<char>(c);
    } else if (c < 0x20) {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "\\u%04x", c);
      ergebnis += puffer;
    } else {
      ergebnis += static_cast<char>(c);
    }
  }
  ergebnis += '"';
  return ergebnis;
}

}  // namespace dvhost
