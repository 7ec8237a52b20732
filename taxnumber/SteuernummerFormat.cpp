#include "taxnumber/SteuernummerFormat.h"

namespace vesk::divideVira::fadat {

namespace {

// The weights, looked up only once the notation row is known to exist.
const Stellenwerte& faktorenNachZeile(int landNummer, int buFaNummer, int bezirk) {
  findeSteuernummerFormat(landNummer);
  return waehleFaktoren(landNummer, buFaNummer, bezirk);
}

}  // namespace

SteuernummerFormat::SteuernummerFormat(int landNummer)
    : zeile_(findeSteuernummerFormat(landNummer)) {}

SteuernummerFormat::SteuernummerFormat(int landNummer, int buFaNummer, int bezirk)
    : SteuernummerFormat(landNummer, faktorenNachZeile(landNummer, buFaNummer, bezirk)) {}

SteuernummerFormat::SteuernummerFormat(int landNummer, const Stellenwerte& faktoren)
    : zeile_(findeSteuernummerFormat(landNummer)), faktoren_(faktoren.begin(), faktoren.end()) {
  if (const Stellenwerte* summanden = waehleSummanden(landNummer)) {
    summanden_.assign(summanden->begin(), summanden->end());
  }
}

}  // namespace vesk::divideVira::fadat
