#include "cli/Zeichensatz.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>

namespace dvhost {

namespace {

const char* kModulZeichensatz = "ISO-8859-15";

const char* terminalZeichensatz() {
  static const char* zeichensatz = [] {
    std::setlocale(LC_CTYPE, "");
    const char* name = nl_langinfo(CODESET);
    return std::strcmp(name, "ANSI_X3.4-1968") == 0 ? "UTF-8" : name;
  }();
  return zeichensatz;
}

// Converts text; a byte that cannot be converted becomes `ersatz`, or stays as it is when
// ersatz is 0.
std::string konvertiere(const std::string& text, const char* von, const char* nach, char ersatz) {
  if (std::strcmp(von, nach) == 0) return text;
  iconv_t cd = iconv_open(nach, von);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string ergebnis;
  char puffer[256];
  char* ein = const_cast<char*>(text.data());
  size_t einRest = text.size();
  while (einRest > 0) {
    char* aus = puffer;
    size_t ausRest = sizeof puffer;
    size_t r = iconv(cd, &ein, &einRest, &aus, &ausRest);
    ergebnis.append(puffer, aus - puffer);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      ergebnis += ersatz != 0 ? ersatz : *ein;
      ++ein;
      --einRest;
    }
  }
  iconv_close(cd);
  return ergebnis;
}

}  // namespace

std::string zuTerminal(const std::string& latin9) {
  return konvertiere(latin9, kModulZeichensatz, terminalZeichensatz(), '?');
}

std::string vonTerminal(const std::string& text) {
  return konvertiere(text, terminalZeichensatz(), kModulZeichensatz, 0);
}


}  // namespace dvhost
