// VAT checks per country through the dispatcher, on valid numbers and on numbers that fail
// only at the check.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "verifiers/FeldtypRegistry.h"
#include "verifiers/Verifiers.h"

namespace {

struct Land {
  const char* kuerzel;
  std::vector<std::string> gueltig;
  std::vector<std::string> ungueltig;  // the valid ones with a wrong last character
};

// Published sample numbers; several per country where the rule has more than one path.
const std::vector<Land>& laender() {
  static const std::vector<Land> liste = {
      {"AT", {"ATU13585627", "ATU10223006"}, {"ATU13585628", "ATU10223007"}},
      {"BE", {"BE0776091951", "BE0428759497"}, {"BE0776091952", "BE0428759498"}},
      {"BG",
       {"BG175074752", "BG7523169263", "BG8032056031"},
       {"BG175074753", "BG7523169264", "BG8032056032"}},
      {"CY", {"CY10259033P", "CY00532445O"}, {"CY10259033Q", "CY00532445P"}},
      {"CZ",
       {"CZ25123891", "CZ7103192745", "CZ640903926"},
       {"CZ25123892", "CZ7103192746", "CZ640903927"}},
      {"DE", {"DE136695976"}, {"DE136695977"}},
      {"DK", {"DK13585628", "DK88146328"}, {"DK13585629", "DK88146329"}},
      {"EE", {"EE100931558", "EE100594102"}, {"EE100931559", "EE100594103"}},
      {"EL", {"EL094259216"}, {"EL094259217"}},
      {"ES",
       {"ESA13585625", "ESX2482300W", "ES54362315K", "ESM1234567L"},
       {"ESA13585626", "ESX2482300X", "ES54362315L", "ESM1234567M"}},
      {"FI", {"FI20774740", "FI09853608"}, {"FI20774741", "FI09853609"}},
      {"FR",
       {"FR40303265045", "FRK7399859412", "FR4Z123456782"},
       {"FR40303265046", "FRK7399859413", "FR4Z123456783"}},
      {"GB",
       {"GB980780684", "GB802311782", "GBGD001", "GBHA500"},
       {"GB980780685", "GB802311783", "GBGD501", "GBHA499"}},
      {"HR", {"HR33392005961"}, {"HR33392005962"}},
      {"HU", {"HU12892312", "HU21376414"}, {"HU12892313", "HU21376415"}},
      {"IE", {"IE6433435F"}, {"IE6433435G"}},
      {"IT", {"IT00743110157", "IT01114601006"}, {"IT00743110158", "IT01114601007"}},
      {"LT", {"LT119511515", "LT100001919017"}, {"LT119511516", "LT100001919018"}},
      {"LU", {"LU15027442"}, {"LU15027443"}},
      {"LV", {"LV40003521600", "LV16117519997"}, {"LV40003521601", "LV16137519997"}},
      {"MT", {"MT11679112", "MT15121333"}, {"MT11679113", "MT15121334"}},
      {"NL", {"NL004495445B01", "NL123456782B90"}, {"NL004495446B01", "NL123456783B90"}},
      {"PL", {"PL8567346215", "PL5260001246"}, {"PL8567346216", "PL5260001247"}},
      {"PT", {"PT501964843", "PT502757191"}, {"PT501964844", "PT502757192"}},
      {"RO", {"RO18547290", "RO11198699"}, {"RO18547291", "RO11198690"}},
      {"SE", {"SE123456789701", "SE556188840401"}, {"SE123456789801", "SE556188840501"}},
      {"SI", {"SI50223054", "SI15012557"}, {"SI50223055", "SI15012558"}},
      {"SK", {"SK2022749619", "SK4030000007"}, {"SK2022749610", "SK4030000008"}},
  };
  return liste;
}

void pruefe(benchmark::State& state, const std::vector<std::string>& werte, bool gueltig) {
  auto& verifier = zudadavizu_20_0::verifierFuer("UStIdNr");
  for (const auto& wert : werte) {
    if ((verifier.verify(wert, nullptr) == 0) != gueltig) {
      state.SkipWithError(("unerwartetes Ergebnis für " + wert).c_str());
      return;
    }
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zudadavizu_20_0::FeldtypRegistry(zudadavizu_20_0::Feldtyp::kUStIdNr)
                                 .pruefeOhneMeldung(werte[i], nullptr));
    if (++i == werte.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

const bool registriert = [] {
  for (const Land& land : laender()) {
    benchmark::RegisterBenchmark((std::string("UStIdNr/gueltig/") + land.kuerzel).c_str(),
                                 [&land](benchmark::State& s) { pruefe(s, land.gueltig, true); });
    benchmark::RegisterBenchmark(
        (std::string("UStIdNr/ungueltig/") + land.kuerzel).c_str(),
        [&land](benchmark::State& s) { pruefe(s, land.ungueltig, false); });
  }
  return true;
}();

}  // namespace
