#include "capi/Grenze.h"

#include <cstring>

namespace dividevira {

int leseWert(const char* wert, std::size_t laenge, std::string& ziel) {
  if (wert == nullptr) return DV_FEHLER_NULL;
  if (laenge > DV_MAX_LAENGE) return DV_FEHLER_LAENGE;
  return utf8AlsLatin9(std::string_view(wert, laenge), ziel) ? DV_OK : DV_FEHLER_ZEICHEN;
}

int leseName(const char* name, std::string& ziel) {
  ziel.clear();
  if (name == nullptr) return DV_OK;
  const std::size_t laenge = strnlen(name, DV_MAX_LAENGE + 1);
  return laenge > DV_MAX_LAENGE ? DV_FEHLER_LAENGE : leseWert(name, laenge, ziel);
}

int schreibe(std::string_view latin9, char* ziel, std::size_t groesse) {
  if (ziel == nullptr) return DV_FEHLER_NULL;
  const std::string utf8 = latin9AlsUtf8(latin9);
  if (utf8.size() >= groesse) {
    if (groesse > 0) ziel[0] = '\0';
    return DV_FEHLER_PUFFER;
  }
  std::memcpy(ziel, utf8.c_str(), utf8.size() + 1);
  return DV_OK;
}

}  // namespace dividevira
