#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "rules/IDefdatenSteuernummer.h"

namespace dvtest {

// Tax number definitions set up per test; records what the verifiers ask for.
class TestDefdaten : public zudadavizu_20_0::IDefdatenSteuernummer {
 public:
  struct Formatierung : zudadavizu_20_0::IFormatierung {
    int finanzamt = 3, bezirk = 3, unterscheidung = 4, pruefziffer = 1;
    std::string praefix, trenner1 = "/", trenner2 = "/", trenner3;
    int getAnzahlStellenBezirk() const override { return bezirk; }
    int getAnzahlStellenFinanzamt() const override { return finanzamt; }
    int getAnzahlStellenPruefziffer() const override { return pruefziffer; }
    int getAnzahlStellenUnterscheidungsnummer() const override { return unterscheidung; }
    const std::string& getPraefix() const override { return praefix; }
    const std::string& getTrenner1() const override { return trenner1; }
    const std::string& getTrenner2() const override { return trenner2; }
    const std::string& getTrenner3() const override { return trenner3; }
  };
  struct Verfahren : zudadavizu_20_0::IPruefziffernverfahrenDefinition {
    std::string name = "11er-Verfahren";
    std::vector<int> faktoren = {0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
    std::vector<int> summanden;
    const std::string& getVerfahren() const override { return name; }
    const std::vector<int>& getFaktoren() const override { return faktoren; }
    const std::vector<int>& getSummanden() const override { return summanden; }
  };

  std::set<int> finanzaemter = {9181};
  std::map<int, Formatierung> formate = {{91, Formatierung()}};
  std::vector<std::pair<std::string, std::string>> negativmuster;
  Verfahren verfahren;

  std::vector<int> gefragteFinanzaemter;
  std::vector<std::tuple<int, int, int>> gefragteVerfahren;

  const zudadavizu_20_0::IFormatierung& getFormatierung(int land) override {
    auto it = formate.find(land);
    if (it == formate.end()) throw std::runtime_error("Bundesland existiert nicht.");
    return it->second;
  }
  bool existiertFinanzamt(int nummer) override {
    gefragteFinanzaemter.push_back(nummer);
    return finanzaemter.count(nummer) > 0;
  }
  const zudadavizu_20_0::IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(
      int land, int nummer, int bezirk) override {
    gefragteVerfahren.emplace_back(land, nummer, bezirk);
    return verfahren;
  }
  const zudadavizu_20_0::IFinanzamtAdresse& getFinanzamtAdresse(int) override {
    throw std::logic_error("not used by the verifiers");
  }
  std::string getBundeslandKuerzel(int) override { return "BY"; }
  const std::vector<std::pair<std::string, std::string>>& getNegativmuster(int) override {
    return negativmuster;
  }
  bool istBundeslandKuerzel(const std::string&) override { return true; }
};

}  // namespace dvtest
