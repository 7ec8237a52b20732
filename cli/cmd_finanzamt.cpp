// dvhost finanzamt: the record of one tax office.
#include <utility>
#include <vector>

#include "cli/Ausgabe.h"
#include "cli/Befehl.h"
#include "cli/Json.h"
#include "cli/Pruefausgabe.h"

namespace dvhost {
namespace {

using vesk::plugin2::iface::IFinanzamtsdaten;

// Host-side record that keeps the fields in the order the module sets them.
class Datensatz : public IFinanzamtsdaten {
 public:
  std::vector<std::pair<std::string, std::string>> felder;

  const std::string& getBuFaNummer() const override { return wert("BuFaNummer"); }
  void setBuFaNummer(const std::string& w) override { setze("BuFaNummer", w); }
  bool getKennzeichenA() const override { return kennzeichenA_; }
  void setKennzeichenA(bool w) override { kennzeichenA_ = w; }
  bool getKennzeichenB() const override { return kennzeichenB_; }
  void setKennzeichenB(bool w) override { kennzeichenB_ = w; }
#define DV_FELD(feld)                                                   \
  const std::string& get##feld() const override { return wert(#feld); } \
  void set##feld(const std::string& w) override { setze(#feld, w); }
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD)
#undef DV_FELD

 private:
  const std::string& wert(const std::string& name) const {
    for (const auto& feld : felder) {
      if (feld.first == name) return feld.second;
    }
    return leer_;
  }
  void setze(const std::string& name, const std::string& w) {
    for (auto& feld : felder) {
      if (feld.first == name) {
        feld.second = w;
        return;
      }
    }
    felder.emplace_back(name, w);
  }

  std::string leer_;
  bool kennzeichenA_ = true;
  bool kennzeichenB_ = false;
};

std::string alsXmlText(const std::string& text) {
  std::string ergebnis;
  for (char c : text) {
    switch (c) {
      case '&':
        ergebnis += "&amp;";
        break;
      case '<':
        ergebnis += "&lt;";
        break;
      case '>':
        ergebnis += "&gt;";
        break;
      default:
        ergebnis += c;
    }
  }
  return ergebnis;
}

int finanzamt(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.size() != 1) throw Benutzungsfehler("genau eine Finanzamtsnummer erwartet");
  const bool json = aufruf.hat("--json");
  if (json && aufruf.hat("--xml")) throw Benutzungsfehler("--xml und --json schließen sich aus");
  Datensatz daten;
  Pruefung p;
  p.wert = aufruf.werte[0];
  p.code = sitzung.modul()
               .finanzamtsdatenService(sitzung.logger())
               ->holeFinanzamtsdaten(p.wert, daten, aufruf.hat("--ohne-test"));
  if (p.code != 0) return Pruefausgabe(sitzung, json).melde(p);
  if (json) {
    JsonObjekt objekt;
    for (const auto& [name, wert] : daten.felder) objekt.text(name, wert);
    sitzung.jsonZeile(objekt.str());
  } else if (aufruf.hat("--xml")) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<Finanzamt>\r\n";
    for (const auto& [name, wert] : daten.felder) {
      xml += "\t<" + name + ">" + alsXmlText(wert) + "</" + name + ">\r\n";
    }
    schreibe(xml + "</Finanzamt>\r\n");
  } else {
    for (const auto& [name, wert] : daten.felder) {
      if (!wert.empty()) sitzung.zeile(name + std::string(18 - name.size(), ' ') + wert);
    }
  }
  return kAllesGueltig;
}

const Befehl befehl{
    "finanzamt",
    "Daten eines Finanzamts",
    "Aufruf: dvhost finanzamt BUFANUMMER [--ohne-test] [--xml|--json]\n"
    "Zeigt Anschrift, Bankverbindungen, Öffnungszeiten und Bemerkungen eines Finanzamts als "
    "beschriftete Felder (leere Felder werden ausgelassen); --xml gibt alle gesetzten Felder "
    "in der Reihenfolge des Moduls als XML (ISO-8859-15) aus, --json als ein JSON-Objekt "
    "(UTF-8). Ein Testfinanzamt hat nur einen Namen; --ohne-test weist es ab. Eine Nummer "
    "ohne Daten ist ungültig (Exit-Status 1).",
    {"--xml", "--json", "--ohne-test"},
    finanzamt};
const BefehlRegistrierung registrierung(befehl);
const DemoRegistrierung demo({42, "Daten des Finanzamts 1010",
                              [](Sitzung& s) { finanzamt(s, Aufruf({"1010"})); }});

}  // namespace
}  // namespace dvhost
