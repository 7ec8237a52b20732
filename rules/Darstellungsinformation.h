#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace zudadavizu_20_0 {

// Display settings of the caller: values under (Schluessel, Zusatz).
class Darstellungsinformation {
 public:
  // Orders keys as pairs of byte strings; also compares against string views, so that
  // lookups need no copy of the key.
  struct SchluesselOrdnung {
    using is_transparent = void;
    using Ansicht = std::pair<std::string_view, std::string_view>;
    static Ansicht ansicht(const std::pair<std::string, std::string>& p) {
      return {p.first, p.second};
    }
    static Ansicht ansicht(const Ansicht& p) { return p; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
      return ansicht(a) < ansicht(b);
    }
  };
  using Eintraege = std::map<std::pair<std::string, std::string>, std::string, SchluesselOrdnung>;

  // The shared text that stands for "not set".
  static const std::string& nullText();

  // Stores or replaces a value; std::runtime_error for an empty Schluessel.
  void setze(const std::string& schluessel, const std::string& zusatz, const std::string& wert);
  // Value under (schluessel, ""), or nullText().
  const std::string& wertVon(std::string_view schluessel) const;
  const Eintraege& getEintraege() const { return eintraege_; }

 private:
  Eintraege eintraege_;
};

}  // namespace zudadavizu_20_0
