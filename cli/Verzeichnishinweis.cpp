#include "cli/Verzeichnishinweis.h"

#include <iconv.h>

#include "cli/Zeichensatz.h"
#include "dividevira/dividevira.h"

namespace dvhost {

std::string vonBibliothek(const std::string& utf8) {
  iconv_t cd = iconv_open("ISO-8859-15", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
  // The library's texts come from ISO-8859-15 tables, so every character converts.
  std::string latin9(utf8.size(), '\0');
  char* ein = const_cast<char*>(utf8.data());
  size_t einRest = utf8.size();
  char* aus = latin9.data();
  size_t ausRest = latin9.size();
  iconv(cd, &ein, &einRest, &aus, &ausRest);
  iconv_close(cd);
  latin9.resize(latin9.size() - ausRest);
  return latin9;
}

namespace {

std::string hinweis(const char* feldtyp, const std::string& nummer) {
  const std::string utf8 = latin9AlsUtf8(nummer);
  char text[DV_MELDUNG_MAX];
  const int laenge = dv_verzeichnishinweis(feldtyp, utf8.data(), utf8.size(), text, sizeof text);
  return laenge > 0 ? vonBibliothek(text) : std::string();
}

}  // namespace

std::string steuernummerHinweis(vesk::plugin2::iface::IFinanzamtsdatenService&,
                                const std::string& steuernummer) {
  return hinweis("Steuernummer", steuernummer);
}

std::string finanzamtHinweis(vesk::plugin2::iface::IFinanzamtsdatenService&,
                             const std::string& nummer) {
  return hinweis("Bundesfinanzamtsnummer", nummer);
}

}  // namespace dvhost
