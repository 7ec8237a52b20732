#pragma once

#include <stdexcept>
#include <string>

namespace vesk::divideVira {

// Land key without notation row, weight row or entry in the Land table.
class BundeslandExistiertNicht : public std::runtime_error {
 public:
  BundeslandExistiertNicht() : std::runtime_error("Bundesland existiert nicht.") {}
};

// Berlin tax office number outside the weight selection rule.
class BufanummerExistiertNicht : public std::runtime_error {
 public:
  BufanummerExistiertNicht() : std::runtime_error("Bufanummer existiert nicht.") {}
};

// Land key without abbreviation, so no negative patterns can be chosen.
class KeinBundeslandkuerzel : public std::runtime_error {
 public:
  explicit KeinBundeslandkuerzel(int landNummer)
      : std::runtime_error("Kein Bundeslandkürzel für die Bundeslandnummer " +
                           std::to_string(landNummer) + " gefunden") {}
};

}  // namespace vesk::divideVira
