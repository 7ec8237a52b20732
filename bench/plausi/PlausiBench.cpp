// getPlausiFehlertext over random numbers, against the floor of copying the
// stored text into a std::string.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "errortexts/FehlertextEintrag.h"
#include "errortexts/FehlertextService.h"

namespace vesk::divideVira {
namespace {

constexpr std::size_t kAnzahl = 1 << 14;  // more numbers than the caches favour

const FehlertextEintrag* ende() { return PLAUSI_FEHLERTEXTE + PLAUSI_FEHLERTEXTE_ANZAHL; }

bool vorhanden(int nummer) {
  return std::any_of(PLAUSI_FEHLERTEXTE, ende(), [&](auto& e) { return e.code == nummer; });
}

// Random records; with nurZitate only those holding "&quote;".
std::vector<const FehlertextEintrag*> zufallsEintraege(bool nurZitate) {
  std::vector<const FehlertextEintrag*> auswahl;
  for (const FehlertextEintrag* e = PLAUSI_FEHLERTEXTE; e != ende(); ++e) {
    if (!nurZitate || std::strstr(e->text, "&quote;")) auswahl.push_back(e);
  }
  std::mt19937 zufall(42);
  std::uniform_int_distribution<std::size_t> index(0, auswahl.size() - 1);
  std::vector<const FehlertextEintrag*> ergebnis(kAnzahl);
  for (auto& e : ergebnis) e = auswahl[index(zufall)];
  return ergebnis;
}

// Random numbers over the whole code range (and a few negative) that are absent.
std::vector<int> fehlendeNummern() {
  std::mt19937 zufall(43);
  std::uniform_int_distribution<int> nummer(-100000, 8991000);
  std::vector<int> ergebnis;
  while (ergebnis.size() < kAnzahl) {
    int n = nummer(zufall);
    if (!vorhanden(n)) ergebnis.push_back(n);
  }
  return ergebnis;
}

std::unique_ptr<plugin2::iface::IFehlertextService> dienst() {
  return std::unique_ptr<plugin2::iface::IFehlertextService>(
      erzeugeFehlertextService(nullptr, nullptr));
}

void lookups(benchmark::State& state, const std::vector<int>& nummern) {
  auto d = dienst();
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = d->getPlausiFehlertext(nummern[i++ % kAnzahl]);
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(state.iterations());
}

std::vector<int> codes(const std::vector<const FehlertextEintrag*>& eintraege) {
  std::vector<int> c;
  for (auto* e : eintraege) c.push_back(e->code);
  return c;
}

void BM_PlausiVorhanden(benchmark::State& state) { lookups(state, codes(zufallsEintraege(false))); }
void BM_PlausiVorhandenMitZitat(benchmark::State& state) {
  lookups(state, codes(zufallsEintraege(true)));
}
void BM_PlausiFehlend(benchmark::State& state) { lookups(state, fehlendeNummern()); }

// The floor: a std::string made from the stored text of the same records.
void BM_StringAusGespeichertemText(benchmark::State& state) {
  auto eintraege = zufallsEintraege(false);
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text(eintraege[i++ % kAnzahl]->text);
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_PlausiVorhanden);
BENCHMARK(BM_PlausiVorhandenMitZitat);
BENCHMARK(BM_PlausiFehlend);
BENCHMARK(BM_StringAusGespeichertemText);

}  // namespace
}  // namespace vesk::divideVira
