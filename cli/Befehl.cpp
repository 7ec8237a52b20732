#include "cli/Befehl.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <iostream>

#include "cli/Ausgabe.h"
#include "cli/Zeichensatz.h"
#include "cli/Zeilenleser.h"

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

Sitzung::Sitzung(const std::string& modulPfad, bool leise)
    : modulDatei_(modulPfad),
      modul_(modulPfad),
      logger_(leise ? nullptr : std::make_unique<StderrLogger>()) {
  modul_.initialisiere();
}

vesk::plugin2::iface::IPluginLogger* Sitzung::logger() { return logger_.get(); }

void Sitzung::zeile(const std::string& latin9) const { schreibe(zuTerminal(latin9) + '\n'); }

void Sitzung::jsonZeile(const std::string& utf8) const { schreibe(utf8 + '\n'); }

void Sitzung::fehler(const std::string& latin9) const {
  std::cerr << "dvhost: " << zuTerminal(latin9) << '\n';
}

std::string Aufruf::wert(const std::string& option) const {
  auto gefunden = optionen.find(option);
  return gefunden == optionen.end() ? std::string() : gefunden->second;
}

std::vector<Befehl>& befehle() {
  static std::vector<Befehl> liste;
  return liste;
}

std::vector<DemoSchritt>& demoSchritte() {
  static std::vector<DemoSchritt> liste;
  return liste;
}

Aufruf zerlege(const Befehl& befehl, const Argumente& argumente) {
  Aufruf aufruf;
  bool nurWerte = false;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& argument = argumente[i];
    if (!nurWerte && argument == "--") {
      nurWerte = true;
      continue;
    }
    if (nurWerte || argument.rfind("--", 0) != 0) {
      aufruf.werte.push_back(vonTerminal(argument));
      aufruf.roh.push_back(argument);
      continue;
    }
    const std::size_t gleich = argument.find('=');
    const std::string name = argument.substr(0, gleich);
    const auto& bekannt = befehl.optionen;
    const std::string anzeige = vonTerminal(name);
    if (std::find(bekannt.begin(), bekannt.end(), name) != bekannt.end()) {
      if (gleich != std::string::npos) throw Benutzungsfehler(anzeige + " nimmt keinen Wert");
      aufruf.optionen[name].clear();
    } else if (std::find(bekannt.begin(), bekannt.end(), name + "=") != bekannt.end()) {
      std::string wert;
      if (gleich != std::string::npos) {
        wert = argument.substr(gleich + 1);
      } else if (i + 1 < argumente.size()) {
        wert = argumente[++i];
      }
      if (wert.empty()) throw Benutzungsfehler(anzeige + " braucht einen Wert");
      aufruf.optionen[name] = vonTerminal(wert);
    } else {
      throw Benutzungsfehler("unbekannte Option " + anzeige);
    }
  }
  return aufruf;
}

void zeigeAufruf(Sitzung& sitzung, const Befehl& befehl, const Argumente& argumente) {
  std::string zeile = "$ dvhost " + befehl.name;
  for (const auto& a : argumente) {
    zeile += a.find(' ') == std::string::npos ? " " + a : " '" + a + "'";
  }
  sitzung.zeile(zeile);
  befehl.ausfuehren(sitzung, zerlege(befehl, argumente));
}

namespace {

// What a refused value shows of itself: its first bytes.
std::string anfangVon(const std::string& wert) {
  constexpr std::size_t kZeichen = 24;
  return wert.size() <= kZeichen ? wert : wert.substr(0, kZeichen) + "...";
}

std::string zuLang(const std::string& was, std::size_t nummer) {
  return was + " " + std::to_string(nummer) + " ist länger als " +
         std::to_string(Zeilenleser::kMaxZeile) + " Bytes und wird nicht geprüft";
}

}  // namespace

int fuerJedenWert(const Argumente& werte, const std::function<int(const std::string&)>& pruefe,
                  const Ablehnung& ablehnen) {
  int status = kAllesGueltig;
  if (!werte.empty()) {
    for (std::size_t i = 0; i < werte.size(); ++i) {
      const std::string& wert = werte[i];
      status = std::max(status, wert.size() > Zeilenleser::kMaxZeile
                                    ? ablehnen(anfangVon(wert), zuLang("Argument", i + 1))
                                    : pruefe(wert));
    }
    return status;
  }
  Zeilenleser leser(STDIN_FILENO);
  std::string zeile;
  for (;;) {
    const Zeilenleser::Ergebnis ergebnis = leser.naechste(zeile);
    if (ergebnis == Zeilenleser::Ergebnis::kEnde) break;
    if (ergebnis == Zeilenleser::Ergebnis::kFehler) {
      meldeSystemfehler("Standardeingabe", leser.fehlernummer());
      return kEinAusgabe;
    }
    if (ergebnis == Zeilenleser::Ergebnis::kNulByte) {
      std::cerr << zuTerminal("dvhost: Standardeingabe: Zeile " +
                              std::to_string(leser.zeilennummer()) +
                              " enthält ein NUL-Byte; das ist kein Text, der Rest wird nicht "
                              "gelesen")
                << '\n';
      return kEinAusgabe;
    }
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    // Spreadsheet exports start with a UTF-8 byte-order mark.
    if (leser.zeilennummer() == 1 && zeile.compare(0, 3, "\xEF\xBB\xBF") == 0) zeile.erase(0, 3);
    const std::string wert = vonTerminal(zeile);
    status = std::max(status, ergebnis == Zeilenleser::Ergebnis::kZuLang
                                  ? ablehnen(anfangVon(wert), zuLang("Zeile", leser.zeilennummer()))
                                  : pruefe(wert));
  }
  return status;
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

}  // namespace dvhost
