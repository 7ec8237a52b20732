#include "cli/Feldtypcodes.h"

#include <vector>

#include "cli/Json.h"
#include "cli/Verzeichnishinweis.h"
#include "dividevira/dividevira.h"

namespace dvhost {

int zeigeFeldtypCodes(Sitzung& sitzung, const std::string& typ, bool json) {
  const int anzahl = dv_feldtyp_codes(typ.c_str(), nullptr, 0);
  if (anzahl < 0) throw Benutzungsfehler("unbekannter Feldtyp " + typ);
  std::vector<int> codes(static_cast<std::size_t>(anzahl));
  dv_feldtyp_codes(typ.c_str(), codes.data(), codes.size());
  for (int code : codes) {
    const char* meldung = dv_meldung(typ.c_str(), code);
    const std::string utf8 = meldung == nullptr ? "" : meldung;
    if (json) {
      sitzung.jsonZeile(JsonObjekt().text("typ", typ).zahl("code", code).text("text", vonBibliothek(utf8)).str());
    } else {
      sitzung.zeile(std::to_string(code) + " " + vonBibliothek(utf8));
    }
  }
  return kAllesGueltig;
}

}  // namespace dvhost
