#include "cli/Json.h"

#include <cstdio>

#include "cli/Zeichensatz.h"

namespace dvhost {

std::string jsonText(const std::string& latin9) {
  std::string ergebnis = "\"";
  for (char c : latin9AlsUtf8(latin9)) {
    if (c == '"' || c == '\\') {
      ergebnis += '\\';
      ergebnis += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "\\u%04x", static_cast<unsigned>(c));
      ergebnis += puffer;
    } else {
      ergebnis += c;
    }
  }
  return ergebnis + '"';
}

JsonObjekt& JsonObjekt::feld(const std::string& name, const std::string& json) {
  if (!felder_.empty()) felder_ += ", ";
  felder_ += jsonText(name) + ": " + json;
  return *this;
}

JsonObjekt& JsonObjekt::text(const std::string& name, const std::string& latin9) {
  return feld(name, jsonText(latin9));
}

JsonObjekt& JsonObjekt::zahl(const std::string& name, long long wert) {
  return feld(name, std::to_string(wert));
}

JsonObjekt& JsonObjekt::wahrheit(const std::string& name, bool wert) {
  return feld(name, wert ? "true" : "false");
}

JsonObjekt& JsonObjekt::texte(const std::string& name, const std::vector<std::string>& latin9) {
  std::string liste;
  for (const auto& t : latin9) liste += (liste.empty() ? "" : ", ") + jsonText(t);
  return feld(name, "[" + liste + "]");
}

}  // namespace dvhost
