// dv_speicher: resident memory of the module as a host sees it, step by step: before
// loading, after dlopen and initialisation, after the first use of each service, the peak
// while validating a 3 KB document (the first time compiling the shared grammar), after
// 100,000 more validations of it, and the peak for a 10 MB document. Prints a Markdown
// table and the time of the first validation.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "bench/memory/GrossesDokument.h"
#include "bench/memory/Speicherstand.h"
#include "cli/ModulLader.h"
#include "errortexts/Hostcodes.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace {

using namespace vesk::plugin2::iface;
using dvbench::liesSpeicherstand;

constexpr std::size_t kGrossesDokument = 10u << 20;

// Host record that keeps nothing; the module fills it as it would a real one.
class Datensatz : public IFinanzamtsdaten {
 public:
  const std::string& getBuFaNummer() const override { return leer_; }
  void setBuFaNummer(const std::string&) override {}
  bool getKennzeichenA() const override { return false; }
  void setKennzeichenA(bool) override {}
  bool getKennzeichenB() const override { return false; }
  void setKennzeichenB(bool) override {}
#define DV_FELD(feld)                                             \
  const std::string& get##feld() const override { return leer_; } \
  void set##feld(const std::string&) override {}
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD)
#undef DV_FELD

 private:
  std::string leer_;
};

std::string liesDatei(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei) throw std::runtime_error("nicht lesbar: " + pfad);
  std::ostringstream inhalt;
  inhalt << datei.rdbuf();
  return inhalt.str();
}

std::string mb(long kb) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(kb) / 1024.0);
  return text;
}

// One table row per step: resident size after it, what the step added and how much of that
// are pages of mapped files (code and constant data of the module and its libraries). Peak
// rows also show the highest resident size during the step, measured from a reset peak, and
// how far it rose above the size before the step.
class Tabelle {
 public:
  Tabelle() : dateienVorher_(dvbench::residentJeDatei()) {
    start_ = vorher_ = liesSpeicherstand();
    zeile("Prozess vor dem Laden", start_, "", "");
  }
  void schritt(const std::string& name, const std::function<void()>& arbeit) {
    arbeit();
    zeile(name, liesSpeicherstand(), "", "");
  }
  void spitze(const std::string& name, const std::function<void()>& arbeit) {
    if (!dvbench::setzeSpitzeZurueck()) throw std::runtime_error("clear_refs nicht schreibbar");
    const long davor = liesSpeicherstand().rssKb;
    arbeit();
    const auto nachher = liesSpeicherstand();
    zeile(name, nachher, mb(nachher.hwmKb), "+" + mb(nachher.hwmKb - davor));
  }
  // The module's share so far: everything resident now beyond the process before loading.
  void merkeModul() {
    modul_ = {vorher_.rssKb - start_.rssKb, 0, vorher_.dateiKb - start_.dateiKb};
  }

  void drucke() const {
    std::printf(
        "| Schritt | VmRSS danach MB | Zuwachs MB | davon Dateiseiten MB | Spitze MB | Spitze "
        "über davor MB |\n|---|---:|---:|---:|---:|---:|\n");
    for (const std::string& z : zeilen_) std::printf("%s\n", z.c_str());
    std::printf(
        "\nModul nach erster Nutzung aller Dienste: %s MB über dem Prozess vor dem Laden, davon "
        "%s MB Dateiseiten.\nMit dem Modul geladene Dateien (resident am Ende, MB):",
        mb(modul_.rssKb).c_str(), mb(modul_.dateiKb).c_str());
    // Largest first; the many small libraries the parser library pulls in are summed up.
    std::vector<std::pair<long, std::string>> neue;
    for (const auto& [pfad, kb] : dvbench::residentJeDatei()) {
      if (dateienVorher_.count(pfad) == 0) neue.emplace_back(kb, pfad.substr(pfad.rfind('/') + 1));
    }
    std::sort(neue.rbegin(), neue.rend());
    long rest = 0, summe = 0;
    std::size_t kleine = 0;
    for (const auto& [kb, name] : neue) {
      summe += kb;
      if (kb >= 256) {
        std::printf(" %s %s;", name.c_str(), mb(kb).c_str());
      } else {
        rest += kb;
        ++kleine;
      }
    }
    std::printf(" %zu weitere %s; zusammen %s\n", kleine, mb(rest).c_str(), mb(summe).c_str());
  }

 private:
  void zeile(const std::string& name, const dvbench::Speicherstand& stand,
             const std::string& spitze, const std::string& ueber) {
    zeilen_.push_back(
        "| " + name + " | " + mb(stand.rssKb) + " | " + mitVorzeichen(stand.rssKb - vorher_.rssKb) +
        " | " + mitVorzeichen(stand.dateiKb - vorher_.dateiKb) + " | " +
        (spitze.empty() ? "-" : spitze) + " | " + (ueber.empty() ? "-" : ueber) + " |");
    vorher_ = stand;
  }
  static std::string mitVorzeichen(long kb) { return (kb >= 0 ? "+" : "") + mb(kb); }

  std::map<std::string, long> dateienVorher_;
  dvbench::Speicherstand start_{}, vorher_{}, modul_{};
  std::vector<std::string> zeilen_;
};

// CPU time of this thread and wall-clock time, in milliseconds.
struct Zeitmessung {
  double cpuMs, wandMs;
  Zeitmessung() {
    timespec cpu{}, wand{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    clock_gettime(CLOCK_MONOTONIC, &wand);
    cpuMs = static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) * 1e-6;
    wandMs = static_cast<double>(wand.tv_sec) * 1e3 + static_cast<double>(wand.tv_nsec) * 1e-6;
  }
  Zeitmessung operator-(const Zeitmessung& vorher) const {
    Zeitmessung differenz = *this;
    differenz.cpuMs -= vorher.cpuMs;
    differenz.wandMs -= vorher.wandMs;
    return differenz;
  }
};

void pruefeCode(int code, const char* was) {
  if (code != 0) throw std::runtime_error(std::string(was) + ": " + std::to_string(code));
}

int miss(const std::string& musterPfad) {
  const std::string klein = liesDatei(musterPfad);
  const std::string pfad = dvhost::standardModulPfad();
  Tabelle tabelle;

  std::unique_ptr<dvhost::ModulLader> modul;
  tabelle.schritt("dlopen", [&] { modul = std::make_unique<dvhost::ModulLader>(pfad); });
  tabelle.schritt("Initialisierung", [&] { modul->initialisiere(); });
  std::unique_ptr<IFehlertextService> texte;
  std::unique_ptr<IFinanzamtsdatenService> finanzamt;
  std::unique_ptr<ISchemaValidationService> schema;
  tabelle.schritt("drei Dienste erzeugt", [&] {
    texte = modul->fehlertextService();
    finanzamt = modul->finanzamtsdatenService();
    schema = modul->schemaValidationService();
  });
  tabelle.schritt("Fehlertexte (Host-Code, Plausi-Nummer)", [&] {
    if (texte->getFehlertext(hostcode::kIbanPruefzifferFalsch).empty() ||
        texte->getPlausiFehlertext(2).empty()) {
      throw std::runtime_error("Fehlertext fehlt");
    }
  });
  tabelle.schritt("Verzeichnis (alle Listen, ein Datensatz)", [&] {
    std::string xml;
    pruefeCode(finanzamt->holeFinanzamtLandNummern(xml, true), "holeFinanzamtLandNummern");
    pruefeCode(finanzamt->holeTestfinanzaemter(xml), "holeTestfinanzaemter");  // 158 entries
    pruefeCode(finanzamt->holeFinanzaemter("28", xml), "holeFinanzaemter");    // 79 entries
    Datensatz daten;
    pruefeCode(finanzamt->holeFinanzamtsdaten("1010", daten, true), "holeFinanzamtsdaten");
  });
  tabelle.schritt("BIC, IBAN, IdNr", [&] {
    pruefeCode(finanzamt->pruefeBIC("MARKDEF1100"), "pruefeBIC");
    pruefeCode(finanzamt->pruefeIBAN("DE89370400440532013000"), "pruefeIBAN");
    pruefeCode(finanzamt->pruefeIdNummer("86095742719", false), "pruefeIdNummer");
  });
  tabelle.schritt("Steuernummer prüfen, formatieren, erzeugen", [&] {
    std::string land, zurueck;
    pruefeCode(finanzamt->pruefeSteuernummer("1127012345673"), "pruefeSteuernummer");
    pruefeCode(finanzamt->formatiereSteuernummer("1127012345673", land), "formatiere");
    pruefeCode(finanzamt->erzeugeSteuernummer(land, "11", "", zurueck), "erzeuge");
  });
  dvhost::TextEingabe kleineEingabe(klein);
  const std::string kleinName = "Schemaprüfung " + std::to_string(klein.size()) + " B";
  // The first validation sets the parser library up and compiles the shared grammar.
  Zeitmessung ersteZeit;
  tabelle.spitze(kleinName + ", erste (Grammatik kompilieren)", [&] {
    const Zeitmessung start;
    pruefeCode(schema->validate(kleineEingabe), "validate");
    ersteZeit = Zeitmessung() - start;
  });
  tabelle.spitze(kleinName, [&] { pruefeCode(schema->validate(kleineEingabe), "validate"); });
  tabelle.merkeModul();
  // Resident size must stay flat however many documents pass.
  const auto wiederhole = [&](int mal) {
    for (int i = 0; i < mal; ++i) pruefeCode(schema->validate(kleineEingabe), "validate");
  };
  tabelle.schritt(kleinName + ", 1.000 weitere", [&] { wiederhole(1000); });
  tabelle.schritt(kleinName + ", 100.000 weitere", [&] { wiederhole(100000); });

  std::string gross;
  tabelle.schritt("Dokument von 10 MB beim Host",
                  [&] { gross = dvbench::vergroessert(klein, kGrossesDokument); });
  const std::string grossName =
      "Schemaprüfung " + mb(static_cast<long>(gross.size() / 1024)) + " MB";
  dvhost::TextEingabe grosseEingabe(std::move(gross));
  tabelle.spitze(grossName, [&] { pruefeCode(schema->validate(grosseEingabe), "validate"); });
  tabelle.drucke();
  std::printf(
      "Erste Schemaprüfung (Parser einrichten, Grammatik kompilieren): %.1f ms CPU, %.1f ms "
      "Wanduhr\n",
      ersteZeit.cpuMs, ersteZeit.wandMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return miss(argc > 1 ? argv[1] : DV_SAMPLES_DIR "/gueltig_est.xml");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dv_speicher: %s\n", e.what());
    return 1;
  }
}
