// verify of valid 13-digit tax numbers of every Land, through DefdatenSteuernummerImpl over
// the service, as the service's own check does it.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/SteuernummerTabellen.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "taxofficeservice/FinanzamtsdatenService.h"
#include "verifiers/Verifiers.h"

namespace {

using vesk::wex2::DefdatenSteuernummerImpl;

int erstesAmt(int land) {
  if (const auto* liste = vesk::divideVira::holeFinanzamtListe(land)) return liste->nummer;
  return land * 100;  // 5400, 5500, 5600: test offices
}

std::string mitNullen(int zahl, int stellen) {
  const std::string text = std::to_string(zahl);
  return std::string(static_cast<std::size_t>(stellen) - text.size(), '0') + text;
}

// One valid number per Land: district 123, the first distinguishing number from 101 on
// that admits a check digit, and the digit that verify accepts.
std::vector<std::string> gueltigeNummern(DefdatenSteuernummerImpl& defdaten) {
  auto& verifier = zudadavizu_20_0::verifierFuer("Steuernummer");
  std::vector<std::string> nummern;
  for (const auto& zeile : vesk::divideVira::STEUERNUMMER_FORMATE) {
    const std::string anfang =
        std::to_string(erstesAmt(zeile.landNummer)) + "0" + mitNullen(123, zeile.stellenBezirk);
    const std::size_t vorher = nummern.size();
    for (int u = 101; u < 200 && nummern.size() == vorher; ++u) {
      for (char c = '0'; c <= '9'; ++c) {
        const std::string nummer = anfang + mitNullen(u, zeile.stellenUnterscheidungsnummer) + c;
        if (verifier.verify(nummer, &defdaten) == 0) {
          nummern.push_back(nummer);
          break;
        }
      }
    }
    if (nummern.size() == vorher) {
      throw std::logic_error("no valid number for " + std::to_string(zeile.landNummer));
    }
  }
  return nummern;
}

void BM_VerifyJedesLand(benchmark::State& state) {
  const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> service(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  DefdatenSteuernummerImpl defdaten(service.get());
  auto& verifier = zudadavizu_20_0::verifierFuer("Steuernummer");
  const std::vector<std::string> nummern = gueltigeNummern(defdaten);
  std::size_t i = 0;
  for (auto _ : state) {
    int code = verifier.verify(nummern[i], &defdaten);
    benchmark::DoNotOptimize(code);
    if (code != 0) state.SkipWithError("a valid number failed");
    i = i + 1 == nummern.size() ? 0 : i + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VerifyJedesLand);

// A fresh DefdatenSteuernummerImpl per check, as each service call makes one.
void BM_VerifyJedesLandNeueDefdaten(benchmark::State& state) {
  const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> service(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  auto& verifier = zudadavizu_20_0::verifierFuer("Steuernummer");
  DefdatenSteuernummerImpl vorbereitung(service.get());
  const std::vector<std::string> nummern = gueltigeNummern(vorbereitung);
  std::size_t i = 0;
  for (auto _ : state) {
    DefdatenSteuernummerImpl defdaten(service.get());
    int code = verifier.verify(nummern[i], &defdaten);
    benchmark::DoNotOptimize(code);
    i = i + 1 == nummern.size() ? 0 : i + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_VerifyJedesLandNeueDefdaten);

// 13 digits to the Land notation and back, each Land in turn.
void BM_KonvertierungJedesLand(benchmark::State& state) {
  const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> service(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  DefdatenSteuernummerImpl defdaten(service.get());
  auto& verifier = zudadavizu_20_0::verifierFuer("Steuernummer");
  const std::vector<std::string> nummern = gueltigeNummern(defdaten);
  const bool rueckwaerts = state.range(0) == 1;
  std::vector<std::string> eingaben;
  for (const std::string& nummer : nummern) {
    eingaben.push_back(rueckwaerts ? nummer : verifier.convertBack(nummer, &defdaten).first);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    auto ergebnis = rueckwaerts ? verifier.convertBack(eingaben[i], &defdaten)
                                : verifier.convert(eingaben[i], &defdaten);
    benchmark::DoNotOptimize(ergebnis);
    if (!ergebnis.second.empty()) state.SkipWithError("a conversion failed");
    i = i + 1 == eingaben.size() ? 0 : i + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KonvertierungJedesLand)->ArgName("convertBack")->Arg(0)->Arg(1);

}  // namespace
