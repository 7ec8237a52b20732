#include "concurrency/ModulAufgaben.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "concurrency/Eingaben.h"
#include "support/HostCodes.h"

namespace dvtest {
namespace {

using namespace vesk::plugin2::iface;

// Host record that writes every field it is given into one text.
class Datensatz : public IFinanzamtsdaten {
 public:
  std::string text;

  const std::string& getBuFaNummer() const override { return leer_; }
  void setBuFaNummer(const std::string& w) override { text += "BuFaNummer=" + w + "\n"; }
  bool getKennzeichenA() const override { return false; }
  void setKennzeichenA(bool w) override { text += w ? "A=1\n" : "A=0\n"; }
  bool getKennzeichenB() const override { return false; }
  void setKennzeichenB(bool w) override { text += w ? "B=1\n" : "B=0\n"; }
#define DV_FELD(feld)                                             \
  const std::string& get##feld() const override { return leer_; } \
  void set##feld(const std::string& w) override { text += #feld "=" + w + "\n"; }
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD)
#undef DV_FELD

 private:
  std::string leer_;
};

std::string code(int c) { return std::to_string(c) + ";"; }

std::string liste(const std::vector<int>& werte) {
  std::string text;
  for (int w : werte) text += std::to_string(w) + ",";
  return text;
}

// Runs a call that may throw; the exception text becomes the answer.
template <class Aufruf>
std::string abfangend(Aufruf aufruf) {
  try {
    return aufruf();
  } catch (const std::exception& e) {
    return std::string("Ausnahme: ") + e.what() + ";";
  }
}

class Sammler {
 public:
  explicit Sammler(const Dienste& d) : d_(d) {}

  // Adds a task whose answer is followed by the log lines it caused.
  template <class Lauf>
  void neu(std::string name, Lauf lauf) {
    SammelnderLogger* logger = d_.logger;
    aufgaben_.push_back({std::move(name), [lauf, logger] {
                           std::string antwort = lauf();
                           if (logger != nullptr) {
                             for (const std::string& zeile : logger->zeilen)
                               antwort += "\n|" + zeile;
                             logger->zeilen.clear();
                           }
                           return antwort;
                         }});
  }
  std::vector<Aufgabe> aufgaben() { return std::move(aufgaben_); }

 private:
  Dienste d_;
  std::vector<Aufgabe> aufgaben_;
};

void fehlertexte(Sammler& s, const Dienste& d, const Material& m) {
  IFehlertextService& t = d.texte;
  s.neu("getFehlertext", [&t] {
    std::vector<int> codes = erwarteteHostCodes();
    for (int c : {-1, 1, 610001007, 610001999, 610302000, INT_MIN, INT_MAX}) codes.push_back(c);
    std::string a;
    for (int c : codes) a += t.getFehlertext(c) + ";";
    return a;
  });
  constexpr std::size_t kTeile = 8;
  const std::size_t je = (m.plausiNummern.size() + kTeile - 1) / kTeile;
  for (std::size_t teil = 0; teil < kTeile; ++teil) {
    const auto von = m.plausiNummern.begin() + std::min(teil * je, m.plausiNummern.size());
    const auto bis = m.plausiNummern.begin() + std::min((teil + 1) * je, m.plausiNummern.size());
    const std::vector<int> nummern(von, bis);
    s.neu("getPlausiFehlertext " + std::to_string(teil), [&t, nummern, teil] {
      std::string a;
      for (int n : nummern) a += t.getPlausiFehlertext(n) + ";" + t.getPlausiFehlertext(n + 1);
      if (teil == 0) {
        for (int n : {INT_MIN, -1, 0, 1, 9999999, INT_MAX}) a += t.getPlausiFehlertext(n) + ";";
      }
      return a;
    });
  }
}

void verzeichnis(Sammler& s, const Dienste& d) {
  IFinanzamtsdatenService& f = d.finanzamt;
  for (bool mitNrw : {false, true}) {
    s.neu(std::string("holeFinanzamtLandNummern ") + (mitNrw ? "mit" : "ohne"), [&f, mitNrw] {
      std::string xml;
      return code(f.holeFinanzamtLandNummern(xml, mitNrw)) + xml;
    });
  }
  s.neu("holeTestfinanzaemter", [&f] {
    std::string xml;
    return code(f.holeTestfinanzaemter(xml)) + xml;
  });
  for (const char* land :
       {"10", "11", "21", "22", "23", "24", "26", "27", "28", "30", "31", "32",    "40",
        "41", "51", "52", "53", "91", "92", "",   "0",  "5",  "54", "99", "28abc", "x"}) {
    s.neu(std::string("holeFinanzaemter ") + land, [&f, land] {
      std::string xml = "vorher";
      return code(f.holeFinanzaemter(land, xml)) + xml;
    });
  }
  // Every four-digit number, a thousand per task: record, existence and number check.
  for (int tausend = 1; tausend <= 9; ++tausend) {
    s.neu("Finanzamt " + std::to_string(tausend) + "xxx", [&f, tausend] {
      std::string a;
      for (int n = tausend * 1000; n < tausend * 1000 + 1000; ++n) {
        Datensatz daten;
        a += code(f.holeFinanzamtsdaten(std::to_string(n), daten, n % 2 == 0)) + daten.text;
        a += f.existiertFinanzamt(n) ? "e;" : "-;";
        a += code(f.pruefeFinanzamtNummer(std::to_string(n)));
      }
      return a;
    });
  }
  s.neu("Finanzamt Sonderfaelle", [&f] {
    std::string a;
    for (const char* text : {"1010 ", "+1010", "01010", "abc", "", "99999999999", "1096"}) {
      for (bool ohneTest : {false, true}) {
        Datensatz daten;
        a += code(f.holeFinanzamtsdaten(text, daten, ohneTest)) + daten.text;
      }
    }
    for (const char* nummer : {"1096012345678", "2380012345678", "10100", "101", "10a0", "",
                               "28010123456789", "x801012345678"}) {
      a += code(f.pruefeFinanzamtNummer(nummer));
    }
    for (int n : {-1, 0, 10000, INT_MAX}) a += f.existiertFinanzamt(n) ? "e;" : "-;";
    return a;
  });
  s.neu("Bundeslandkuerzel", [&f] {
    std::string a;
    for (int land = -1; land <= 100; ++land) a += f.holeBundeslandKuerzel(land) + ";";
    for (char x = 'A'; x <= 'Z'; ++x) {
      for (char y = 'A'; y <= 'Z'; ++y) {
        const std::string gross{x, y}, klein{static_cast<char>(x + 32), y};
        a += f.istBundeslandKuerzel(gross) ? "j" : "n";
        a += f.istBundeslandKuerzel(klein) ? "j" : "n";
      }
    }
    return a;
  });
}

void definitionen(Sammler& s, const Dienste& d) {
  IFinanzamtsdatenService& f = d.finanzamt;
  s.neu("holeFormatierung", [&f] {
    std::string a;
    for (int land = -1; land <= 100; ++land) {
      a += abfangend([&] {
        std::unique_ptr<IVeskFormatierung> x(f.holeFormatierung(land));
        return liste({x->getAnzahlStellenBezirk(), x->getAnzahlStellenFinanzamt(),
                      x->getAnzahlStellenPruefziffer(),
                      x->getAnzahlStellenUnterscheidungsnummer()}) +
               x->getPraefix() + "|" + x->getTrenner1() + "|" + x->getTrenner2() + "|" +
               x->getTrenner3() + ";";
      });
    }
    return a;
  });
  s.neu("holePruefziffernverfahrenDefinition", [&f] {
    std::string a;
    for (int amt : aemter()) {
      for (int land : {amt / 100, 28, 5}) {
        for (int bezirk : {0, 29, 30, 100, 650, 680, 999}) {
          a += abfangend([&] {
            std::unique_ptr<IVeskPruefziffernverfahrenDefinition> v(
                f.holePruefziffernverfahrenDefinition(land, amt, bezirk));
            return v->getVerfahren() + ":" + liste(v->getFaktoren()) + ":" +
                   liste(v->getSummanden()) + ";";
          });
        }
      }
    }
    return a;
  });
  s.neu("holeNegativmuster", [&f] {
    std::string a;
    for (int land = -1; land <= 100; ++land) {
      a += abfangend([&] {
        std::string t;
        for (const auto& [muster, meldung] : f.holeNegativmuster(land)) {
          t += muster + "=" + meldung + ",";
        }
        return t + ";";
      });
    }
    return a;
  });
}

void pruefungen(Sammler& s, const Dienste& d) {
  IFinanzamtsdatenService& f = d.finanzamt;
  s.neu("pruefeBIC", [&f] {
    std::string a;
    for (const std::string& bic : bics()) a += code(f.pruefeBIC(bic));
    return a;
  });
  s.neu("pruefeIBAN", [&f] {
    std::string a;
    for (const std::string& iban : ibans()) a += code(f.pruefeIBAN(iban));
    return a;
  });
  s.neu("pruefeIdNummer", [&f] {
    std::string a;
    for (const std::string& id : idNummern()) {
      a += code(f.pruefeIdNummer(id, false)) + code(f.pruefeIdNummer(id, true));
    }
    return a;
  });
  for (int amt : aemter()) {
    const std::string prefix = std::to_string(amt);
    const std::vector<std::string> eigene = steuernummernVon(amt);
    s.neu("pruefeSteuernummer " + prefix, [&f, eigene] {
      std::string a;
      for (const std::string& n : eigene)
        a += abfangend([&] { return code(f.pruefeSteuernummer(n)); });
      return a;
    });
    // Both directions: Land notation, then back by Land key and by office number.
    s.neu("formatiere/erzeuge " + prefix, [&f, eigene, prefix] {
      std::string a;
      for (const std::string& n : eigene) {
        a += abfangend([&] {
          std::string land, zurueck1, zurueck2;
          std::string t = code(f.formatiereSteuernummer(n, land)) + land + ";";
          if (!land.empty()) {
            t += code(f.erzeugeSteuernummer(land, prefix.substr(0, 2), "", zurueck1)) + zurueck1 +
                 ";";
            t += code(f.erzeugeSteuernummer(land, "", prefix, zurueck2)) + zurueck2;
          }
          return t + ";";
        });
      }
      return a;
    });
  }
  s.neu("pruefeSteuernummer Sonderfaelle", [&f] {
    std::string a;
    for (const std::string& n : besondereSteuernummern()) {
      a += abfangend([&] { return code(f.pruefeSteuernummer(n)); });
    }
    return a;
  });
  s.neu("erzeugeSteuernummer Kurzformen", [&f] {
    const char* const faelle[][3] = {
        {"1/22", "", "1127"},
        {"27/1/22", "11", ""},
        {"12/340", "", "1127"},
        {"27-12-340", "11", ""},
        {"1/2", "", "1127"},
        {"1234/22", "", "1127"},
        {"123/45673", "", "1127"},
        {"27\\123\\45673", "11", ""},
        {"123/45678", "91", ""},
        {"123/45678", "", "9181"},
        {"181/123/45678", "91", ""},
        {"12/345", "11", "1"},
        {"", "", ""},
        {"1127012345673", "", ""},
        {"13 123 45678", "26", ""},
        {"013 123 45678", "", "2613"},
        {"75 123 45678", "24", ""},
        {"x", "99", ""},
    };
    std::string a;
    for (const auto& fall : faelle) {
      std::string ausgabe = "vorher";
      a += abfangend([&] {
        return code(f.erzeugeSteuernummer(fall[0], fall[1], fall[2], ausgabe)) + ausgabe + ";";
      });
    }
    return a;
  });
}

void validierung(Sammler& s, const Dienste& d, const Material& m) {
  ISchemaValidationService& schema = d.schema;
  for (const auto& [name, xml] : m.dokumente) {
    s.neu("validate " + name, [&schema, &xml = xml] {
      dvhost::TextEingabe eingabe(xml);
      return code(schema.validate(eingabe));
    });
  }
}

}  // namespace

Material leseMaterial() {
  Material m;
  std::ifstream tsv(DV_PLAUSI_TSV);
  for (std::string zeile; std::getline(tsv, zeile);) {
    if (!zeile.empty() && zeile[0] != '#') m.plausiNummern.push_back(std::stoi(zeile));
  }
  std::vector<std::filesystem::path> pfade;
  for (const auto& eintrag : std::filesystem::directory_iterator(DV_SAMPLES_DIR)) {
    pfade.push_back(eintrag.path());
  }
  std::sort(pfade.begin(), pfade.end());
  for (const auto& pfad : pfade) {
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    m.dokumente.emplace_back(pfad.filename().string(), inhalt.str());
  }
  return m;
}

std::vector<Aufgabe> modulAufgaben(const Dienste& dienste, const Material& material) {
  Sammler s(dienste);
  fehlertexte(s, dienste, material);
  verzeichnis(s, dienste);
  definitionen(s, dienste);
  pruefungen(s, dienste);
  validierung(s, dienste, material);
  return s.aufgaben();
}

}  // namespace dvtest
