#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dividevira/dividevira.h"

// What every entry point of the C library does at its edge: UTF-8 in and out, caller-owned
// buffers, and no exception across.
namespace dividevira {

// UTF-8 to ISO-8859-15 into ziel (replacing its content, keeping its capacity). False for
// invalid UTF-8 (overlong forms, surrogates, beyond U+10FFFF, cut sequences) and for a
// character that ISO-8859-15 lacks.
bool utf8AlsLatin9(std::string_view utf8, std::string& ziel);
std::string latin9AlsUtf8(std::string_view latin9);

// A value given as pointer and length, as ISO-8859-15: 0, or DV_FEHLER_NULL, _LAENGE,
// _ZEICHEN.
int leseWert(const char* wert, std::size_t laenge, std::string& ziel);
// A NUL-terminated argument that may be NULL (then empty); 0 or DV_FEHLER_ZEICHEN, _LAENGE.
int leseName(const char* name, std::string& ziel);
// ISO-8859-15 text as NUL-terminated UTF-8 into ziel: 0, or DV_FEHLER_PUFFER (ziel then
// holds the empty text when groesse allows), DV_FEHLER_NULL.
int schreibe(std::string_view latin9, char* ziel, std::size_t groesse);

// Runs f and turns any exception into DV_FEHLER_INTERN.
template <class F>
int ohneAusnahme(F&& f) noexcept {
  try {
    return f();
  } catch (...) {
    return DV_FEHLER_INTERN;
  }
}

}  // namespace dividevira
