#include "taxnumber/SteuernummerFormat.h"

namespace vesk::divideVira::fadat {

SteuernummerFormat::SteuernummerFormat(int landNummer)
    : zeile_(findeSteuernummerFormat(landNummer)) {}

SteuernummerFormat::SteuernummerFormat(int landNummer, int buFaNummer, int bezirk)
    : zeile_(findeSteuernummerFormat(landNummer)) {
  const Stellenwerte& faktoren = waehleFaktoren(landNummer, buFaNummer, bezirk);
  faktoren_.assign(faktoren.begin(), faktoren.end());
  if (const Stellenwerte* summanden = waehleSummanden(landNummer)) {
    summanden_.assign(summanden->begin(), summanden->end());
  }
}

}  // namespace vesk::divideVira::fadat
