#include "rules/DefaultFehlerLookup.h"

#include <stdexcept>

namespace zudadavizu_20_0 {

namespace {

const char* formalerText(int fehlerId) {
  switch (fehlerId) {
    case 0:
      return "";
    case 1:
    case 9:
      return "Das Feld '$%1$' darf nur einen ganzzahligen Wert enthalten.";
    case 2:
      return "Das Feld '$%1$' muss vom Format '0%10%2' mit genau %3 Nachkommastellen sein. "
             "Leerzeichen oder %12 sind nicht zulässig.";
    case 3:
      return "Das Feld '$%1$' muss vom Format '0%10%2' oder '-0%10%2' mit genau %3 "
             "Nachkommastellen sein. Leerzeichen oder %12 sind nicht zulässig.";
    case 4:
      return "Das Feld '$%1$' muss eine Zahl mit %3 bis %4 Nachkommastellen sein. Leerzeichen oder "
             "%12 sind nicht zulässig.";
    case 5:
      return "Das Feld '$%1$' muss eine Zahl sein. Leerzeichen oder %12 sind nicht zulässig.";
    case 6:
      return "Das Feld '$%1$' darf nur maximal %7 Stellen umfassen.";
    case 7:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Werte müssen ohne Vorzeichen eingetragen "
             "werden.";
    case 8:
    case 10:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Wert 0 sowie positive Werte müssen ohne "
             "Vorzeichen eingetragen werden.";
    case 11:
    case 38:
      return "Das Feld '$%1$' darf maximal %5 Vorkommastellen enthalten.";
    case 12:
    case 39:
      return "Das Feld '$%1$' darf maximal %5 Vorkommastellen und ein negatives Vorzeichen "
             "enthalten.";
    case 13:
    case 26:
      return "Das Feld '$%1$' darf maximal %5 Stellen enthalten.";
    case 14:
    case 27:
      return "Das Feld '$%1$' darf maximal %5 Stellen und ein negatives Vorzeichen enthalten.";
    case 15:
      return "Der im Feld '$%1$' eingegebene Wert muss größer als 0 sein.";
    case 16:
      return "Der im Feld '$%1$' eingegebene Wert muss ungleich 0 sein.";
    case 17:
    case 28:
    case 40:
      return "Im Feld '$%1$' sind führende Nullen nicht zulässig.";
    case 18:
    case 29:
    case 41:
    case 45:
      return "Das Feld '$%1$' muss mindestens %6 Zeichen enthalten.";
    case 19:
    case 30:
    case 42:
    case 46:
      return "Das Feld '$%1$' darf maximal %7 Zeichen enthalten.";
    case 20:
    case 31:
    case 43:
      return "Der im Feld '$%1$' eingegebene Wert muss größer oder gleich %13 sein.";
    case 21:
    case 32:
    case 44:
      return "Der im Feld '$%1$' eingegebene Wert muss kleiner oder gleich %14 sein.";
    case 22:
      return "Feld '$%1$': Volle Geldbeträge müssen ohne Punkt, Leerzeichen oder Komma eingetragen "
             "werden.";
    case 23:
    case 35:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Geldbeträge müssen ohne Vorzeichen eingetragen "
             "werden.";
    case 24:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge müssen "
             "ohne Vorzeichen eingetragen werden.";
    case 25:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0 sowie positive Beträge müssen "
             "ohne Vorzeichen eingegeben werden.";
    case 33:
      return "Feld '$%1$': Geldbeträge müssen vom Format '0%1000' mit genau 2 Nachkommastellen "
             "sein. Leerzeichen oder %12 sind nicht zulässig.";
    case 34:
      return "Feld '$%1$': Geldbeträge müssen vom Format '0%1000' oder '-0%1000' mit genau 2 "
             "Nachkommastellen sein. Leerzeichen oder %12 sind nicht zulässig.";
    case 36:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge "
             "müssen ohne Vorzeichen eingetragen werden.";
    case 37:
      return "Feld '$%1$': Unzulässiges Vorzeichen. Der Betrag 0%1000 sowie positive Beträge "
             "müssen ohne Vorzeichen eingegeben werden.";
    case 47:
      return "Das Feld '$%1$' darf keine Zeilenumbrüche enthalten.";
    case 48:
      return "'$%1$': Unzulässiges Zeichen: Es darf nur '%13' (für Ja) oder '%14' (für Nein) "
             "eingetragen werden.";
    case 49:
      return "'$%1$': Unzulässiges Zeichen: Es darf nur '%13' (für Ja) eingetragen werden.";
    case 50:
      return "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: %7).";
    case 51:
      return "Das Datum im Feld '$%1$' darf nicht vor dem Jahr 1900 liegen. (Erforderliches "
             "Format: %7).";
    case 52:
      return "'$%1$': Es wurde '00' für den Monat spezifiziert, obwohl eine Monatsangabe erfolgen "
             "muss.";
    case 53:
      return "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl eine Monatsangabe erfolgen "
             "muss.";
    case 54:
      return "'$%1$': Es wurde '0000' für das Jahr spezifiziert, obwohl eine Jahresangabe erfolgen "
             "muss.";
    case 55:
      return "'$%1$': Es wurde '00' für den Monat spezifiziert, daher muss '00' für den Tag "
             "spezifiziert werden.";
    case 56:
      return "'$%1$': Es wurde '0' für den Monat spezifiziert. Dies ist nicht zulässig.";
    case 57:
      return "'$%1$': Es wurde '0000' für das Jahr spezifiziert, daher muss '00' für den Tag und "
             "'00' für den Monat spezifiziert werden.";
    case 58:
      return "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl eine genaue Monatsangabe "
             "oder die Angabe '00' erfolgen muss.";
    case 59:
      return "'$%1$': Es wurde '0' für den Tag spezifiziert, obwohl eine genaue Tagesangabe oder "
             "die Angabe '00' erfolgen muss.";
    case 60:
      return "'$%1$': Es wurde '0' für den Tag spezifiziert, obwohl die Angabe '00' erfolgen muss.";
    case 61:
      return "'$%1$': Es wurde '0' für den Monat spezifiziert, obwohl die Angabe '00' erfolgen "
             "muss.";
    case 62:
      return "Der Datumsbereich im Feld '$%1$' ist nicht gültig. (Erforderliches Format: %7).";
    case 63:
      return "Der Datumsbereich im Feld '$%1$' beschreibt kein gültiges Datumsintervall, da das "
             "Ende des Datumsbereiches vor dem Anfang des Datumsbereiches liegt. (Erforderliches "
             "Format: %7).";
    case 64:
      return "Datumsangaben für das Feld '$%1$' dürfen nicht vor dem Jahr 1900 liegen. "
             "(Erforderliches Format: %7).";
    case 65:
      return "Die Untergrenze für den Beginn des Wirtschaftsjahres ist das Jahr 1960.";
    case 66:
      return "Die Obergrenze für das Ende des Wirtschaftsjahres ist das Ende des aktuellen "
             "Erhebungszeitraums (aktueller Veranlagungszeitraum + 1).";
    case 67:
      return "Das Wirtschaftsjahr kann maximal ein Jahr umfassen.";
    case 68:
      return "Das Jahr in dem das Wirtschaftsjahr endet kann nicht vor dem Jahr liegen, in dem das "
             "Wirtschaftsjahr beginnt.";
    default:
      return nullptr;
  }
}

const char* feldtypText(const std::string& key, int id) {
  using Ids = IFeldtypVordefiniertFehlerIds;
  if (key == Ids::UNGUELTIGE_EMAIL) return "Feld '$%1$': ungültige E-Mail-Adresse.";
  if (key == Ids::UNGUELTIGE_IBAN) {
    switch (id) {
      case Ids::IBAN_AUFBAU_FALSCH:
        return "Feld '$%1$': Ungültige IBAN: IBAN muss aus zweistelligem Ländercode gefolgt von "
               "zweistelliger Prüfziffer gefolgt von der Basic Bank Account Number bestehen.";
      case Ids::IBAN_LAENDERCODE_UNBEKANNT:
        return "Feld '$%1$': Ungültige IBAN: Der angegebene Ländercode ist ungültig oder wird "
               "aktuell im ARBEL-Verfahren nicht unterstützt.";
      case Ids::IBAN_LAENDERFORMAT_FALSCH:
        return "Feld '$%1$': Ungültige IBAN: Die angegebene IBAN entspricht nicht dem für das "
               "angegebene Land definierten formalen Aufbau der IBAN.";
      case Ids::IBAN_PRUEFZIFFER_FALSCH:
        return "Feld '$%1$': Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN führt "
               "zu einer abweichenden Prüfziffer.";
      default:
        return nullptr;
    }
  }
  if (key == Ids::UNGUELTIGE_BIC) {
    switch (id) {
      case Ids::BIC_FORMAT_FALSCH:
        return "Feld '$%1$': Ungültiger BIC: Der formale Aufbau des angegebenen BIC ist ungültig.";
      case Ids::BIC_LAENDERCODE_UNBEKANNT:
        return "Feld '$%1$': Ungültiger BIC: Der angegebene Ländercode ist ungültig oder wird "
               "aktuell im ARBEL-Verfahren nicht unterstützt.";
      default:
        return nullptr;
    }
  }
  if (key == Ids::UNGUELTIGES_DATUM_MMJJ) {
    return "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: MM.JJ).";
  }
  if (key == Ids::UNGUELTIGES_DATUM_TTMMJJ) {
    return "Das Datum im Feld '$%1$' ist nicht gültig. (Erforderliches Format: TT.MM.JJ).";
  }
  if (key == Ids::UNGUELTIGE_ID_NUMMER) return "Feld '$%1$': Ungültige Identifikationsnummer.";
  if (key == Ids::UNGUELTIGE_UST_ID_NR) {
    switch (id) {
      case Ids::USTIDNR_FORMAT_FALSCH:
        return "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist "
               "ungültig. Die UStIDNr muss mit zwei Großbuchstaben beginnen, dem Länderkürzel. Die "
               "folgenden Zeichen können Kleinbuchstaben, Großbuchstaben oder Ziffern, jedoch "
               "keine Leerzeichen, keine Sonderzeichen und keine Umlaute sein.";
      case Ids::USTIDNR_DE_LAENGE_FALSCH:
        return "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist "
               "ungültig. In Deutschland muss die UStIDNr nach dem zweistelligen Länderkürzel "
               "genau 9 Zeichen enthalten.";
      case Ids::USTIDNR_ZU_KURZ:
        return "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist "
               "ungültig. Die UStIDNr muss nach dem zweistelligen Länderkürzel mindestens 5 "
               "Zeichen enthalten.";
      case Ids::USTIDNR_ZU_LANG:
        return "Feld '$%1$': Ungültige UStIDNr: Der formale Aufbau der angegebenen UStIDNr ist "
               "ungültig. Die UStIDNr darf nach dem zweistelligen Länderkürzel maximal 12 Zeichen "
               "enthalten.";
      case Ids::USTIDNR_UNGUELTIG:
        return "Feld '$%1$': Ungültige UStIDNr: Die angegebene Umsatzsteuer-Identifikationsnummer "
               "ist ungültig.";
      default:
        return nullptr;
    }
  }
  if (key == Ids::UNGUELTIGE_STEUERNUMMER) {
    return "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben.";
  }
  if (key == Ids::UNGUELTIGE_BUNDESFINANZAMTSNUMMER) {
    switch (id) {
      case Ids::BUFANUMMER_FORMAT_FALSCH:
        return "Feld '$%1$': Ungültige Bundesfinanzamtsnummer: Der formale Aufbau der angegebenen "
               "Bundesfinanzamtsnummer ist ungültig. Die Bundesfinanzamtsnummer ist als "
               "vierstellige Zahl anzugeben.";
      case Ids::BUFANUMMER_UNBEKANNT:
        return "Feld '$%1$': Ungültige Bundesfinanzamtsnummer: Die Bundesfinanzamtsnummer ist "
               "ungültig oder wird aktuell im ARBEL-Verfahren nicht unterstützt.";
      default:
        return nullptr;
    }
  }
  if (key == Ids::UNGUELTIGES_LAENDERKUERZEL) {
    return "Feld '$%1$': Ungültiges Länderkürzel: Das Länderkürzel ist ungültig oder wird aktuell "
           "im ARBEL-Verfahren nicht unterstützt.";
  }
  if (key == Ids::UNGUELTIGE_BUNDESSTEUERNUMMER) {
    return "Feld '$%1$': Sie haben eine ungültige Bundessteuernummer angegeben.";
  }
  return nullptr;
}

}  // namespace

void wirfUnbekannteFehlerId(int fehlerId) {
  throw std::runtime_error("Unbekannte fehlerId '" + std::to_string(fehlerId) + "'\n");
}

void wirfUnbekannteKombination(const std::string& errorKey, int fehlerId) {
  throw std::runtime_error("Unbekannte Kombination aus errorKey '" + errorKey + "' und fehlerId '" +
                           std::to_string(fehlerId) + "'\n");
}

std::string DefaultFehlerLookup::getFeldtypText(const std::string& errorKey, int fehlerId) const {
  if (fehlerId == KEIN_FEHLER) return std::string();
  const char* text = feldtypText(errorKey, fehlerId);
  if (text == nullptr) wirfUnbekannteKombination(errorKey, fehlerId);
  return text;
}

std::string DefaultFehlerLookup::getText(int fehlerId) const {
  const char* text = formalerText(fehlerId);
  if (text == nullptr) wirfUnbekannteFehlerId(fehlerId);
  return text;
}

}  // namespace zudadavizu_20_0
