// Per-call cost of the directory operations, through the loaded module.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "cli/ModulLader.h"

namespace {

using vesk::plugin2::iface::IFinanzamtsdaten;

// Host record as a host would keep it: one string per field.
class Datensatz : public IFinanzamtsdaten {
 public:
  const std::string& getBuFaNummer() const override { return BuFaNummer_; }
  void setBuFaNummer(const std::string& w) override { BuFaNummer_ = w; }
  bool getKennzeichenA() const override { return true; }
  void setKennzeichenA(bool) override {}
  bool getKennzeichenB() const override { return false; }
  void setKennzeichenB(bool) override {}
#define DV_FELD(feld)                                               \
  const std::string& get##feld() const override { return feld##_; } \
  void set##feld(const std::string& w) override { feld##_ = w; }
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD)
#undef DV_FELD

 private:
  std::string BuFaNummer_;
#define DV_MEMBER(feld) std::string feld##_;
  VESK_FINANZAMTSDATEN_FELDER(DV_MEMBER)
#undef DV_MEMBER
};

struct Modul {
  Modul() : lader(dvhost::standardModulPfad()) {
    lader.initialisiere();
    dienst = lader.finanzamtsdatenService();
  }
  dvhost::ModulLader lader;
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst;
};

Modul& modul() {
  static Modul m;
  return m;
}

// The largest list: 79 offices of Baden-Württemberg.
void BM_HoleFinanzaemter_Land28(benchmark::State& state) {
  auto& dienst = *modul().dienst;
  std::string xml;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dienst.holeFinanzaemter("28", xml));
    benchmark::DoNotOptimize(xml.data());
  }
  state.counters["Bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(BM_HoleFinanzaemter_Land28);

void BM_HoleTestfinanzaemter(benchmark::State& state) {
  auto& dienst = *modul().dienst;
  std::string xml;
  for (auto _ : state) benchmark::DoNotOptimize(dienst.holeTestfinanzaemter(xml));
}
BENCHMARK(BM_HoleTestfinanzaemter);

// First and last record of the table: the scan runs over all 622 for the last.
void BM_HoleFinanzamtsdaten(benchmark::State& state) {
  auto& dienst = *modul().dienst;
  const std::string nummer = std::to_string(state.range(0));
  Datensatz daten;
  for (auto _ : state) benchmark::DoNotOptimize(dienst.holeFinanzamtsdaten(nummer, daten, false));
}
BENCHMARK(BM_HoleFinanzamtsdaten)->Arg(1010)->Arg(9259);

void BM_PruefeFinanzamtNummer(benchmark::State& state) {
  auto& dienst = *modul().dienst;
  for (auto _ : state) benchmark::DoNotOptimize(dienst.pruefeFinanzamtNummer("9181"));
}
BENCHMARK(BM_PruefeFinanzamtNummer);

}  // namespace
