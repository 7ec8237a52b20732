#pragma once

#include <string>

#include "rules/Attribut.h"
#include "rules/DatumLeser.h"
#include "rules/Datumspruefung.h"
#include "rules/IDatumFormat.h"
#include "rules/IFormatDefinition.h"

namespace zudadavizu_20_0 {

// Date field of a rule set: a pattern (see DatumsSchreibweise), whether dates before 1900 are
// rejected, and the partially known kind (0 to 3).
class FormatDefinitionDatum : public IDatumFormat, public IFormatDefinition {
 public:
  // teilBekanntArtCode: a TeilBekanntArt; std::invalid_argument for a bad pattern or kind.
  FormatDefinitionDatum(const std::string& muster, bool pruefeAb1900, int teilBekanntArtCode);

  const std::string& getFormat() const override { return format_; }
  int getTeilBekanntArt() const override { return teilBekanntArtCode_; }
  // The template with every "%7" replaced by the pattern as "TT.MM.JJJJ".
  virtual std::string fuelleFormat(const std::string& vorlage) const;

  // Records 50 (unreadable, "datumFormatFalsch"), 52 to 61 or 50 (read but no date,
  // "datumFalsch", its "%7" left in the text) or 51 (before 1900 when so defined,
  // "datumFalsch"); the unknown year "0000" of a partially known date is not before 1900.
  int pruefeWert(const Pruefkontext& kontext, const IRegelmenge& regelmenge) const override;
  const Attribut& getAttribut(const std::string& name) const override;
  std::string getBeschreibung() const override { return std::string(); }
  int getTyp() const override { return TYP_DATUM; }
  // richtung true: display form to stored form; false: back. Unreadable values stay as given.
  std::string konvertiereWert(const std::string& wert, const Darstellung& darstellung,
                              bool richtung) const override;

 protected:
  // attributMuster: the text from which the "Format" and length attributes are made.
  FormatDefinitionDatum(const std::string& muster, bool pruefeAb1900, int teilBekanntArtCode,
                        const std::string& musterName, const std::string& attributMuster);

  const DatumsSchreibweise& getSchreibweise() const { return schreibweise_; }
  bool istPruefeAb1900() const { return pruefeAb1900_; }
  // Date settings of the context, or none.
  static const DatumDarstellung& datumsDarstellung(const Pruefkontext& kontext);
  // Forms the message of the id with "%7" replaced by formatText and records it.
  static int melde(int fehlerId, const std::string& schluessel, const std::string& formatText,
                   const Pruefkontext& kontext);

 private:
  Attribut teilBekanntArt_;
  Attribut muster_;
  Attribut formatAttribut_;
  Attribut laenge_;
  std::string format_;
  bool pruefeAb1900_;
  int teilBekanntArtCode_;
  Attribut leer_;
  DatumsSchreibweise schreibweise_;
};

}  // namespace zudadavizu_20_0
