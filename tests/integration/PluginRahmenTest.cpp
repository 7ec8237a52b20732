// The plug-in frame as a host sees it: through dlopen and the host interfaces only. Expected
// values: the host's published registration sequence, kind codes and version strings.
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using namespace vesk::plugin2;
using PluginRahmen = ModulTest;

TEST_F(PluginRahmen, TypenRegistrierungUndVersionen) {
  std::list<int> typen = {7, 2, 9};
  reinterpret_cast<GetTypesFn>(modul().symbol("vesk_plugin_get_types"))(typen);
  EXPECT_EQ(typen, (std::list<int>{7, 2, 9, 2}));
  auto initialisiere = reinterpret_cast<InitializeFn>(modul().symbol("vesk_plugin2_initialize"));
  for (bool antwort : {true, false}) {  // the host's answers change nothing
    dvhost::AufzeichnenderRegistrar registrar(antwort);
    EXPECT_TRUE(initialisiere(&registrar));
    const dvhost::Registrierung& r = registrar.registrierung();
    EXPECT_EQ(r.aufrufe, (std::vector<std::string>{"version", "service", "service", "service"}));
    EXPECT_EQ(r.produktVersion + "|" + r.dateiVersion + "|" + r.versionsText,
              "21, 5, 4, 0|2015, 3, 15, 0|21.0.0.0");
    std::string dienste;
    for (const auto& d : r.dienste) {
      dienste += std::to_string(d.art) + " " + d.fabrikName + " " + d.muster + d.zusatz + "|";
    }
    EXPECT_EQ(dienste,
              "3 vesk_plugin_get_finanzamts_daten_service .*|5 vesk_plugin_get_fehlertext_service "
              ".*|6 vesk_plugin_get_schema_validation_service .*|");
  }
  char datei[15], produkt[12];  // the sizes the host provides
  auto version = [&](const char* name, char* puffer) {
    EXPECT_EQ(reinterpret_cast<VersionFn>(modul().symbol(name))(puffer), puffer);
    return std::string(puffer);
  };
  EXPECT_EQ(version("getVeskSharedLibFileversion", datei), "2015, 3, 15, 0");
  EXPECT_EQ(version("getVeskSharedLibProductversion", produkt), "21, 5, 4, 0");
}

// Each service hands back its context at both positions and destroys it exactly once, with
// itself; a null context is legal. The schema service asks its context whether it is available.
TEST_F(PluginRahmen, KontextUndVerfuegbarkeit) {
  int zerstoert = 0;
  {
    auto* k1 = new ZaehlenderKontext(zerstoert, false);
    auto* k2 = new ZaehlenderKontext(zerstoert, false);
    auto texte = modul().fehlertextService(nullptr, k1);
    auto fa = modul().finanzamtsdatenService(nullptr, k2);
    auto schema = modul().schemaValidationService(nullptr, new ZaehlenderKontext(zerstoert, false));
    EXPECT_EQ(texte->getContext(), k1);
    EXPECT_EQ(static_cast<const iface::IFinanzamtsdatenService&>(*fa).getContext(), k2);
    EXPECT_TRUE(texte->isAvailable() && fa->isAvailable());
    EXPECT_FALSE(schema->isAvailable());
    EXPECT_TRUE(
        modul().schemaValidationService(nullptr, new ZaehlenderKontext(zerstoert))->isAvailable());
    EXPECT_EQ(zerstoert, 1);
    modul().fehlertextService().reset();  // no context: nothing to destroy
  }
  EXPECT_EQ(zerstoert, 4);
}

}  // namespace
}  // namespace dvtest
