#pragma once

#include <string>

namespace zudadavizu_20_0 {

// Error keys and result codes of the predefined field types; 0 means valid.
class IFeldtypVordefiniertFehlerIds {
 public:
  virtual ~IFeldtypVordefiniertFehlerIds() = default;

  inline static const std::string UNGUELTIGE_EMAIL{"ungueltigeEmail"};
  inline static const std::string UNGUELTIGE_IBAN{"ungueltigeIBAN"};
  inline static const std::string UNGUELTIGE_BIC{"ungueltigeBIC"};
  inline static const std::string UNGUELTIGES_DATUM_MMJJ{"ungueltigesDatumMMJJ"};
  inline static const std::string UNGUELTIGES_DATUM_TTMMJJ{"ungueltigesDatumTTMMJJ"};
  inline static const std::string UNGUELTIGE_ID_NUMMER{"ungueltigeIDNummer"};
  inline static const std::string UNGUELTIGE_UST_ID_NR{"ungueltigeUStIDNr"};
  inline static const std::string UNGUELTIGE_STEUERNUMMER{"ungueltigeSteuernummer"};
  inline static const std::string UNGUELTIGE_BUNDESFINANZAMTSNUMMER{
      "ungueltigeBundesfinanzamtsnummer"};
  inline static const std::string UNGUELTIGES_LAENDERKUERZEL{"ungueltigesLänderkürzel"};
  inline static const std::string UNGUELTIGE_BUNDESSTEUERNUMMER{"ungueltigeBundessteuernummer"};
  // Notice for an identification number of the test range.
  inline static const std::string TEST_ID_NUMMER{"testIDNummer"};

  static constexpr int KEIN_FEHLER = 0;
  static constexpr int BIC_FORMAT_FALSCH = 101;
  static constexpr int BIC_LAENDERCODE_UNBEKANNT = 102;
  static constexpr int BUFANUMMER_FORMAT_FALSCH = 201;
  static constexpr int BUFANUMMER_UNBEKANNT = 202;
  static constexpr int BUNDESSTEUERNUMMER_UNGUELTIG = 301;
  static constexpr int DATUM_UNGUELTIG = 401;
  static constexpr int EMAIL_UNGUELTIG = 501;
  static constexpr int IBAN_AUFBAU_FALSCH = 601;
  static constexpr int IBAN_LAENDERCODE_UNBEKANNT = 602;
  static constexpr int IBAN_LAENDERFORMAT_FALSCH = 603;
  static constexpr int IBAN_PRUEFZIFFER_FALSCH = 604;
  static constexpr int IDNR_KEINE_ZIFFERN = 701;
  static constexpr int IDNR_WIEDERHOLUNG_FALSCH = 702;
  static constexpr int IDNR_LAENGE_FALSCH = 703;
  static constexpr int IDNR_PRUEFZIFFER_FALSCH = 704;
  static constexpr int LAENDERKUERZEL_UNBEKANNT = 801;
  static constexpr int USTIDNR_FORMAT_FALSCH = 901;
  static constexpr int USTIDNR_DE_LAENGE_FALSCH = 902;
  static constexpr int USTIDNR_ZU_KURZ = 903;
  static constexpr int USTIDNR_ZU_LANG = 904;
  static constexpr int USTIDNR_UNGUELTIG = 905;
  static constexpr int STEUERNUMMER_MUSTER_FALSCH = 1001;
  static constexpr int STEUERNUMMER_FINANZAMT_UNBEKANNT = 1002;
  static constexpr int STEUERNUMMER_BEZIRK_NULL = 1003;
  static constexpr int STEUERNUMMER_NEGATIVMUSTER = 1004;
  static constexpr int STEUERNUMMER_PRUEFZIFFER_FALSCH = 1005;
  // The tax office data service's own failures of a conversion.
  static constexpr int STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN = 1006;
  static constexpr int STEUERNUMMER_OHNE_LAND = 1007;
};

}  // namespace zudadavizu_20_0
