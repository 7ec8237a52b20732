#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "rules/IRegelmenge.h"
#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {

// A rule set held in memory: format definitions by field name, fiscal-year switch and
// assessment year.
class TestRegelmenge : public IRegelmenge {
 public:
  TestRegelmenge(bool wirtschaftsjahr = false, int veranlagungsjahr = 0)
      : wirtschaftsjahr_(wirtschaftsjahr), veranlagungsjahr_(veranlagungsjahr) {}

  void definiere(const std::string& feld, std::unique_ptr<IFormatDefinition> definition) {
    definitionen_[feld] = std::move(definition);
  }
  const IFormatDefinition& getFormatDefinition(const std::string& feldname) const override {
    const auto it = definitionen_.find(feldname);
    if (it == definitionen_.end()) {
      throw FeldInRegelMengeNichtDefiniertException(feldname, "Test", "2015", "Testdaten");
    }
    return *it->second;
  }
  bool pruefeWirtschaftsjahr() const override { return wirtschaftsjahr_; }
  int getVeranlagungsjahr() const override { return veranlagungsjahr_; }

 private:
  std::map<std::string, std::unique_ptr<IFormatDefinition>> definitionen_;
  bool wirtschaftsjahr_;
  int veranlagungsjahr_;
};

}  // namespace zudadavizu_20_0
