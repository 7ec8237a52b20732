// The rules framework's per-call costs: the set-up a service builds for every check (display
// settings, context objects), recording a message, and the date checks.
#include <benchmark/benchmark.h>

#include <string>

#include "rules/Darstellung.h"
#include "rules/DatenImpl.h"
#include "rules/Datumspruefung.h"
#include "rules/ErgebnisFacade.h"
#include "rules/Fehlermeldung.h"
#include "rules/FormatDefinitionDatumBereich.h"
#include "rules/IRegelmenge.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/RulesExceptions.h"
#include "rules/UtilFehlerLookup.h"

namespace zudadavizu_20_0 {
namespace {

class KeineRegeln : public IRegelmenge {
 public:
  const IFormatDefinition& getFormatDefinition(const std::string& feld) const override {
    throw FeldInRegelMengeNichtDefiniertException(feld, "", "", "");
  }
  bool pruefeWirtschaftsjahr() const override { return true; }
  int getVeranlagungsjahr() const override { return 2015; }
};

void BM_LeereDarstellung(benchmark::State& state) {
  const Darstellungsinformation info;
  for (auto _ : state) {
    Darstellung darstellung(',', info, 2099);
    benchmark::DoNotOptimize(darstellung);
  }
}
BENCHMARK(BM_LeereDarstellung);

// One failing check as a service runs it: fresh context objects, lookup, message, entry.
void BM_MeldeFehler(benchmark::State& state) {
  const Darstellung darstellung(',', Darstellungsinformation(), 2099);
  const UtilFehlerLookup lookup;
  for (auto _ : state) {
    IdentifierImpl identifier("unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER);
    DatenImpl daten;
    ErgebnisFacade ergebnis;
    LoggerUtilImpl util;
    ValidationLogger logger(util);
    Pruefkontext kontext;
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &darstellung;
    kontext.logger = &logger;
    kontext.daten = &daten;
    const std::string vorlage = feldtypTexte("ungueltigeIBAN", 604, kontext);
    benchmark::DoNotOptimize(meldeFehler("ungueltigeIBAN", vorlage, kontext));
    benchmark::DoNotOptimize(lookup.getFeldtypText("ungueltigeIBAN", 604));
  }
}
BENCHMARK(BM_MeldeFehler);

void BM_IstGueltigesDatum(benchmark::State& state) {
  const std::string wert = "29.02.2016";
  const std::string muster = "dd.MM.yyyy";
  for (auto _ : state) benchmark::DoNotOptimize(istGueltigesDatum(wert, muster));
}
BENCHMARK(BM_IstGueltigesDatum);

// A valid value records nothing; arg 1: with display settings (reordered, zeros optional).
void BM_DatumPruefeWert(benchmark::State& state) {
  Darstellungsinformation info;
  if (state.range(0) == 1) {
    info.setze("DatumTrenner", "", "-");
    info.setze("DatumBereichTrenner", "", "~");
    info.setze("DatumReihenfolge", "", "JMT");
    info.setze("DatumNullenOptional", "", "j");
  }
  const Darstellung darstellung(',', info, 2099);
  const FormatDefinitionDatum datum("TT.MM.JJJJ", true, BEKANNT);
  const KeineRegeln regeln;
  Pruefkontext kontext;
  kontext.darstellung = &darstellung;
  kontext.wert = state.range(0) == 1 ? "2016-2-29" : "29.02.2016";
  for (auto _ : state) benchmark::DoNotOptimize(datum.pruefeWert(kontext, regeln));
}
BENCHMARK(BM_DatumPruefeWert)->Arg(0)->Arg(1);

void BM_WirtschaftsjahrPruefeWert(benchmark::State& state) {
  const Darstellung darstellung(',', Darstellungsinformation(), 2099);
  const FormatDefinitionDatumBereich jahre("yyyy", false, '-');
  const KeineRegeln regeln;
  Pruefkontext kontext;
  kontext.darstellung = &darstellung;
  kontext.wert = "2015-2016";
  for (auto _ : state) benchmark::DoNotOptimize(jahre.pruefeWert(kontext, regeln));
}
BENCHMARK(BM_WirtschaftsjahrPruefeWert);

}  // namespace
}  // namespace zudadavizu_20_0
