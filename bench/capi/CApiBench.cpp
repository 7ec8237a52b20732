// The C library's checks beside the loaded module's own, in one run: the library converts
// UTF-8 at its edge and takes the dispatcher's lean path, as the module does.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "bench/ModulDienst.h"
#include "dividevira/dividevira.h"

namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

Dienst& dienst() { return dvbench::geladenerDienst(); }

void Modul_pruefeIBAN(benchmark::State& state, std::string wert) {
  Dienst& d = dienst();
  for (auto _ : state) benchmark::DoNotOptimize(d.pruefeIBAN(wert));
}
BENCHMARK_CAPTURE(Modul_pruefeIBAN, gueltig, std::string("DE89370400440532013000"));
BENCHMARK_CAPTURE(Modul_pruefeIBAN, pruefziffer, std::string("DE89370400440532013001"));

void dv_pruefe_(benchmark::State& state, const char* typ, const char* wert) {
  const std::size_t laenge = std::strlen(wert);
  for (auto _ : state) benchmark::DoNotOptimize(dv_pruefe(typ, wert, laenge));
}
BENCHMARK_CAPTURE(dv_pruefe_, IBAN_gueltig, "IBAN", "DE89370400440532013000");
BENCHMARK_CAPTURE(dv_pruefe_, IBAN_pruefziffer, "IBAN", "DE89370400440532013001");
BENCHMARK_CAPTURE(dv_pruefe_, IDNr, "IDNr", "86095742719");
BENCHMARK_CAPTURE(dv_pruefe_, Steuernummer, "Steuernummer", "1127012345673");
BENCHMARK_CAPTURE(dv_pruefe_, UStIdNr, "UStIdNr", "DE136695976");

void dv_steuernummer_land_(benchmark::State& state) {
  char ziel[64];
  for (auto _ : state) {
    benchmark::DoNotOptimize(dv_steuernummer_land("1127012345673", 13, ziel, sizeof ziel));
  }
}
BENCHMARK(dv_steuernummer_land_);

void dv_finanzamt_(benchmark::State& state) {
  const char* felder[DV_FINANZAMT_FELDANZAHL];
  for (auto _ : state) benchmark::DoNotOptimize(dv_finanzamt(2801, felder));
}
BENCHMARK(dv_finanzamt_);

}  // namespace
