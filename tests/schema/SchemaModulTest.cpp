// The schema validation service through the loaded module, as a host uses it.
#include <fstream>
#include <sstream>
#include <thread>

#include "support/ModulTest.h"

namespace dvtest {
namespace {

using SchemaValidationService = ModulTest;

// Host input object holding the document.
class TextEingabe : public vesk::plugin2::iface::IServiceInput {
 public:
  explicit TextEingabe(std::string xml) : xml_(std::move(xml)) {}
  const std::string& getXml() override { return xml_; }

 private:
  std::string xml_;
};

std::string liesMuster(const std::string& name) {
  std::ifstream datei(DV_SAMPLES_DIR "/" + name, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

TEST_F(SchemaValidationService, MusterErgebenIhrenCode) {
  // Codes per failure class; the error text service knows each of them.
  const struct {
    const char* name;
    int code;
    std::size_t zeilen;
  } FAELLE[] = {
      {"gueltig_abholung.xml", 0, 0},
      {"gueltig_est.xml", 0, 0},
      {"gueltig_ustva.xml", 0, 0},
      {"gueltig_zwei_bloecke.xml", 0, 0},
      {"ungueltig_encoding_utf8.xml", 610301108, 1},
      {"ungueltig_ohne_praeambel.xml", 610301108, 2},
      {"ungueltig_schemafehler.xml", 610301200, 4},
      {"ungueltig_nicht_wohlgeformt.xml", 610301006, 1},
      {"ungueltig_externe_entitaet.xml", 610301201, 1},
      {"ungueltig_zu_tief.xml", 610301200, 1},
  };
  SammelnderLogger logger;
  auto dienst = modul().schemaValidationService(&logger);
  auto texte = modul().fehlertextService();
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.name);
    logger.zeilen.clear();
    TextEingabe eingabe(liesMuster(fall.name));
    EXPECT_EQ(dienst->validate(eingabe), fall.code);
    EXPECT_EQ(logger.zeilen.size(), fall.zeilen);
    EXPECT_FALSE(texte->getFehlertext(fall.code).empty());
  }
  TextEingabe utf8(liesMuster("ungueltig_encoding_utf8.xml"));
  logger.zeilen.clear();
  dienst->validate(utf8);
  EXPECT_EQ(logger.zeilen, std::vector<std::string>{
                               "FEHLER: Fehler beim Validieren der XML-Eingabedaten: Encoding der "
                               "XML-Daten entspricht nicht ISO-8859-15"});
}

TEST_F(SchemaValidationService, OhneOderAbgeschaltetemLogger) {
  SammelnderLogger aus(false);
  auto ohne = modul().schemaValidationService(nullptr);
  auto abgeschaltet = modul().schemaValidationService(&aus);
  for (const char* name : {"gueltig_est.xml", "ungueltig_schemafehler.xml",
                           "ungueltig_ohne_praeambel.xml", "ungueltig_externe_entitaet.xml"}) {
    TextEingabe eingabe(liesMuster(name));
    EXPECT_EQ(ohne->validate(eingabe), abgeschaltet->validate(eingabe)) << name;
  }
  EXPECT_TRUE(aus.zeilen.empty());
}

TEST_F(SchemaValidationService, KontextEntscheidetVerfuegbarkeitUndStirbtMitDemDienst) {
  for (bool verfuegbar : {true, false}) {
    int zerstoert = 0;
    auto* kontext = new ZaehlenderKontext(zerstoert, verfuegbar);
    auto dienst = modul().schemaValidationService(nullptr, kontext);
    EXPECT_EQ(dienst->isAvailable(), verfuegbar);
    EXPECT_EQ(dienst->getContext(), kontext);
    EXPECT_EQ(
        static_cast<const vesk::plugin2::iface::ISchemaValidationService&>(*dienst).getContext(),
        kontext);
    dienst.reset();
    EXPECT_EQ(zerstoert, 1);
  }
}

TEST_F(SchemaValidationService, GleichzeitigAusVierThreads) {
  // Each call has its own reader; only the first-use set-up is shared.
  const std::string gueltig = liesMuster("gueltig_zwei_bloecke.xml");
  const std::string ungueltig = liesMuster("ungueltig_schemafehler.xml");
  std::vector<int> fehler(4, -1);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      auto dienst = modul().schemaValidationService();
      int falsch = 0;
      for (int i = 0; i < 10; ++i) {
        TextEingabe a(gueltig), b(ungueltig);
        falsch += dienst->validate(a) != 0;
        falsch += dienst->validate(b) != 610301200;
      }
      fehler[t] = falsch;
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(fehler, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace dvtest
