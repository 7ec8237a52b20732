#pragma once

#include <fstream>
#include <set>
#include <string>

namespace dvtest {

// The tax administration's office numbers the directory is built from, read from the source
// file itself (one number a line, '#' starts a comment line).
inline std::set<int> echteFinanzamtsnummern() {
  std::ifstream datei(DV_ECHTE_FINANZAMTSNUMMERN);
  std::set<int> nummern;
  for (std::string zeile; std::getline(datei, zeile);) {
    if (!zeile.empty() && zeile[0] != '#') nummern.insert(std::stoi(zeile));
  }
  return nummern;
}

}  // namespace dvtest
