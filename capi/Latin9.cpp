#include "capi/Latin9.h"

#include <cstdint>
#include <cstring>

namespace dividevira {

namespace {

// The eight places where ISO-8859-15 differs from ISO-8859-1, as (byte, code point).
struct Abweichung {
  unsigned char byte;
  char32_t zeichen;
};
constexpr Abweichung ABWEICHUNGEN[] = {{0xA4, 0x20AC}, {0xA6, 0x0160}, {0xA8, 0x0161},
                                       {0xB4, 0x017D}, {0xB8, 0x017E}, {0xBC, 0x0152},
                                       {0xBD, 0x0153}, {0xBE, 0x0178}};

// The ISO-8859-15 byte of a code point, or -1.
int alsLatin9(char32_t zeichen) {
  for (const Abweichung& a : ABWEICHUNGEN) {
    if (a.zeichen == zeichen) return a.byte;
    if (a.byte == zeichen) return -1;  // a Latin-1 sign that ISO-8859-15 replaced
  }
  return zeichen < 0x100 ? static_cast<int>(zeichen) : -1;
}

char32_t alsZeichen(unsigned char byte) {
  for (const Abweichung& a : ABWEICHUNGEN) {
    if (a.byte == byte) return a.zeichen;
  }
  return byte;
}

}  // namespace

bool utf8AlsLatin9(std::string_view utf8, std::string& ziel) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* ende = p + utf8.size();
  // Most values are ASCII: one copy of the whole, then the rest byte by byte.
  const auto* ascii = p;
  for (std::uint64_t acht; ende - ascii >= 8; ascii += 8) {
    std::memcpy(&acht, ascii, 8);
    if (acht & 0x8080808080808080ULL) break;
  }
  while (ascii < ende && *ascii < 0x80) ++ascii;
  ziel.clear();
  ziel.append(utf8.data(), static_cast<std::size_t>(ascii - p));
  p = ascii;
  while (p < ende) {
    const unsigned char c = *p++;
    if (c < 0x80) {
      ziel += static_cast<char>(c);
      continue;
    }
    int folgen;
    char32_t zeichen, kleinstes;
    if ((c & 0xE0) == 0xC0) {
      folgen = 1, zeichen = c & 0x1F, kleinstes = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      folgen = 2, zeichen = c & 0x0F, kleinstes = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      folgen = 3, zeichen = c & 0x07, kleinstes = 0x10000;
    } else {
      return false;  // a continuation byte without lead, or 0xF8 and above
    }
    if (ende - p < folgen) return false;
    for (int i = 0; i < folgen; ++i, ++p) {
      if ((*p & 0xC0) != 0x80) return false;
      zeichen = (zeichen << 6) | (*p & 0x3F);
    }
    if (zeichen < kleinstes || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) {
      return false;
    }
    const int byte = alsLatin9(zeichen);
    if (byte < 0) return false;
    ziel += static_cast<char>(byte);
  }
  return true;
}

std::string latin9AlsUtf8(std::string_view latin9) {
  std::string utf8;
  utf8.reserve(latin9.size() + latin9.size() / 8);
  for (const char byte : latin9) {
    const char32_t z = alsZeichen(static_cast<unsigned char>(byte));
    if (z < 0x80) {
      utf8 += static_cast<char>(z);
    } else if (z < 0x800) {
      utf8 += static_cast<char>(0xC0 | (z >> 6));
      utf8 += static_cast<char>(0x80 | (z & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (z >> 12));
      utf8 += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (z & 0x3F));
    }
  }
  return utf8;
}

}  // namespace dividevira
