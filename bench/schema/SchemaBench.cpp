// Validation of a typical 3 KB transfer document: whole calls through the loaded
// module and through the library, and a call whose document ends right after its
// declaration, which costs the reader set-up and the schema compilation only.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"

#ifdef DV_MIT_MODUL
#include "cli/ModulLader.h"
#endif

namespace {

std::string typischesDokument() {
  std::ifstream datei(DV_SAMPLES_DIR "/gueltig_zwei_bloecke.xml", std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

void validiere(benchmark::State& state, const std::string& dokument, int erwartet) {
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

void BM_ValidateBibliothek(benchmark::State& state) { validiere(state, typischesDokument(), 0); }
BENCHMARK(BM_ValidateBibliothek)->Unit(benchmark::kMillisecond);

void BM_NurSchemasLaden(benchmark::State& state) {
  validiere(state, "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>", 610301006);
}
BENCHMARK(BM_NurSchemasLaden)->Unit(benchmark::kMillisecond);

#ifdef DV_MIT_MODUL
void BM_ValidateModul(benchmark::State& state) {
  dvhost::ModulLader modul(dvhost::standardModulPfad());
  modul.initialisiere();
  auto dienst = modul.schemaValidationService();
  dvhost::TextEingabe eingabe(typischesDokument());
  for (auto _ : state) {
    if (dienst->validate(eingabe) != 0) state.SkipWithError("document not valid");
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(eingabe.getXml().size()));
}
BENCHMARK(BM_ValidateModul)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
