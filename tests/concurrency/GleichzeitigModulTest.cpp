// Eight threads use the loaded module from its very first call on, as a host may: half of
// them share one set of services without a logger, the other half create their own set
// with a logger. Every answer must equal that of a single-threaded run. Under
// ThreadSanitizer (./dv test --tsan) any unsynchronised access on these paths fails it too.
//
// The only test of its binary: the process must not have used the module before.
#include <algorithm>
#include <memory>

#include "concurrency/ModulAufgaben.h"

namespace dvtest {
namespace {

constexpr std::size_t kThreads = 8;

struct EigeneDienste {
  explicit EigeneDienste(const dvhost::ModulLader& modul, SammelnderLogger* logger)
      : texte(modul.fehlertextService(logger)),
        finanzamt(modul.finanzamtsdatenService(logger)),
        schema(modul.schemaValidationService(logger)) {}
  Dienste mit(SammelnderLogger* logger) const { return {*texte, *finanzamt, *schema, logger}; }

  std::unique_ptr<vesk::plugin2::iface::IFehlertextService> texte;
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> finanzamt;
  std::unique_ptr<vesk::plugin2::iface::ISchemaValidationService> schema;
};

// Answer of the named task, for the plausibility checks of the reference.
const std::string& antwort(const std::vector<Aufgabe>& aufgaben,
                           const std::vector<std::string>& antworten, const std::string& name) {
  const auto it = std::find_if(aufgaben.begin(), aufgaben.end(),
                               [&](const Aufgabe& a) { return a.name == name; });
  static const std::string fehlt = "(keine solche Aufgabe)";
  return it == aufgaben.end() ? fehlt : antworten[static_cast<std::size_t>(it - aufgaben.begin())];
}

TEST(GleichzeitigeNutzung, AchtThreadsAbDemErstenAufruf) {
  const Material material = leseMaterial();
  ASSERT_GT(material.plausiNummern.size(), 13000u);
  ASSERT_GE(material.dokumente.size(), 2u);

  // Reference answers with and without a logger, from one thread in a child process.
  const std::vector<std::string> referenz = imKindprozess([&] {
    dvhost::ModulLader modul(dvhost::standardModulPfad());
    modul.initialisiere();
    SammelnderLogger logger;
    const EigeneDienste mitLogger(modul, &logger), ohneLogger(modul, nullptr);
    std::vector<std::string> alle = fuehreAus(modulAufgaben(mitLogger.mit(&logger), material));
    const std::vector<std::string> ohne =
        fuehreAus(modulAufgaben(ohneLogger.mit(nullptr), material));
    alle.insert(alle.end(), ohne.begin(), ohne.end());
    return alle;
  });

  dvhost::ModulLader modul(dvhost::standardModulPfad());
  modul.initialisiere();
  const EigeneDienste geteilt(modul, nullptr);
  const std::vector<Aufgabe> geteilteAufgaben = modulAufgaben(geteilt.mit(nullptr), material);
  const std::size_t n = geteilteAufgaben.size();
  ASSERT_EQ(referenz.size(), 2 * n);
  const std::vector<std::string> mitLog(referenz.begin(), referenz.begin() + n);
  const std::vector<std::string> ohneLog(referenz.begin() + n, referenz.end());

  // The reference is only worth comparing with when it is sound: answers known by hand.
  EXPECT_EQ(antwort(geteilteAufgaben, ohneLog, "validate gueltig_est.xml"), "0;");
  EXPECT_EQ(antwort(geteilteAufgaben, ohneLog, "validate ungueltig_schemafehler.xml"),
            "610301200;");
  EXPECT_NE(antwort(geteilteAufgaben, mitLog, "validate ungueltig_schemafehler.xml"),
            "610301200;");  // plus its log lines
  EXPECT_EQ(antwort(geteilteAufgaben, ohneLog, "holeFinanzaemter 5"), "610001404;vorher");
  EXPECT_EQ(antwort(geteilteAufgaben, ohneLog, "pruefeIdNummer").substr(0, 4), "0;0;");
  EXPECT_EQ(antwort(geteilteAufgaben, ohneLog, "pruefeIBAN").substr(0, 2), "0;");
  EXPECT_EQ(antwort(geteilteAufgaben, ohneLog, "getFehlertext").substr(0, 25),
            "Verarbeitung fehlerfrei.;");  // code 0

  std::vector<std::vector<std::string>> fehler(kThreads);
  laufeGleichzeitig(kThreads, [&](std::size_t t, Schranke& schranke) {
    const std::size_t versatz = t * n / kThreads;
    if (t % 2 == 0) {
      fehler[t] = abweichungen(geteilteAufgaben, ohneLog, schranke, versatz);
      return;
    }
    SammelnderLogger logger;
    const EigeneDienste eigene(modul, &logger);
    fehler[t] =
        abweichungen(modulAufgaben(eigene.mit(&logger), material), mitLog, schranke, versatz);
  });
  for (std::size_t t = 0; t < kThreads; ++t) {
    EXPECT_TRUE(fehler[t].empty()) << "Thread " << t << ": " << fehler[t].size()
                                   << " Abweichungen, zuerst " << fehler[t].front();
  }
}

}  // namespace
}  // namespace dvtest
