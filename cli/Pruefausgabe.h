#pragma once

#include <memory>
#include <string>

#include "cli/Befehl.h"

namespace dvhost {

// One line per checked or converted value: "WERT: CODE TEXT" (a conversion that
// succeeded: "WERT -> ERGEBNIS"), or with --json one object
// {"wert": ..., "code": ..., "text": ...[, "ergebnis": ...]}. Texts come from the
// module's error text service.
class Pruefausgabe {
 public:
  Pruefausgabe(Sitzung& sitzung, bool json)
      : sitzung_(sitzung), json_(json), texte_(sitzung.modul().fehlertextService()) {}

  // Prints the outcome and tells whether it was a success.
  bool melde(const std::string& wert, int code, const std::string* ergebnis = nullptr) {
    const std::string text = texte_->getFehlertext(code);
    if (json_) {
      std::string zeile = "{\"wert\": " + jsonText(wert) + ", \"code\": " + std::to_string(code) +
                          ", \"text\": " + jsonText(text);
      if (ergebnis != nullptr) zeile += ", \"ergebnis\": " + jsonText(*ergebnis);
      sitzung_.zeile(zeile + "}");
    } else if (code == 0 && ergebnis != nullptr) {
      sitzung_.zeile(wert + " -> " + *ergebnis);
    } else {
      sitzung_.zeile(wert + ": " + std::to_string(code) + " " + text);
    }
    return code == 0;
  }

  // A value whose check ended in an exception of the module.
  void meldeAusnahme(const std::string& wert, const std::string& meldung) {
    if (json_) {
      sitzung_.zeile("{\"wert\": " + jsonText(wert) + ", \"fehler\": " + jsonText(meldung) + "}");
    } else {
      sitzung_.zeile(wert + ": Fehler: " + meldung);
    }
  }

 private:
  Sitzung& sitzung_;
  bool json_;
  std::unique_ptr<vesk::plugin2::iface::IFehlertextService> texte_;
};

}  // namespace dvhost
