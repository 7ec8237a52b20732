// Eight threads share one set of services with one logger from the module's very first call on, as
// a host may. Every operation must answer as in a single-threaded run; under ThreadSanitizer
// (./dv test --tsan) any unsynchronised access on these paths fails the test too.
// The only test of its binary: the process must not have used the module before.
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/ModulLader.h"
#include "concurrency/Gleichzeitig.h"
#include "support/Datensatz.h"

namespace dvtest {
namespace {

using namespace vesk::plugin2::iface;
using S = std::string;

// Writes into the calling thread's log, so one logger serves every thread.
class Logger : public IPluginLogger {
  void log(const S& zeile) override { protokoll += "|" + zeile; }
  bool isEnabled() override { return true; }
};

// Every operation of the three services.
std::vector<Aufgabe> modulAufgaben(IFehlertextService* t, IFinanzamtsdatenService* f,
                                   ISchemaValidationService* schema) {
  auto z = [](auto wert) { return std::to_string(wert); };
  std::vector<Aufgabe> a;
  a.push_back({"Nummern", {}, [=](const S& w) {
                 const int n = std::stoi(w);
                 return t->getFehlertext(n) + t->getPlausiFehlertext(n) +
                        z(f->existiertFinanzamt(n)) + f->holeBundeslandKuerzel(n);
               }});
  a.push_back({"holeNegativmuster/holeFormatierung", {}, [=](const S& w) {
                 S text;
                 for (const auto& [muster, meldung] : f->holeNegativmuster(std::stoi(w))) {
                   text += muster + meldung;
                 }
                 std::unique_ptr<IVeskFormatierung> x(f->holeFormatierung(std::stoi(w)));
                 return text + z(x->getAnzahlStellenBezirk()) + z(x->getAnzahlStellenFinanzamt()) +
                        x->getPraefix() + x->getTrenner1() + x->getTrenner2() + x->getTrenner3();
               }});
  a.push_back({"holePruefziffernverfahrenDefinition", {}, [=](const S& w) {
                 const int amt = std::stoi(w);
                 std::unique_ptr<IVeskPruefziffernverfahrenDefinition> v(
                     f->holePruefziffernverfahrenDefinition(amt / 100, amt, amt % 1000));
                 S text = v->getVerfahren();
                 for (int g : v->getFaktoren()) text += "," + z(g);
                 for (int s : v->getSummanden()) text += "+" + z(s);
                 return text;
               }});
  a.push_back({"holeFinanzamtLandNummern/holeTestfinanzaemter", {"0", "1"}, [=](const S& w) {
                 S xml, test;
                 return z(f->holeFinanzamtLandNummern(xml, w == "1")) + xml +
                        z(f->holeTestfinanzaemter(test)) + test;
               }});
  a.push_back({"holeFinanzaemter/holeFinanzamtsdaten", {}, [=](const S& w) {
                 S xml = "vorher";
                 Datensatz mit, ohne;
                 return z(f->holeFinanzaemter(w, xml)) + xml +
                        z(f->holeFinanzamtsdaten(w, mit, false)) + mit.text +
                        z(f->holeFinanzamtsdaten(w, ohne, true)) + ohne.text;
               }});
  a.push_back({"Pruefungen", {}, [=](const S& w) {
                 return z(f->pruefeIBAN(w)) + "," + z(f->pruefeBIC(w)) + "," +
                        z(f->pruefeIdNummer(w, false)) + z(f->pruefeIdNummer(w, true)) +
                        z(f->istBundeslandKuerzel(w)) + z(f->pruefeFinanzamtNummer(w)) +
                        z(f->pruefeSteuernummer(w));
               }});
  // To Land notation and back by Land key, and the text itself as Land notation.
  a.push_back({"formatiere/erzeugeSteuernummer", {}, [=](const S& n) {
                 S land, zurueck, direkt;
                 return z(f->formatiereSteuernummer(n, land)) + land +
                        z(f->erzeugeSteuernummer(land, n.substr(0, 2), "", zurueck)) + zurueck +
                        z(f->erzeugeSteuernummer(n, "", "2613", direkt)) + direkt;
               }});
  for (const auto& datei : std::filesystem::directory_iterator(DV_SAMPLES_DIR)) {
    std::ostringstream xml;
    xml << std::ifstream(datei.path(), std::ios::binary).rdbuf();
    a.push_back({"validate " + datei.path().filename().string(), {xml.str()}, [=](const S& w) {
                   dvhost::TextEingabe eingabe(w);
                   return z(schema->validate(eingabe));
                 }});
  }
  return a;
}

TEST(GleichzeitigeNutzung, AchtThreadsAbDemErstenAufruf) {
  dvhost::ModulLader modul(dvhost::standardModulPfad());
  modul.initialisiere();
  Logger logger;
  const auto texte = modul.fehlertextService(&logger);
  const auto fa = modul.finanzamtsdatenService(&logger);
  const auto schema = modul.schemaValidationService(&logger);
  const auto einzeln = pruefeGleichzeitig(modulAufgaben(texte.get(), fa.get(), schema.get()));
  // The single-threaded answers are worth comparing with only when sound; these are known by
  // hand: code 0 is among the numbers, the first text is a published sample IBAN.
  EXPECT_NE(einzeln.at("Nummern").find("Verarbeitung fehlerfrei."), S::npos);
  EXPECT_EQ(einzeln.at("Pruefungen").substr(0, 2), "0,");
  EXPECT_EQ(einzeln.at("validate gueltig_est.xml"), "0;");
  EXPECT_EQ(einzeln.at("validate ungueltig_schemafehler.xml").substr(0, 18), "610301200|FEHLER: ");
}

}  // namespace
}  // namespace dvtest
