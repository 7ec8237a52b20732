// The service's checks and conversions per call through the loaded module, each beside
// the bare verifier it ends in. Valid and invalid values are measured separately: an
// invalid one also looks up its message.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/ModulDienst.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxofficeservice/FinanzamtsdatenService.h"
#include "verifiers/IFeldtypVordefiniert.h"

namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

// Berlin 1127, weight row A: check digit 3 (see the module tests).
const std::string STEUERNUMMER = "1127012345673";
const std::string STEUERNUMMER_FALSCH = "1127012345674";

Dienst& dienst() { return dvbench::geladenerDienst(); }

void Modul_pruefeIBAN(benchmark::State& state, std::string wert) {
  Dienst& d = dienst();
  for (auto _ : state) benchmark::DoNotOptimize(d.pruefeIBAN(wert));
}
BENCHMARK_CAPTURE(Modul_pruefeIBAN, gueltig, std::string("DE89370400440532013000"));
BENCHMARK_CAPTURE(Modul_pruefeIBAN, pruefziffer, std::string("DE89370400440532013001"));
BENCHMARK_CAPTURE(Modul_pruefeIBAN, aufbau, std::string("DE89 3704 0044 0532 0130 00"));

void Modul_pruefeBIC(benchmark::State& state, std::string wert) {
  Dienst& d = dienst();
  for (auto _ : state) benchmark::DoNotOptimize(d.pruefeBIC(wert));
}
BENCHMARK_CAPTURE(Modul_pruefeBIC, gueltig, std::string("DEUTDEFF500"));
BENCHMARK_CAPTURE(Modul_pruefeBIC, land, std::string("DEUTUSFF500"));

void Modul_pruefeIdNummer(benchmark::State& state, std::string wert) {
  Dienst& d = dienst();
  for (auto _ : state) benchmark::DoNotOptimize(d.pruefeIdNummer(wert, false));
}
BENCHMARK_CAPTURE(Modul_pruefeIdNummer, gueltig, std::string("86095742719"));
BENCHMARK_CAPTURE(Modul_pruefeIdNummer, pruefziffer, std::string("86095742718"));
BENCHMARK_CAPTURE(Modul_pruefeIdNummer, testnummer, std::string("02345678901"));

void Modul_pruefeSteuernummer(benchmark::State& state, std::string wert) {
  Dienst& d = dienst();
  for (auto _ : state) benchmark::DoNotOptimize(d.pruefeSteuernummer(wert));
}
BENCHMARK_CAPTURE(Modul_pruefeSteuernummer, gueltig, STEUERNUMMER);
BENCHMARK_CAPTURE(Modul_pruefeSteuernummer, pruefziffer, STEUERNUMMER_FALSCH);

void Modul_formatiereSteuernummer(benchmark::State& state, std::string wert) {
  Dienst& d = dienst();
  std::string ausgabe;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.formatiereSteuernummer(wert, ausgabe));
    benchmark::DoNotOptimize(ausgabe.data());
  }
}
BENCHMARK_CAPTURE(Modul_formatiereSteuernummer, gueltig, STEUERNUMMER);
BENCHMARK_CAPTURE(Modul_formatiereSteuernummer, pruefziffer, STEUERNUMMER_FALSCH);

void Modul_erzeugeSteuernummer(benchmark::State& state, std::string wert, std::string land,
                               std::string amt) {
  Dienst& d = dienst();
  std::string ausgabe;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.erzeugeSteuernummer(wert, land, amt, ausgabe));
    benchmark::DoNotOptimize(ausgabe.data());
  }
}
BENCHMARK_CAPTURE(Modul_erzeugeSteuernummer, land, std::string("27/123/45673"), std::string("11"),
                  std::string());
BENCHMARK_CAPTURE(Modul_erzeugeSteuernummer, kurzform, std::string("123/45673"), std::string(),
                  std::string("1127"));
BENCHMARK_CAPTURE(Modul_erzeugeSteuernummer, pruefziffer, std::string("27/123/45674"),
                  std::string("11"), std::string());

// The verifiers alone, linked statically.
void Verifier(benchmark::State& state, const char* typ, std::string wert) {
  auto& verifier = zudadavizu_20_0::verifierFuer(typ);
  for (auto _ : state) benchmark::DoNotOptimize(verifier.verify(wert, nullptr));
}
BENCHMARK_CAPTURE(Verifier, IBAN, "IBAN", std::string("DE89370400440532013000"));
BENCHMARK_CAPTURE(Verifier, BIC, "BIC", std::string("DEUTDEFF500"));
BENCHMARK_CAPTURE(Verifier, IDNr, "IDNr", std::string("86095742719"));

void Verifier_Steuernummer(benchmark::State& state) {
  const std::unique_ptr<Dienst> service(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  auto& verifier = zudadavizu_20_0::verifierFuer("Steuernummer");
  for (auto _ : state) {
    vesk::wex2::DefdatenSteuernummerImpl defdaten(service.get());
    benchmark::DoNotOptimize(verifier.verify(STEUERNUMMER, &defdaten));
  }
}
BENCHMARK(Verifier_Steuernummer);

}  // namespace
