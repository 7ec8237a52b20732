// Validation of a typical 3 KB transfer document through the library, with the grammar
// shared and compiled anew per call, and a call whose document ends right after its
// declaration, which costs the reader set-up (and the compilation) only. Through the loaded
// module: the first call of a process, which compiles the grammar, then the 3 KB document on
// one and two threads and a 10 MB document.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"

#ifdef DV_MIT_MODUL
#include <dlfcn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "bench/memory/GrossesDokument.h"
#include "cli/ModulLader.h"
#endif

#include "errortexts/Hostcodes.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace {

using PLUGIN_NAMESPACE::Kompilierung;

std::string muster(const std::string& name) {
  std::ifstream datei(DV_SAMPLES_DIR "/" + name, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

std::string typischesDokument() { return muster("gueltig_zwei_bloecke.xml"); }

void validiere(benchmark::State& state, const std::string& dokument, int erwartet,
               Kompilierung kompilierung) {
  PLUGIN_NAMESPACE::GrammatikSpeicher grammatik(PLUGIN_NAMESPACE::kRootSchemaSystemId);
  for (auto _ : state) {
    const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
    const int code = PLUGIN_NAMESPACE::validateXml(dokument.data(), dokument.size(), grammatik,
                                                   *resolver, nullptr, kompilierung);
    if (code != erwartet) state.SkipWithError("unexpected result code");
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(dokument.size()));
}

const char kNurDeklaration[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>";

void BM_ValidateBibliothek(benchmark::State& state) {
  validiere(state, typischesDokument(), 0, Kompilierung::kEinmal);
}
BENCHMARK(BM_ValidateBibliothek)->Unit(benchmark::kMicrosecond);

void BM_NurLeser(benchmark::State& state) {
  validiere(state, kNurDeklaration, hostcode::kXmlNichtWohlgeformt, Kompilierung::kEinmal);
}
BENCHMARK(BM_NurLeser)->Unit(benchmark::kMicrosecond);

void BM_ValidateJeAufrufKompiliert(benchmark::State& state) {
  validiere(state, typischesDokument(), 0, Kompilierung::kJeAufruf);
}
BENCHMARK(BM_ValidateJeAufrufKompiliert)->Unit(benchmark::kMillisecond);

void BM_NurSchemasKompilieren(benchmark::State& state) {
  validiere(state, kNurDeklaration, hostcode::kXmlNichtWohlgeformt, Kompilierung::kJeAufruf);
}
BENCHMARK(BM_NurSchemasKompilieren)->Unit(benchmark::kMillisecond);

#ifdef DV_MIT_MODUL
double cpuSekunden() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Each iteration forks a child that loads the module and times its first validation (CPU
// time of the calling thread: parser set-up and grammar compilation included). The child
// must not inherit a compiled grammar, so this runs only while the process has not loaded
// the module yet: first in the binary, or alone.
void BM_ErsterAufrufModul(benchmark::State& state) {
  const std::string pfad = dvhost::standardModulPfad();
  if (dlopen(pfad.c_str(), RTLD_LAZY | RTLD_NOLOAD) != nullptr) {
    state.SkipWithError("module already loaded: run this benchmark first or alone");
    return;
  }
  const std::string dokument = typischesDokument();
  for (auto _ : state) {
    int rohr[2];
    if (pipe(rohr) != 0) return state.SkipWithError("pipe");
    if (fork() == 0) {
      dvhost::ModulLader modul(pfad);
      modul.initialisiere();
      auto dienst = modul.schemaValidationService();
      dvhost::TextEingabe eingabe(dokument);
      const double start = cpuSekunden();
      double sekunden = dienst->validate(eingabe) == 0 ? cpuSekunden() - start : -1;
      (void)!write(rohr[1], &sekunden, sizeof sekunden);
      _exit(0);
    }
    double sekunden = -1;
    (void)!read(rohr[0], &sekunden, sizeof sekunden);
    close(rohr[0]);
    close(rohr[1]);
    wait(nullptr);
    if (sekunden < 0) return state.SkipWithError("first call failed");
    state.SetIterationTime(sekunden);
  }
}
BENCHMARK(BM_ErsterAufrufModul)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

const dvhost::ModulLader& geladenesModul() {
  static const auto modul = [] {
    auto lader = std::make_unique<dvhost::ModulLader>(dvhost::standardModulPfad());
    lader->initialisiere();
    return lader;
  }();
  return *modul;
}

// Every thread uses a service of its own, as separate host sessions would. With two threads
// the CPU time is summed over both, so calls per CPU second fall only by what the threads
// cost each other.
void validiereModul(benchmark::State& state, const std::string& dokument) {
  auto dienst = geladenesModul().schemaValidationService();
  dvhost::TextEingabe eingabe(dokument);
  if (dienst->validate(eingabe) != 0) return state.SkipWithError("document not valid");
  for (auto _ : state) {
    if (dienst->validate(eingabe) != 0) state.SkipWithError("document not valid");
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(dokument.size()));
}

void BM_ValidateModul(benchmark::State& state) { validiereModul(state, typischesDokument()); }
BENCHMARK(BM_ValidateModul)->Threads(1)->Threads(2)->Unit(benchmark::kMicrosecond);

void BM_Validate10MBModul(benchmark::State& state) {
  validiereModul(state, dvbench::vergroessert(muster("gueltig_est.xml"), 10u << 20));
}
BENCHMARK(BM_Validate10MBModul)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
