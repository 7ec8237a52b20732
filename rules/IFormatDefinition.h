#pragma once

#include <string>

#include "rules/Attribut.h"
#include "rules/Darstellung.h"
#include "rules/Pruefkontext.h"

namespace zudadavizu_20_0 {

class IRegelmenge;

// Names of the attributes of a format definition.
struct FormatAttribute {
  static constexpr const char* MIN_LAENGE = "MinLaenge";
  static constexpr const char* MAX_LAENGE = "MaxLaenge";
  static constexpr const char* MUSTER = "Muster";
  static constexpr const char* FORMAT = "Format";
  static constexpr const char* TEIL_BEKANNT_ART = "TeilBekanntArt";
};

// Format of a field in a rule set: checks and converts its values.
class IFormatDefinition {
 public:
  // Type codes of getTyp().
  static constexpr int TYP_ZAHL = 1;
  static constexpr int TYP_DATUM = 2;
  static constexpr int TYP_DATUM_BEREICH = 3;

  virtual ~IFormatDefinition() = default;
  // Checks the context's value; records a message and returns its status, 0 when valid.
  virtual int pruefeWert(const Pruefkontext& kontext, const IRegelmenge& regelmenge) const = 0;
  // Attribute of the name; an empty attribute for unknown names.
  virtual const Attribut& getAttribut(const std::string& name) const = 0;
  // Free description of the format.
  virtual std::string getBeschreibung() const = 0;
  virtual int getTyp() const = 0;
  // Converts between display form (richtung true: from it, false: to it) and stored form.
  virtual std::string konvertiereWert(const std::string& wert, const Darstellung& darstellung,
                                      bool richtung) const {
    static_cast<void>(darstellung);
    static_cast<void>(richtung);
    return wert;
  }
};

}  // namespace zudadavizu_20_0
