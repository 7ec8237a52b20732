// The plug-in frame as a host sees it: through dlopen and the host interfaces only.
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using namespace vesk::plugin2;
using dvhost::AufzeichnenderRegistrar;

class PluginFrame : public ModulTest {
 protected:
  template <class Fn>
  Fn exportiert(const char* name) {
    return reinterpret_cast<Fn>(modul().symbol(name));
  }
};

TEST_F(PluginFrame, GetTypesHaengtTyp2AnOhneVorhandeneEintraegeZuAendern) {
  std::list<int> typen = {7, 2, 9};
  exportiert<GetTypesFn>("vesk_plugin_get_types")(typen);
  EXPECT_EQ(typen, (std::list<int>{7, 2, 9, 2}));
}

TEST_F(PluginFrame, InitialisierungRegistriertInFesterReihenfolge) {
  for (bool antwort : {true, false}) {
    SCOPED_TRACE(antwort);
    AufzeichnenderRegistrar registrar(antwort);
    EXPECT_TRUE(exportiert<InitializeFn>("vesk_plugin2_initialize")(&registrar));
    const auto& r = registrar.registrierung();
    EXPECT_EQ(r.aufrufe, (std::vector<std::string>{"version", "service", "service", "service"}));
    EXPECT_EQ(r.produktVersion, "21, 5, 4, 0");
    EXPECT_EQ(r.dateiVersion, "2015, 3, 15, 0");
    EXPECT_EQ(r.versionsText, "21.0.0.0");
    ASSERT_EQ(r.dienste.size(), 3u);
    const std::pair<int, const char*> kErwartet[] = {
        {3, "vesk_plugin_get_finanzamts_daten_service"},
        {5, "vesk_plugin_get_fehlertext_service"},
        {6, "vesk_plugin_get_schema_validation_service"}};
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(r.dienste[i].art, kErwartet[i].first);
      EXPECT_EQ(r.dienste[i].fabrikName, kErwartet[i].second);
      EXPECT_EQ(r.dienste[i].muster, ".*");
      EXPECT_EQ(r.dienste[i].zusatz, "");
      // The registered name is the export the host will look up.
      EXPECT_NO_THROW(modul().symbol(r.dienste[i].fabrikName));
    }
  }
}

TEST_F(PluginFrame, VersionsExporteSchreibenInDenPuffer) {
  char datei[15];
  char produkt[12];
  EXPECT_EQ(exportiert<VersionFn>("getVeskSharedLibFileversion")(datei), datei);
  EXPECT_STREQ(datei, "2015, 3, 15, 0");
  EXPECT_EQ(exportiert<VersionFn>("getVeskSharedLibProductversion")(produkt), produkt);
  EXPECT_STREQ(produkt, "21, 5, 4, 0");
}

// Each service owns its context: destroyed exactly once, with the service.
TEST_F(PluginFrame, DienstZerstoertSeinenKontextGenauEinmal) {
  int zerstoert = 0;
  modul().fehlertextService(nullptr, new ZaehlenderKontext(zerstoert)).reset();
  EXPECT_EQ(zerstoert, 1);
  modul().finanzamtsdatenService(nullptr, new ZaehlenderKontext(zerstoert)).reset();
  EXPECT_EQ(zerstoert, 2);
  modul().schemaValidationService(nullptr, new ZaehlenderKontext(zerstoert)).reset();
  EXPECT_EQ(zerstoert, 3);
  // A null context is legal and destroys nothing.
  modul().fehlertextService().reset();
  modul().finanzamtsdatenService().reset();
  modul().schemaValidationService().reset();
  EXPECT_EQ(zerstoert, 3);
}

TEST_F(PluginFrame, GetContextAnBeidenPositionen) {
  int zerstoert = 0;
  auto* kontext = new ZaehlenderKontext(zerstoert);
  auto fehlertexte = modul().fehlertextService(nullptr, kontext);
  const iface::IFehlertextService& alsConst = *fehlertexte;
  EXPECT_EQ(fehlertexte->getContext(), kontext);
  EXPECT_EQ(alsConst.getContext(), kontext);

  auto* kontext2 = new ZaehlenderKontext(zerstoert);
  auto finanzamt = modul().finanzamtsdatenService(nullptr, kontext2);
  EXPECT_EQ(finanzamt->getContext(), kontext2);
  EXPECT_EQ(static_cast<const iface::IFinanzamtsdatenService&>(*finanzamt).getContext(), kontext2);
}

TEST_F(PluginFrame, VerfuegbarkeitDerDienste) {
  int zerstoert = 0;
  EXPECT_TRUE(modul().fehlertextService()->isAvailable());
  EXPECT_TRUE(modul().finanzamtsdatenService()->isAvailable());
  // The schema service asks its context.
  EXPECT_TRUE(modul().schemaValidationService(nullptr, new ZaehlenderKontext(zerstoert, true))
                  ->isAvailable());
  EXPECT_FALSE(modul().schemaValidationService(nullptr, new ZaehlenderKontext(zerstoert, false))
                   ->isAvailable());
}

}  // namespace
}  // namespace dvtest
