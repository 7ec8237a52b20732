#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "capi/Latin9.h"
#include "dividevira/dividevira.h"

// What every entry point of the C library does at its edge: UTF-8 in and out, caller-owned
// buffers, and no exception across.
namespace dividevira {

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
