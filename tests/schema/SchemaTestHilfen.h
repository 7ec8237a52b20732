#pragma once

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "veskplugin2/IPluginLogger.h"

namespace dvtest {

// Keeps every line; counts how often it was asked whether it is enabled.
class ZeilenLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  explicit ZeilenLogger(bool aktiv = true) : aktiv_(aktiv) {}
  void log(const std::string& zeile) override { zeilen.push_back(zeile); }
  bool isEnabled() override {
    ++anfragen;
    return aktiv_;
  }
  std::vector<std::string> zeilen;
  int anfragen = 0;

 private:
  bool aktiv_;
};

inline std::string liesDatei(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei) throw std::runtime_error("cannot read " + pfad);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

inline std::string muster(const std::string& name) { return liesDatei(DV_SAMPLES_DIR "/" + name); }

// text with the first occurrence of alt replaced.
inline std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
  const auto stelle = text.find(alt);
  if (stelle == std::string::npos) throw std::runtime_error("not in text: " + alt);
  return text.replace(stelle, alt.size(), neu);
}

// "Zeile L in Spalte S" for the position just past the first occurrence of
// marke, counted the way the parser counts (both from 1).
inline std::string positionNach(const std::string& text, const std::string& marke) {
  const auto bis = text.find(marke) + marke.size();
  const auto zeilenAnfang = text.rfind('\n', bis - 1);
  const auto zeile = 1 + std::count(text.begin(), text.begin() + bis, '\n');
  const auto spalte = bis - (zeilenAnfang == std::string::npos ? 0 : zeilenAnfang + 1) + 1;
  return "Zeile " + std::to_string(zeile) + " in Spalte " + std::to_string(spalte);
}

// The log lines of the validation.
inline std::string berichtZeile(const std::string& position, const std::string& meldung) {
  return "FEHLER: XML-Eingabedaten in " + position + ": '" + meldung + "'";
}
inline std::string validierungsZeile(const std::string& text) {
  return "FEHLER: Fehler beim Validieren der XML-Eingabedaten: " + text;
}
inline const std::string kOhnePraeambel =
    "FEHLER: Es wurde keine XML-Praeambel mit Encoding-Spezifikation in den XML-Daten gefunden";
inline const std::string kFalschesEncoding =
    validierungsZeile("Encoding der XML-Daten entspricht nicht ISO-8859-15");

}  // namespace dvtest
