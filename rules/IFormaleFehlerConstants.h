#pragma once

#include <string>

namespace zudadavizu_20_0 {

// Keys of the formal (value shape) checks and the ids of the date messages.
class IFormaleFehlerConstants {
 public:
  virtual ~IFormaleFehlerConstants() = default;

  inline static const std::string DATUM_FALSCH{"datumFalsch"};
  inline static const std::string DATUM_BEREICH_DATUM_FALSCH{"datumBereichDatumFalsch"};
  inline static const std::string DATUM_BEREICH_FORMAT_FALSCH{"datumBereichFormatFalsch"};
  inline static const std::string DATUM_BEREICH_ANFANG_VOR_1960{"datumBereichAnfangVor1960"};
  inline static const std::string DATUM_BEREICH_ENDE_NACH_VZ_PLUS_EINS{
      "datumBereichEndeNachVZPlusEins"};
  inline static const std::string DATUM_BEREICH_ENDE_VOR_ANFANG{"datumBereichEndeVorAnfang"};
  inline static const std::string DATUM_BEREICH_UMFASST_MEHR_ALS_EIN_JAHR{
      "datumBereichUmfasstMehrAlsEinJahr"};
  inline static const std::string DATUM_BEREICH_NICHT_GUELTIG{"datumBereichNichtGueltig"};
  inline static const std::string DATUM_BEREICH_TRENNER_FEHLT{"datumBereichTrennerFehlt"};
  inline static const std::string DATUM_FORMAT_FALSCH{"datumFormatFalsch"};
  inline static const std::string FALSCHE_ANZAHL_INDICES{"falscheAnzahlIndices"};
  inline static const std::string FELD_JA_FALSCH{"feldJaFalsch"};
  inline static const std::string FELD_JA_NEIN_FALSCH{"feldJaNeinFalsch"};
  inline static const std::string FELD_LEER{"feldLeer"};
  inline static const std::string FUEHRENDES_BLANK{"fuehrendesBlank"};
  inline static const std::string NACHFOLGENDES_BLANK{"nachfolgendesBlank"};
  inline static const std::string KEIN_USB_ANGEGEBEN{"keinUsbAngegeben"};
  inline static const std::string USB_ANGEGEBEN_BEI_MAX_USB_NULL{"usbAngegebenBeiMaxUsbNull"};
  inline static const std::string ZU_GROSSER_USB{"zuGrosserUsb"};
  inline static const std::string ZU_KLEINER_USB{"zuKleinerUsb"};
  inline static const std::string ZU_GROSSE_KONTEXTNUMMER{"zuGrosseKontextnummer"};
  inline static const std::string ZU_KLEINE_KONTEXTNUMMER{"zuKleineKontextnummer"};
  inline static const std::string ZU_GROSSE_LFD_NUMMER{"zuGrosseLfdNummer"};
  inline static const std::string ZU_KLEINE_LFD_NUMMER{"zuKleineLfdNummer"};
  inline static const std::string ZU_GROSSE_ZEILE{"zuGrosseZeile"};
  inline static const std::string ZU_KLEINE_ZEILE{"zuKleineZeile"};
  inline static const std::string ZAHL_NULL_ENTHAELT_VORZEICHEN{"zahlNullEnthaeltVorzeichen"};
  inline static const std::string ZAHL_MIT_PLUS{"zahlMitPlus"};
  inline static const std::string ZAHL_MIT_VORZEICHEN{"zahlMitVorzeichen"};
  inline static const std::string ZAHL_FALSCHE_ANZAHL_NACHKOMMASTELLEN{
      "zahlFalscheAnzahlNachkommastellen"};
  inline static const std::string ZAHL_HAT_DEZIMAL_TRENNER{"zahlHatDezimalTrenner"};
  inline static const std::string ZAHL_HAT_FUEHRENDE_NULLEN{"zahlHatFuehrendeNullen"};
  inline static const std::string ZAHL_IST_NULL{"zahlIstNull"};
  inline static const std::string ZAHL_HAT_UNGUELTIGE_ZEICHEN{"zahlHatUngueltigeZeichen"};
  inline static const std::string ZAHL_OHNE_DEZIMAL_TRENNER{"zahlOhneDezimalTrenner"};
  inline static const std::string ZAHL_ZUVIELE_VORKOMMASTELLEN{"zahlZuvieleVorkommastellen"};
  inline static const std::string ZAHL_ZU_GROSS{"zahlZuGross"};
  inline static const std::string ZAHL_ZU_KLEIN{"zahlZuKlein"};
  inline static const std::string ZAHL_ZU_KURZ{"zahlZuKurz"};
  inline static const std::string ZAHL_ZU_LANG{"zahlZuLang"};
  inline static const std::string STRING_FALSCHES_MUSTER{"stringFalschesMuster"};
  inline static const std::string STRING_MIT_NEWLINE{"stringMitNewline"};
  inline static const std::string STRING_ZU_KURZ{"stringZuKurz"};
  inline static const std::string STRING_ZU_LANG{"stringZuLang"};
  inline static const std::string STELLIGKEIT_ZU_LANG{"stelligkeitZuLang"};
  inline static const std::string PFLICHT_FELD_NICHT_VORHANDEN{"pflichtFeldNichtVorhanden"};
  inline static const std::string PFLICHT_FELD_PRUEFUNG{"pflichtFeldPruefung"};
  inline static const std::string WERT_NUR_LEERZEICHEN{"wertNurLeerzeichen"};
  inline static const std::string ZEICHEN_NICHT_IM_ZEICHENSATZ{"ZeichenNichtImZeichensatz"};
  // The kind ("art") of every formal entry.
  inline static const std::string FORMALE_PRUEFUNG{"formalePruefung"};

  // Formal ids of the date messages (the number checks use 1 to 49).
  static constexpr int ID_DATUM_UNGUELTIG = 50;
  static constexpr int ID_DATUM_VOR_1900 = 51;
  static constexpr int ID_MONAT_00_STATT_MONAT = 52;
  static constexpr int ID_MONAT_0_STATT_MONAT = 53;
  static constexpr int ID_JAHR_0000_STATT_JAHR = 54;
  static constexpr int ID_MONAT_00_OHNE_TAG_00 = 55;
  static constexpr int ID_MONAT_0_UNZULAESSIG = 56;
  static constexpr int ID_JAHR_0000_OHNE_TAG_MONAT_00 = 57;
  static constexpr int ID_MONAT_0_STATT_MONAT_ODER_00 = 58;
  static constexpr int ID_TAG_0_STATT_TAG_ODER_00 = 59;
  static constexpr int ID_TAG_0_STATT_00 = 60;
  static constexpr int ID_MONAT_0_STATT_00 = 61;
  static constexpr int ID_DATUM_BEREICH_UNGUELTIG = 62;
  static constexpr int ID_DATUM_BEREICH_ENDE_VOR_ANFANG = 63;
  static constexpr int ID_DATUM_BEREICH_VOR_1900 = 64;
  static constexpr int ID_WJ_ANFANG_VOR_1960 = 65;
  static constexpr int ID_WJ_ENDE_NACH_VZ_PLUS_EINS = 66;
  static constexpr int ID_WJ_MEHR_ALS_EIN_JAHR = 67;
  static constexpr int ID_WJ_ENDE_VOR_ANFANG = 68;
  // Highest formal id.
  static constexpr int ID_MAX = 68;
};

}  // namespace zudadavizu_20_0
