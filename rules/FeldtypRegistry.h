#pragma once

#include <string>
#include <utility>

#include "rules/Darstellung.h"
#include "rules/IDefdatenSteuernummer.h"
#include "rules/PruefResultat.h"
#include "rules/Pruefkontext.h"
#include "verifiers/IFeldtypVordefiniert.h"

namespace zudadavizu_20_0 {

struct FeldtypEintrag;

// Checks and converts values of one predefined field type through its verifier. Built per
// call from the type name; the table of error keys and VAST skips is shared and constant,
// and the name is looked up in it once, at construction.
class FeldtypRegistry {
 public:
  explicit FeldtypRegistry(std::string feldtypName);

  // Error key of the type; std::runtime_error "FeldtypName nicht untersützt!" for a type
  // without one.
  const std::string& getFehlerSchluessel() const;
  // Runs the verifier on kontext.wert and fills out (see PruefResultat). A conversion failure
  // and the test identification number notice are recorded through meldeFehler.
  PruefResultat& pruefe(PruefResultat& out, const Pruefkontext& kontext) const;
  // Converts between display and stored form; only the two tax number types convert, and
  // only when the display settings ask for it. An empty value is never converted.
  KonvertierungsErgebnis konvertiere(const std::string& wert, const Darstellung& darstellung,
                                     bool rueckwaerts, IDefdatenSteuernummer* defdaten) const;

 private:
  bool istSteuernummerTyp() const;

  std::string feldtypName_;
  const FeldtypEintrag* eintrag_;  // null for a name without error key
};

}  // namespace zudadavizu_20_0
