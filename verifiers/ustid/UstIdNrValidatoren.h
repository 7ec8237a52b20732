#pragma once

#include <memory>
#include <string_view>

#include "verifiers/ustid/IUstIdNrValidator.h"
#include "verifiers/ustid/UstIdNrValidatorBase.h"

namespace zudadavizu_20_0 {

// The validator of a two-letter prefix, or null when no country uses it (prefixes are
// case-sensitive; Greece is "EL"). All validators are created together on the first call,
// thread-safely, and live until unload.
const IUstIdNrValidator* ustIdNrValidatorFuer(std::string_view laenderkuerzel);

// The countries with a rule: adding one takes its file UstIdNrValidator<prefix>.cpp, which
// defines neuer<Land>Validator, and its name here (the build picks up the file).
#define DV_USTID_LAENDER(X) \
  X(Austria)                \
  X(Belgien)                \
  X(Britannien)             \
  X(Bulgarien)              \
  X(Daenemark)              \
  X(Deutschland)            \
  X(Estland)                \
  X(Finnland)               \
  X(Frankreich)             \
  X(Griechenland)           \
  X(Irland)                 \
  X(Italien)                \
  X(Lettland)               \
  X(Litauen)                \
  X(Luxemburg)              \
  X(Malta)                  \
  X(Niederlande)            \
  X(Polen)                  \
  X(Portugal)               \
  X(Rumaenien)              \
  X(Schweden)               \
  X(Slowakei)               \
  X(Slowenien)              \
  X(Spanien)                \
  X(Tschechien)             \
  X(Ungarn)                 \
  X(Zypern)                 \
  X(Kroatien)

#define DV_USTID_ERZEUGER(land) std::unique_ptr<IUstIdNrValidator> neuer##land##Validator();
DV_USTID_LAENDER(DV_USTID_ERZEUGER)
#undef DV_USTID_ERZEUGER

}  // namespace zudadavizu_20_0
