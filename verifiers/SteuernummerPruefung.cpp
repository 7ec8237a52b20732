#include "verifiers/SteuernummerPruefung.h"

#include <algorithm>
#include <climits>

#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "verifiers/Muster.h"
#include "verifiers/Pruefziffern.h"
#include "verifiers/Pruefziffernverfahren.h"
#include "verifiers/SteuernummerAusnahmen.h"

namespace zudadavizu_20_0 {

namespace {

using Ids = IFeldtypVordefiniertFehlerIds;

constexpr std::size_t kBezirkBeginn = 5;
constexpr std::size_t kPruefzifferPosition = 12;

bool trifftNegativmuster(const std::string& wert, IDefdatenSteuernummer& defdaten, int land) {
  for (const auto& paar : defdaten.getNegativmuster(land)) {
    const std::string& muster = paar.first;
    const Muster* kompiliert = nullptr;
    try {
      kompiliert = &musterFuerThread(muster);
    } catch (const boost::xpressive::regex_error&) {
      throw UngueltigesNegativmuster(muster);
    }
    if (kompiliert->passt(wert)) return true;
  }
  return false;
}

bool pruefzifferPasst(const std::string& wert, const IPruefziffernverfahrenDefinition& definition) {
  const std::vector<int>& faktoren = definition.getFaktoren();
  if (faktoren.size() != 12) throw FalscheFaktorenanzahl();
  const int pruefziffer = wert[kPruefzifferPosition] - '0';
  const std::string& verfahren = definition.getVerfahren();
  if (verfahren == "11er-Verfahren") return elferVerfahren(wert, faktoren, pruefziffer);
  if (verfahren == "2er-Verfahren") {
    return zweierVerfahren(wert, faktoren, definition.getSummanden(), pruefziffer);
  }
  if (verfahren == "modifiziertes 11er-Verfahren") {
    return modifiziertesElferVerfahren(wert, faktoren, pruefziffer);
  }
  if (verfahren == "11er-Verfahren-NRW") return elferVerfahrenNrw(wert, faktoren, pruefziffer);
  return false;
}

}  // namespace

void leseZahl(const char* von, const char* bis, int& ziel) {
  if (von == bis) return;
  long long zahl = 0;
  for (const char* p = von; p != bis; ++p) {
    if (!istZiffer(*p)) return;
    zahl = zahl * 10 + (*p - '0');
    if (zahl > INT_MAX) return;
  }
  ziel = static_cast<int>(zahl);
}

int pruefeSteuernummerKern(const std::string& wert, IDefdatenSteuernummer& defdaten,
                           bool musterPasst, int buFaNummer, bool finanzamtBekannt) {
  if (!musterPasst) return Ids::STEUERNUMMER_MUSTER_FALSCH;
  if (!finanzamtBekannt) return Ids::STEUERNUMMER_FINANZAMT_UNBEKANNT;
  // Both patterns admit exactly 13 digits, so the Land key is the first two.
  const int land = zweiZiffern(wert, 0);

  // A negative count reads to the end, as a substring of that length would.
  const std::size_t stellenBezirk =
      static_cast<std::size_t>(defdaten.getFormatierung(land).getAnzahlStellenBezirk());
  const std::size_t bezirkEnde =
      kBezirkBeginn + std::min(stellenBezirk, wert.size() - kBezirkBeginn);
  int bezirk = -1;
  leseZahl(wert.data() + kBezirkBeginn, wert.data() + bezirkEnde, bezirk);
  if (bezirk == 0) return Ids::STEUERNUMMER_BEZIRK_NULL;

  if (trifftNegativmuster(wert, defdaten, land)) return Ids::STEUERNUMMER_NEGATIVMUSTER;

  const IPruefziffernverfahrenDefinition& definition =
      defdaten.getPruefziffernverfahrenDefinition(land, buFaNummer, bezirk);
  return pruefzifferPasst(wert, definition) ? 0 : Ids::STEUERNUMMER_PRUEFZIFFER_FALSCH;
}

}  // namespace zudadavizu_20_0
