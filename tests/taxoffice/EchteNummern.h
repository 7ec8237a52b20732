#pragma once

#include <fstream>
#include <set>
#include <string>

namespace dvtest {

// The authority's office numbers the bundled directory is built from, read from the source
// file itself (DV_ECHTE_FINANZAMTSNUMMERN), not from the tables under test.
inline std::set<int> echteFinanzamtsnummern() {
  std::ifstream datei(DV_ECHTE_FINANZAMTSNUMMERN);
  std::set<int> nummern;
  for (std::string zeile; std::getline(datei, zeile);) {
    if (!zeile.empty() && zeile[0] != '#') nummern.insert(std::stoi(zeile));
  }
  return nummern;
}

}  // namespace dvtest
