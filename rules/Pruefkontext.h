#pragma once

#include <string>

#include "rules/IDaten.h"
#include "rules/IDefdatenSteuernummer.h"
#include "rules/IErgebnis.h"
#include "rules/IIdentifier.h"
#include "rules/ValidationLogger.h"

namespace zudadavizu_20_0 {

class Darstellung;

// Everything the check of one value needs. Owns only the value; the caller keeps the objects
// behind the pointers alive for the check.
struct Pruefkontext {
  std::string wert;
  IIdentifier* identifier = nullptr;
  IErgebnis* ergebnis = nullptr;
  // No entry is added to ergebnis when set.
  bool ohneErgebnis = false;
  const Darstellung* darstellung = nullptr;
  // Tax number definitions for the verifiers; may be null.
  IDefdatenSteuernummer* defdaten = nullptr;
  ValidationLogger* logger = nullptr;
  // Prints the identifier into messages.
  IDaten* daten = nullptr;
  // Selects the VAST wording and skips the tax data field types.
  bool vastModus = false;
};

}  // namespace zudadavizu_20_0
