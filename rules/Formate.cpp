#include "rules/Formate.h"

#include <stdexcept>

#include "rules/FormatDefinitionDatumBereich.h"
#include "rules/FormatDefinitionZahl.h"

namespace zudadavizu_20_0 {

bool istZahlenFormat(const std::string& feldname, const IRegelmenge& regelmenge) {
  return dynamic_cast<const FormatDefinitionZahl*>(&regelmenge.getFormatDefinition(feldname)) !=
         nullptr;
}

std::string createDatumBereichFormat(const std::string& feldname, const IRegelmenge& regelmenge) {
  const IFormatDefinition& definition = regelmenge.getFormatDefinition(feldname);
  const auto* bereich = definition.getTyp() == IFormatDefinition::TYP_DATUM_BEREICH
                            ? dynamic_cast<const FormatDefinitionDatumBereich*>(&definition)
                            : nullptr;
  if (bereich == nullptr) {
    throw std::runtime_error(
        "Methode createDatumBereichFormat darf nur mit einer IFormatDefinition vom Typ "
        "DatumBereich aufgerufen werden.");
  }
  return bereich->getBereichMuster();
}

}  // namespace zudadavizu_20_0
