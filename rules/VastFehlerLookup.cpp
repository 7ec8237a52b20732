#include "rules/VastFehlerLookup.h"

namespace zudadavizu_20_0 {

namespace {

const char* vastText(int fehlerId) {
  switch (fehlerId) {
    case 7:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Werte dürfen keine Vorzeichen enthalten.";
    case 8:
    case 10:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte dürfen kein "
             "Vorzeichen enthalten.";
    case 15:
      return "Der im Feld '$%1$' enthaltene Wert muss größer als 0 sein.";
    case 16:
      return "Der im Feld '$%1$' enthaltene Wert muss ungleich 0 sein.";
    case 20:
    case 31:
    case 43:
      return "Der im Feld '$%1$' enthaltene Wert muss größer oder gleich %13 sein.";
    case 21:
    case 32:
    case 44:
      return "Der im Feld '$%1$' enthaltene Wert muss kleiner oder gleich %14 sein.";
    case 22:
      return "Feld '$%1$': Volle Geldbeträge dürfen keinen Punkt, Leerzeichen oder Komma "
             "enthalten.";
    case 23:
    case 35:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge dürfen kein Vorzeichen enthalten.";
    case 24:
    case 25:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge dürfen "
             "kein Vorzeichen enthalten.";
    case 36:
    case 37:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge "
             "dürfen kein Vorzeichen enthalten.";
    case 48:
      return "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) oder '%14' (für Nein) "
             "sein.";
    case 49:
      return "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) sein.";
    default:
      return nullptr;
  }
}

}  // namespace

std::string VastFehlerLookup::getFeldtypText(const std::string& errorKey, int fehlerId) const {
  if (errorKey == UNGUELTIGE_BUNDESSTEUERNUMMER) {
    return "Feld '$%1$': Die angegebene Bundessteuernummer ist ungültig.";
  }
  return DefaultFehlerLookup::getFeldtypText(errorKey, fehlerId);
}

std::string VastFehlerLookup::getText(int fehlerId) const {
  const char* text = vastText(fehlerId);
  return text != nullptr ? std::string(text) : DefaultFehlerLookup::getText(fehlerId);
}

}  // namespace zudadavizu_20_0
