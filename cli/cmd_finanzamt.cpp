// dvhost finanzamt: the record of one tax office.
#include <iostream>
#include <utility>
#include <vector>

#include "cli/Befehl.h"

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

int finanzamt(Sitzung& sitzung, const Argumente& argumente) {
  bool alsXml = false, ohneTest = false;
  std::vector<std::string> nummern;
  for (const auto& argument : argumente) {
    if (argument == "--xml") {
      alsXml = true;
    } else if (argument == "--ohne-test") {
      ohneTest = true;
    } else {
      nummern.push_back(argument);
    }
  }
  if (nummern.size() != 1) {
    return falscheBenutzung(sitzung, "finanzamt", "genau eine Finanzamtsnummer erwartet");
  }
  Datensatz daten;
  const int code = sitzung.modul()
                       .finanzamtsdatenService(sitzung.logger())
                       ->holeFinanzamtsdaten(nummern[0], daten, ohneTest);
  if (code != 0) {
    sitzung.fehler(std::to_string(code) + ": " +
                   sitzung.modul().fehlertextService()->getFehlertext(code));
    return 1;
  }
  if (alsXml) {
    std::cout << "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<Finanzamt>\r\n";
    for (const auto& [name, wert] : daten.felder) {
      std::cout << "\t<" << name << ">" << alsXmlText(wert) << "</" << name << ">\r\n";
    }
    std::cout << "</Finanzamt>\r\n";
    return 0;
  }
  for (const auto& [name, wert] : daten.felder) {
    if (!wert.empty()) sitzung.zeile(name + std::string(18 - name.size(), ' ') + wert);
  }
  return 0;
}

const BefehlRegistrierung registrierung(
    {"finanzamt", "Daten eines Finanzamts",
     "Aufruf: dvhost finanzamt BUFANUMMER [--xml] [--ohne-test]\n"
     "Zeigt Anschrift, Bankverbindungen, Öffnungszeiten und Bemerkungen eines Finanzamts als "
     "beschriftete Felder (leere Felder werden ausgelassen); --xml gibt alle gesetzten Felder "
     "in der Reihenfolge des Moduls als XML (ISO-8859-15) aus. Ein Testfinanzamt hat nur einen "
     "Namen; --ohne-test weist es ab. Exit-Status 1, wenn es keine Daten gibt.",
     finanzamt});
const DemoRegistrierung demo({42, "Daten des Finanzamts 1010",
                              [](Sitzung& s) { finanzamt(s, {"1010"}); }});

}  // namespace
}  // namespace dvhost
