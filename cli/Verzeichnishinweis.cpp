#include "cli/Verzeichnishinweis.h"

#include "cli/Zeichensatz.h"
#include "dividevira/dividevira.h"

namespace dvhost {

std::string vonBibliothek(const std::string& utf8) {
  // The library's texts come from ISO-8859-15 tables, so every character converts.
  std::string latin9;
  return dividevira::utf8AlsLatin9(utf8, latin9) ? latin9 : utf8;
}

namespace {

std::string hinweis(const char* feldtyp, const std::string& nummer) {
  const std::string utf8 = latin9AlsUtf8(nummer);
  char text[DV_MELDUNG_MAX];
  const int laenge = dv_verzeichnishinweis(feldtyp, utf8.data(), utf8.size(), text, sizeof text);
  return laenge > 0 ? vonBibliothek(text) : std::string();
}

}  // namespace

std::string steuernummerHinweis(const std::string& steuernummer) {
  return hinweis("Steuernummer", steuernummer);
}

std::string finanzamtHinweis(const std::string& nummer) {
  return hinweis("Bundesfinanzamtsnummer", nummer);
}

}  // namespace dvhost
