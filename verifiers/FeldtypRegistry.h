#pragma once

#include <string>
#include <utility>

#include "rules/Darstellung.h"
#include "rules/Feldtypen.h"
#include "rules/IDefdatenSteuernummer.h"
#include "rules/PruefResultat.h"
#include "rules/Pruefkontext.h"
#include "verifiers/IFeldtypVordefiniert.h"

namespace zudadavizu_20_0 {

// Checks and converts values of one predefined field type through its verifier. Built per
// call from the type name; the name is looked up in the constant type table once, at
// construction.
class FeldtypRegistry {
 public:
  explicit FeldtypRegistry(const std::string& feldtypName);
  explicit FeldtypRegistry(Feldtyp typ) : eintrag_(&feldtypEintrag(typ)) {}

  // Error key of the type; std::runtime_error "FeldtypName nicht untersützt!" for a type
  // without one.
  const std::string& getFehlerSchluessel() const;
  // Runs the verifier on kontext.wert and fills out (see PruefResultat). A conversion failure
  // and the test identification number notice are recorded through meldeFehler.
  PruefResultat& pruefe(PruefResultat& out, const Pruefkontext& kontext) const;
  // What pruefe gives for a context without conversion and without vastModus when nobody
  // reads the message: the same triple, but no message is formed and nothing recorded.
  PruefResultat pruefeOhneMeldung(const std::string& wert, IDefdatenSteuernummer* defdaten) const;
  // Converts between display and stored form; only the two tax number types convert, and
  // only when the display settings ask for it. An empty value is never converted.
  KonvertierungsErgebnis konvertiere(const std::string& wert, const Darstellung& darstellung,
                                     bool rueckwaerts, IDefdatenSteuernummer* defdaten) const;

 private:
  IFeldtypVordefiniert& verifier() const;
  bool istSteuernummerTyp() const;
  bool istTestnummer(const std::string& wert, int fehlerId) const;

  const FeldtypEintrag* eintrag_;  // null for a name outside the type table
};

}  // namespace zudadavizu_20_0
