#pragma once

#include <cstdint>

namespace zudadavizu_20_0 {

// Outcome of one field type check. After the verifier ran: {its code, 1, 1}; after a
// message was formed: {0, status of meldeFehler (1 error, 2 notice), 0}; skipped: {0, 0, 0}.
// Status of a formed message: an error, or the notice of a test identification number.
constexpr std::int32_t STATUS_FEHLER = 1;
constexpr std::int32_t STATUS_HINWEIS = 2;

struct PruefResultat {
  std::int32_t fehlerId = 0;
  std::int32_t status = 0;
  std::int32_t geprueft = 0;
};

}  // namespace zudadavizu_20_0
