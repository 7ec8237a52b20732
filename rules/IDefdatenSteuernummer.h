#pragma once

#include <string>
#include <utility>
#include <vector>

#include "rules/IFinanzamtAdresse.h"
#include "rules/IFormatierung.h"
#include "rules/IPruefziffernverfahrenDefinition.h"

namespace zudadavizu_20_0 {

// Everything the tax number checks know about Länder and tax offices. A returned reference
// stays valid until the same operation is called again on the same object.
class IDefdatenSteuernummer {
 public:
  virtual ~IDefdatenSteuernummer() = default;
  // Notation of the Land; throws std::runtime_error for an unknown key.
  virtual const IFormatierung& getFormatierung(int bundeslandnummer) = 0;
  // Whether a tax office with this number exists.
  virtual bool existiertFinanzamt(int bufanummer) = 0;
  // Check-digit method for Land, office and district; throws std::runtime_error when none.
  virtual const IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(
      int bundeslandnummer, int bufanummer, int bezirk) = 0;
  // Address of the office; four empty texts when it has no record.
  virtual const IFinanzamtAdresse& getFinanzamtAdresse(int bufanummer) = 0;
  // Abbreviation of the Land, empty when unknown.
  virtual std::string getBundeslandKuerzel(int bundeslandnummer) = 0;
  // (regular expression over the 13-digit notation, message) pairs that are never valid.
  virtual const std::vector<std::pair<std::string, std::string>>& getNegativmuster(
      int bundeslandnummer) = 0;
  // Whether the text is one of the Land abbreviations.
  virtual bool istBundeslandKuerzel(const std::string& kuerzel) = 0;
};

}  // namespace zudadavizu_20_0
