#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/Befehl.h"

namespace dvhost {

// The outcome of checking or converting one value.
struct Pruefung {
  std::string wert;                         // as given
  std::string art;                          // the kind found (pruefe auto)
  std::optional<std::string> normalisiert;  // the value checked instead (--normalisieren)
  int code = 0;
  std::string text;      // empty for a host code: the module's text for it
  std::string ergebnis;  // a conversion's result
  std::string hinweis;   // what else the user should know

  const std::string& geprueft() const { return normalisiert ? *normalisiert : wert; }
};

// One line per value: "WERT[ (NORMALISIERT)][ [ART]]: CODE TEXT[ Hinweis: ...]", a successful
// conversion "WERT -> ERGEBNIS"; with --json one object with the fields art, wert,
// normalisiert, code, text, ergebnis, hinweis (those that apply), led by typ when the command
// names one.
class Pruefausgabe {
 public:
  // Outcomes as host result codes, explained by the module's error texts.
  Pruefausgabe(Sitzung& sitzung, bool json);
  // Outcomes of the field type typ, whose texts the caller gives.
  Pruefausgabe(Sitzung& sitzung, bool json, std::string typ);

  // Prints the outcome; kAllesGueltig for code 0, kUngueltig otherwise.
  int melde(Pruefung pruefung);
  // A value whose check ended in an exception, or that was not checked: kUngueltig.
  int meldeAusnahme(const std::string& wert, const std::string& text,
                    const std::string& art = std::string());
  // With --normalisieren: fuerJedenWert fills Pruefung::normalisiert.
  void normalisiereWerte(bool ja) { normalisieren_ = ja; }
  // Runs pruefe over each value (or stdin line, see dvhost::fuerJedenWert) with a Pruefung
  // holding the value, prints the outcome or the exception, returns the highest status.
  int fuerJedenWert(const Argumente& werte, const std::function<void(Pruefung&)>& pruefe);

 private:
  Sitzung& sitzung_;
  bool json_;
  std::string typ_;
  bool normalisieren_ = false;
  std::unique_ptr<vesk::plugin2::iface::IFehlertextService> texte_;
};

// For text and plausi: per number "WERT: TEXT" (JSON: wert, text), or "WERT: Fehler: ..."
// (JSON: wert, fehler) for what is no number or has no text. Returns the highest status.
int meldeTexte(Sitzung& sitzung, bool json, const Argumente& werte,
               const std::function<std::string(int)>& textZu);
// One found text: "WERT: TEXT" or {"wert": ..., "text": ...}.
void meldeText(Sitzung& sitzung, bool json, const std::string& wert, const std::string& text);

// Removes blanks (also the no-break space) and turns letters to upper case, so that IBAN, BIC
// and VAT numbers as people type them ("de89 3704 ...") can be checked.
std::string normalisiere(const std::string& latin9);

}  // namespace dvhost
