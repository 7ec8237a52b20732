#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

// Definitions that know only Land abbreviations; everything else is not needed here.
class NurKuerzel : public IDefdatenSteuernummer {
 public:
  explicit NurKuerzel(std::set<std::string> kuerzel) : kuerzel_(std::move(kuerzel)) {}
  const IFormatierung& getFormatierung(int) override { throw std::logic_error("nicht benutzt"); }
  bool existiertFinanzamt(int) override { throw std::logic_error("nicht benutzt"); }
  const IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(int, int,
                                                                             int) override {
    throw std::logic_error("nicht benutzt");
  }
  const IFinanzamtAdresse& getFinanzamtAdresse(int) override {
    throw std::logic_error("nicht benutzt");
  }
  std::string getBundeslandKuerzel(int) override { throw std::logic_error("nicht benutzt"); }
  const std::vector<std::pair<std::string, std::string>>& getNegativmuster(int) override {
    throw std::logic_error("nicht benutzt");
  }
  bool istBundeslandKuerzel(const std::string& kuerzel) override {
    gefragt.push_back(kuerzel);
    return kuerzel_.count(kuerzel) > 0;
  }
  std::vector<std::string> gefragt;

 private:
  std::set<std::string> kuerzel_;
};

TEST(LaenderkuerzelVerifier, WithoutDefinitionsEverythingPasses) {
  IFeldtypVordefiniert& verifier = laenderkuerzelVerifier();
  for (const char* wert : {"BY", "XX", "", "irgendwas"})
    EXPECT_EQ(0, verifier.verify(wert, nullptr)) << wert;
}

TEST(LaenderkuerzelVerifier, WithDefinitionsTheirAnswerDecides) {
  NurKuerzel defdaten({"BY", "NW"});
  IFeldtypVordefiniert& verifier = laenderkuerzelVerifier();
  EXPECT_EQ(0, verifier.verify("BY", &defdaten));
  EXPECT_EQ(0, verifier.verify("NW", &defdaten));
  EXPECT_EQ(801, verifier.verify("by", &defdaten));
  EXPECT_EQ(801, verifier.verify("XX", &defdaten));
  EXPECT_EQ(801, verifier.verify("", &defdaten));
  // The value is handed over unchanged, without trimming or case folding.
  EXPECT_EQ((std::vector<std::string>{"BY", "NW", "by", "XX", ""}), defdaten.gefragt);
}

}  // namespace
}  // namespace zudadavizu_20_0
