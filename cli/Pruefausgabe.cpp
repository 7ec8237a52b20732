#include "cli/Pruefausgabe.h"

#include <exception>

#include "cli/Json.h"

namespace dvhost {

Pruefausgabe::Pruefausgabe(Sitzung& sitzung, bool json)
    : sitzung_(sitzung), json_(json), texte_(sitzung.modul().fehlertextService()) {}

Pruefausgabe::Pruefausgabe(Sitzung& sitzung, bool json, std::string typ)
    : sitzung_(sitzung), json_(json), typ_(std::move(typ)) {}

int Pruefausgabe::melde(Pruefung p) {
  if (texte_ && p.text.empty()) p.text = texte_->getFehlertext(p.code);
  const bool umgewandelt = p.code == 0 && !p.ergebnis.empty();
  if (json_) {
    JsonObjekt objekt;
    if (!typ_.empty()) objekt.text("typ", typ_);
    if (!p.art.empty()) objekt.text("art", p.art);
    objekt.text("wert", p.wert);
    if (p.normalisiert) objekt.text("normalisiert", *p.normalisiert);
    objekt.zahl("code", p.code).text("text", p.text);
    if (umgewandelt) objekt.text("ergebnis", p.ergebnis);
    if (!p.hinweis.empty()) objekt.text("hinweis", p.hinweis);
    sitzung_.jsonZeile(objekt.str());
  } else {
    std::string zeile = p.wert;
    if (p.normalisiert) zeile += " (" + *p.normalisiert + ")";
    if (!p.art.empty()) zeile += " [" + p.art + "]";
    if (umgewandelt) {
      zeile += " -> " + p.ergebnis;
    } else {
      zeile += ": " + std::to_string(p.code) + (p.text.empty() ? "" : " " + p.text);
    }
    if (!p.hinweis.empty()) zeile += " Hinweis: " + p.hinweis;
    sitzung_.zeile(zeile);
  }
  return p.code == 0 ? kAllesGueltig : kUngueltig;
}

int Pruefausgabe::meldeAusnahme(const std::string& wert, const std::string& text,
                                const std::string& art) {
  if (json_) {
    JsonObjekt objekt;
    if (!typ_.empty()) objekt.text("typ", typ_);
    if (!art.empty()) objekt.text("art", art);
    sitzung_.jsonZeile(objekt.text("wert", wert).text("fehler", text).str());
  } else {
    sitzung_.zeile(wert + (art.empty() ? "" : " [" + art + "]") + ": Fehler: " + text);
  }
  return kUngueltig;
}

int Pruefausgabe::fuerJedenWert(const Argumente& werte,
                                const std::function<void(Pruefung&)>& pruefe) {
  return dvhost::fuerJedenWert(
      werte,
      [&](const std::string& wert) {
        Pruefung p;
        try {
          p.wert = wert;
          if (normalisieren_) p.normalisiert = normalisiere(wert);
          pruefe(p);
          return melde(std::move(p));
        } catch (const std::exception& e) {
          return meldeAusnahme(wert, e.what(), p.art);
        }
      },
      [&](const std::string& anfang, const std::string& meldung) {
        return meldeAusnahme(anfang, meldung);
      });
}

void meldeText(Sitzung& sitzung, bool json, const std::string& wert, const std::string& text) {
  if (json) {
    sitzung.jsonZeile(JsonObjekt().text("wert", wert).text("text", text).str());
  } else {
    sitzung.zeile(wert + ": " + text);
  }
}

int meldeTexte(Sitzung& sitzung, bool json, const Argumente& werte,
               const std::function<std::string(int)>& textZu) {
  Pruefausgabe fehler(sitzung, json, std::string());
  return fuerJedenWert(
      werte,
      [&](const std::string& wert) {
        int nummer = 0;
        if (!alsZahl(wert, nummer)) return fehler.meldeAusnahme(wert, "keine Zahl");
        const std::string text = textZu(nummer);
        if (text.empty()) return fehler.meldeAusnahme(wert, "kein Text zu dieser Nummer");
        meldeText(sitzung, json, wert, text);
        return static_cast<int>(kAllesGueltig);
      },
      [&](const std::string& anfang, const std::string& meldung) {
        return fehler.meldeAusnahme(anfang, meldung);
      });
}

std::string normalisiere(const std::string& latin9) {
  std::string ergebnis;
  for (char c : latin9) {
    if (c == ' ' || c == '\t' || c == '\xA0') continue;
    ergebnis += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return ergebnis;
}

}  // namespace dvhost
