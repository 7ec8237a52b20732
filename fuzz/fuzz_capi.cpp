// The C library's entry points take any bytes: a code or a misuse code, never a crash; the
// plain and the message-forming check agree; a valid tax number converts to its Land
// notation and back; texts and notices are NUL-terminated where promised.
#include <cstdlib>
#include <cstring>
#include <string>

#include "capi/Grenze.h"
#include "dividevira/dividevira.h"
#include "fuzz/FuzzEingabe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static const char* kTypen[] = {"IDNr",           "Steuernummer", "Bundesfinanzamtsnummer",
                                 "Laenderkuerzel", "UStIdNr",      "Bundessteuernummer",
                                 "EMail",          "IBAN",         "BIC",
                                 "DATUM_MMJJ",     "DATUM_TTMMJJ", "iban"};
  dvfuzz::Eingabe eingabe(daten, groesse);
  const char* typ = kTypen[eingabe.byte() % 12];
  const int zahl = eingabe.ganzzahl();
  const std::string wert = eingabe.rest();
  char ziel[DV_MELDUNG_MAX];

  const int code = dv_pruefe(typ, wert.data(), wert.size());
  if (code != dv_pruefe_text(typ, wert.data(), wert.size(), nullptr, 0, ziel, sizeof ziel)) {
    std::abort();
  }
  if (code > 0 && dv_meldung(typ, code) == nullptr) std::abort();
  if (code < 0 && code != DV_FEHLER_TYP && code != DV_FEHLER_ZEICHEN && code != DV_FEHLER_LAENGE) {
    std::abort();
  }
  // Buffers of every size up to the text's: the text or the empty text, NUL-terminated.
  const std::size_t groesseZiel = static_cast<std::size_t>(zahl & 0xff);
  const int land = dv_steuernummer_land(wert.data(), wert.size(), ziel, groesseZiel);
  if (groesseZiel > 0 && std::strlen(ziel) >= groesseZiel) std::abort();
  if (land == 0 && groesseZiel > 0) {
    const std::string landesform = ziel;
    const std::string schluessel = wert.substr(0, 2);
    if (dv_steuernummer_bund(landesform.data(), landesform.size(), schluessel.c_str(), nullptr,
                             ziel, sizeof ziel) != 0 ||
        wert != ziel) {
      std::abort();
    }
  }
  const std::string finanzamt = wert.substr(0, wert.find('\0'));
  dv_steuernummer_bund(wert.data(), wert.size(), (zahl & 0x100) ? finanzamt.c_str() : nullptr,
                       (zahl & 0x200) ? finanzamt.c_str() : nullptr, ziel, groesseZiel);
  dv_steuernummer_pruefen(wert.data(), wert.size());
  const int hinweis = dv_verzeichnishinweis(typ, wert.data(), wert.size(), ziel, sizeof ziel);
  if (hinweis >= 0 && static_cast<std::size_t>(hinweis) != std::strlen(ziel)) std::abort();
  dv_meldung(typ, zahl);
  dv_text(zahl);
  const char* felder[DV_FINANZAMT_FELDANZAHL];
  if (dv_finanzamt(zahl, felder) == 0 && std::atoi(felder[0]) != zahl) std::abort();
  dv_listeneintrag eintraege[4];
  dv_finanzamtsliste(zahl, eintraege, 4);
  // The edge's conversion: what it accepts comes back unchanged.
  std::string latin9;
  if (dividevira::utf8AlsLatin9(wert, latin9) && dividevira::latin9AlsUtf8(latin9) != wert) {
    std::abort();
  }
  return 0;
}
