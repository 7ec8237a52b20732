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

std::string latin9AlsUtf8(const std::string& latin9) {
  std::string utf8;
  for (unsigned char c : latin9) {
    unsigned zeichen = c;
    // The eight places where ISO-8859-15 differs from ISO-8859-1.
    switch (c) {
      case 0xA4:
        zeichen = 0x20AC;
        break;
      case 0xA6:
        zeichen = 0x0160;
        break;
      case 0xA8:
        zeichen = 0x0161;
        break;
      case 0xB4:
        zeichen = 0x017D;
        break;
      case 0xB8:
        zeichen = 0x017E;
        break;
      case 0xBC:
        zeichen = 0x0152;
        break;
      case 0xBD:
        zeichen = 0x0153;
        break;
      case 0xBE:
        zeichen = 0x0178;
        break;
    }
    if (zeichen < 0x80) {
      utf8 += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
      utf8 += static_cast<char>(0xC0 | (zeichen >> 6));
      utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (zeichen >> 12));
      utf8 += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
  }
  return utf8;
}

}  // namespace dvhost
