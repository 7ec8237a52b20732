#pragma once

#include <map>
#include <string>
#include <utility>

namespace zudadavizu_20_0 {

// Display settings of the caller: values under (Schluessel, Zusatz).
class Darstellungsinformation {
 public:
  using Eintraege = std::map<std::pair<std::string, std::string>, std::string>;

  // The shared text that stands for "not set".
  static const std::string& nullText();

  // Stores or replaces a value; std::runtime_error for an empty Schluessel.
  void setze(const std::string& schluessel, const std::string& zusatz, const std::string& wert);
  // Value under (schluessel, ""), or nullText().
  const std::string& wertVon(const std::string& schluessel) const;
  const Eintraege& getEintraege() const { return eintraege_; }

 private:
  Eintraege eintraege_;
};

}  // namespace zudadavizu_20_0
