#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zudadavizu_20_0 {

// The eleven predefined field types, in the order the verifier factory compares their names.
enum class Feldtyp {
  kIdNr,
  kSteuernummer,
  kBundesfinanzamtsnummer,
  kLaenderkuerzel,
  kUStIdNr,
  kBundessteuernummer,
  kEMail,
  kIban,
  kBic,
  kDatumMMJJ,
  kDatumTTMMJJ,
};

struct FeldtypEintrag {
  Feldtyp typ;
  std::string_view name;
  const std::string& fehlerSchluessel;
  bool ohneVast;  // skipped in vastModus: the VAST side has no tax office data
};

constexpr std::size_t ANZAHL_FELDTYPEN = 11;
// Indexed by Feldtyp; the one list of type names, error keys and VAST skips.
extern const FeldtypEintrag FELDTYPEN[ANZAHL_FELDTYPEN];

inline const FeldtypEintrag& feldtypEintrag(Feldtyp typ) {
  return FELDTYPEN[static_cast<std::size_t>(typ)];
}
// The entry of an exactly (case-sensitively) matching name; null for any other name.
const FeldtypEintrag* feldtypEintrag(std::string_view name);

}  // namespace zudadavizu_20_0
