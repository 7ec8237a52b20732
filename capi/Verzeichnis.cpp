// The tax office directory: records, selection lists and the notice for missing offices.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "capi/Dienst.h"
#include "capi/Grenze.h"
#include "rules/IDefdatenSteuernummer.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "taxoffice/Verzeichnisherkunft.h"

namespace zdv = zudadavizu_20_0;
namespace dvf = vesk::divideVira;
using namespace dividevira;

namespace {

constexpr const char* FELDNAMEN[] = {
#define DV_FELD(feld, breite) #feld,
    DV_FINANZAMT_FELDER(DV_FELD)
#undef DV_FELD
};
static_assert(sizeof FELDNAMEN / sizeof *FELDNAMEN == DV_FINANZAMT_FELDANZAHL);

using Felder = std::array<std::string, DV_FINANZAMT_FELDANZAHL>;

// The tables as UTF-8, converted once: the library hands out pointers into them.
struct Utf8Verzeichnis {
  std::map<int, Felder> finanzaemter;  // records, and test offices with number and name
  std::map<int, std::vector<dv_listeneintrag>> listen;
  std::vector<std::string> listennamen;  // what the list entries point to; never resized after
};

const Utf8Verzeichnis& verzeichnis() {
  static const Utf8Verzeichnis v = [] {
    Utf8Verzeichnis u;
    for (const dvf::FinanzamtListenEintrag* t = dvf::TESTFINANZAMT_LISTE; t->nummer != 0; ++t) {
      Felder& f = u.finanzaemter[t->nummer];
      f[0] = std::to_string(t->nummer);
      f[1] = latin9AlsUtf8(t->name);
    }
    const dvf::FinanzamtTabelle tabelle = dvf::finanzamtTabelle();
    for (std::size_t i = 0; i < tabelle.anzahl; ++i) {
      const dvf::FinanzamtEintrag& e = tabelle.erster[i];
      Felder f;
      std::size_t k = 0;
#define DV_FELD(feld, breite) f[k++] = latin9AlsUtf8(e.feld);
      DV_FINANZAMT_FELDER(DV_FELD)
#undef DV_FELD
      u.finanzaemter.insert_or_assign(e.nummer, std::move(f));  // a record wins
    }
    std::size_t eintraege = 0;
    for (std::size_t i = 0; i < dvf::FINANZAMT_LISTEN_ANZAHL; ++i) {
      for (auto* e = dvf::FINANZAMT_LISTEN[i].eintraege; e->nummer != 0; ++e) ++eintraege;
    }
    u.listennamen.reserve(eintraege);
    for (std::size_t i = 0; i < dvf::FINANZAMT_LISTEN_ANZAHL; ++i) {
      auto& liste = u.listen[dvf::FINANZAMT_LISTEN[i].landNummer];
      for (auto* e = dvf::FINANZAMT_LISTEN[i].eintraege; e->nummer != 0; ++e) {
        u.listennamen.push_back(latin9AlsUtf8(e->name));
        liste.push_back({e->nummer, u.listennamen.back().c_str()});
      }
    }
    return u;
  }();
  return v;
}

// The directory as it is, except that every tax office exists.
class JedesFinanzamtBekannt : public zdv::IDefdatenSteuernummer {
 public:
  explicit JedesFinanzamtBekannt(zdv::IDefdatenSteuernummer& echt) : echt_(echt) {}
  const zdv::IFormatierung& getFormatierung(int land) override {
    return echt_.getFormatierung(land);
  }
  bool existiertFinanzamt(int) override { return true; }
  const zdv::IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(
      int land, int bufa, int bezirk) override {
    return echt_.getPruefziffernverfahrenDefinition(land, bufa, bezirk);
  }
  const zdv::IFinanzamtAdresse& getFinanzamtAdresse(int bufa) override {
    return echt_.getFinanzamtAdresse(bufa);
  }
  std::string getBundeslandKuerzel(int land) override { return echt_.getBundeslandKuerzel(land); }
  const std::vector<std::pair<std::string, std::string>>& getNegativmuster(int land) override {
    return echt_.getNegativmuster(land);
  }
  bool istBundeslandKuerzel(const std::string& kuerzel) override {
    return echt_.istBundeslandKuerzel(kuerzel);
  }

 private:
  zdv::IDefdatenSteuernummer& echt_;
};

// The office's number when the text names one that the directory lacks, else empty.
std::string fehlendesFinanzamt(const std::string& nummer) {
  const bool ziffern =
      std::all_of(nummer.begin(), nummer.end(), [](char c) { return c >= '0' && c <= '9'; });
  if ((nummer.size() != 4 && nummer.size() != 13) || !ziffern) return std::string();
  const std::string finanzamt = nummer.substr(0, 4);
  return dienst().existiertFinanzamt(std::stoi(finanzamt)) ? std::string() : finanzamt;
}

// The notice for a 13-digit tax number: only when it would be valid if its office existed.
bool waereGueltig(const std::string& steuernummer) {
  vesk::wex2::DefdatenSteuernummerImpl echt(&dienst());
  JedesFinanzamtBekannt angenommen(echt);
  try {
    return dvf::pruefeFeldtyp("Steuernummer", steuernummer, &angenommen, nullptr) == 0;
  } catch (const std::runtime_error&) {
    return false;  // a Land or district without a check-digit method
  }
}

}  // namespace

extern "C" const char* dv_finanzamt_feldname(int feld) {
  return feld >= 0 && feld < DV_FINANZAMT_FELDANZAHL ? FELDNAMEN[feld] : nullptr;
}

extern "C" int dv_finanzamt(int nummer, const char* felder[DV_FINANZAMT_FELDANZAHL]) {
  return ohneAusnahme([&] {
    if (felder == nullptr) return DV_FEHLER_NULL;
    const auto& alle = verzeichnis().finanzaemter;
    const auto it = alle.find(nummer);
    if (it == alle.end()) return DV_FEHLER_NICHT_GEFUNDEN;
    for (int i = 0; i < DV_FINANZAMT_FELDANZAHL; ++i) felder[i] = it->second[i].c_str();
    return DV_OK;
  });
}

extern "C" int dv_finanzamtsliste(int land, dv_listeneintrag* ziel, size_t anzahl) {
  return ohneAusnahme([&] {
    const auto& listen = verzeichnis().listen;
    const auto it = listen.find(land);
    if (it == listen.end()) return DV_FEHLER_NICHT_GEFUNDEN;
    if (ziel == nullptr && anzahl > 0) return DV_FEHLER_NULL;
    const std::vector<dv_listeneintrag>& liste = it->second;
    std::copy_n(liste.begin(), std::min(anzahl, liste.size()), ziel);
    return static_cast<int>(liste.size());
  });
}

extern "C" int dv_verzeichnishinweis(const char* feldtyp, const char* wert, size_t laenge,
                                     char* ziel, size_t groesse) {
  return ohneAusnahme([&] {
    if (feldtyp == nullptr || ziel == nullptr) return DV_FEHLER_NULL;
    if (groesse > 0) ziel[0] = '\0';
    const bool steuernummer = std::strcmp(feldtyp, "Steuernummer") == 0;
    if (!steuernummer && std::strcmp(feldtyp, "Bundesfinanzamtsnummer") != 0) {
      return DV_FEHLER_TYP;
    }
    std::string latin9;
    if (const int fehler = leseWert(wert, laenge, latin9)) return fehler;
    if (steuernummer && latin9.size() != 13) return 0;
    const std::string finanzamt = fehlendesFinanzamt(latin9);
    if (finanzamt.empty() || (steuernummer && !waereGueltig(latin9))) return 0;
    std::string text = "Finanzamt " + finanzamt +
                       " fehlt unter den Finanzämtern des eingebauten Verzeichnisses" +
                       (steuernummer ? "; sonst wäre die Steuernummer gültig." : ".");
    if (dvf::FINANZAMTSVERZEICHNIS_IST_ERSATZ) {
      text += std::string(" ") + dvf::FINANZAMTSVERZEICHNIS_HERKUNFT;
    }
    const int geschrieben = schreibe(text, ziel, groesse);
    return geschrieben != DV_OK ? geschrieben : static_cast<int>(std::strlen(ziel));
  });
}

extern "C" int dv_verzeichnisherkunft(const char** herkunft) {
  if (herkunft != nullptr) {
    try {
      static const std::string text = latin9AlsUtf8(dvf::FINANZAMTSVERZEICHNIS_HERKUNFT);
      *herkunft = text.c_str();
    } catch (...) {
      *herkunft = "";
    }
  }
  return dvf::FINANZAMTSVERZEICHNIS_IST_ERSATZ ? 1 : 0;
}
