#include "cli/Verzeichnishinweis.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxoffice/Verzeichnisherkunft.h"

namespace dvhost {

namespace {

namespace zdv = zudadavizu_20_0;

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

bool nurZiffern(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The office's number when the text names one that the directory lacks, else empty.
std::string fehlendesFinanzamt(vesk::plugin2::iface::IFinanzamtsdatenService& dienst,
                               const std::string& nummer) {
  if ((nummer.size() != 4 && nummer.size() != 13) || !nurZiffern(nummer)) return std::string();
  const std::string finanzamt = nummer.substr(0, 4);
  return dienst.existiertFinanzamt(std::stoi(finanzamt)) ? std::string() : finanzamt;
}

std::string hinweis(const std::string& finanzamt, const std::string& zusatz) {
  std::string text = "Finanzamt " + finanzamt +
                     " fehlt unter den Finanzämtern des eingebauten Verzeichnisses" + zusatz + ".";
  if (vesk::divideVira::FINANZAMTSVERZEICHNIS_IST_ERSATZ) {
    text += std::string(" ") + vesk::divideVira::FINANZAMTSVERZEICHNIS_HERKUNFT;
  }
  return text;
}

}  // namespace

std::string steuernummerHinweis(vesk::plugin2::iface::IFinanzamtsdatenService& dienst,
                                const std::string& steuernummer) {
  if (steuernummer.size() != 13) return std::string();
  const std::string finanzamt = fehlendesFinanzamt(dienst, steuernummer);
  if (finanzamt.empty()) return std::string();
  vesk::wex2::DefdatenSteuernummerImpl verzeichnis(&dienst);
  JedesFinanzamtBekannt angenommen(verzeichnis);
  try {
    if (vesk::divideVira::pruefeFeldtyp("Steuernummer", steuernummer, &angenommen, nullptr) != 0) {
      return std::string();
    }
  } catch (const std::exception&) {
    return std::string();  // a Land or district without a check-digit method
  }
  return hinweis(finanzamt, "; sonst wäre die Steuernummer gültig");
}

std::string finanzamtHinweis(vesk::plugin2::iface::IFinanzamtsdatenService& dienst,
                             const std::string& nummer) {
  const std::string finanzamt = fehlendesFinanzamt(dienst, nummer);
  return finanzamt.empty() ? std::string() : hinweis(finanzamt, "");
}

}  // namespace dvhost
