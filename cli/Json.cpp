#include "cli/Json.h"

#include <cstdio>

#include "cli/Zeichensatz.h"

namespace dvhost {

namespace {

// A JSON string of UTF-8 text in which each byte marked in roh is written as \udcXX.
std::string jsonString(const std::string& utf8, const std::vector<bool>& roh) {
  std::string ergebnis = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (roh[i]) {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "\\udc%02x", static_cast<unsigned char>(c));
      ergebnis += puffer;
      continue;
    }
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

// Length of the well-formed UTF-8 sequence at text[i], or 0 (no overlongs, no surrogates).
std::size_t utf8Laenge(const std::string& text, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const std::size_t rest = text.size() - i;
  const unsigned char c = b(0);
  const auto folge = [&](std::size_t k) { return k < rest && (b(k) & 0xC0) == 0x80; };
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return folge(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (!folge(1) || !folge(2)) return 0;
    if ((c == 0xE0 && b(1) < 0xA0) || (c == 0xED && b(1) >= 0xA0)) return 0;
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (!folge(1) || !folge(2) || !folge(3)) return 0;
    if ((c == 0xF0 && b(1) < 0x90) || (c == 0xF4 && b(1) >= 0x90)) return 0;
    return 4;
  }
  return 0;
}

}  // namespace

std::string jsonText(const std::string& latin9) {
  const std::string utf8 = latin9AlsUtf8(latin9);
  return jsonString(utf8, std::vector<bool>(utf8.size(), false));
}

JsonObjekt& JsonObjekt::datei(const std::string& name, const std::string& bytes) {
  std::vector<bool> roh(bytes.size(), false);
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t laenge = utf8Laenge(bytes, i);
    if (laenge == 0) roh[i] = true;
    i += laenge == 0 ? 1 : laenge;
  }
  return feld(name, jsonString(bytes, roh));
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
