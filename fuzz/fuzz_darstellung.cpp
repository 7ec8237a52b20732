// Any display information either builds a Darstellung or is rejected with the
// library's own exceptions; a built one holds only legal values.
#include <cstdlib>

#include "fuzz/FuzzEingabe.h"
#include "rules/Darstellung.h"
#include "rules/RulesExceptions.h"

using namespace zudadavizu_20_0;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  dvfuzz::Eingabe eingabe(daten, groesse);
  const char standardTrenner = static_cast<char>(eingabe.byte());
  Darstellungsinformation info;
  // Lines of "Schluessel=Wert"; an empty key must be refused, not stored.
  while (!eingabe.leer()) {
    const std::string zeile = eingabe.bisTrenner('\n');
    const size_t gleich = zeile.find('=');
    const std::string schluessel = zeile.substr(0, gleich);
    const std::string wert = gleich == std::string::npos ? "" : zeile.substr(gleich + 1);
    try {
      info.setze(schluessel, "", wert);
      if (schluessel.empty()) std::abort();
    } catch (const std::runtime_error&) {
      if (!schluessel.empty()) std::abort();
    }
  }
  try {
    Darstellung darstellung(standardTrenner, info, 2099);
    const char trenner = darstellung.getDezimalTrenner();
    if (darstellung.istDezimalTrennerGesetzt() ? (trenner != '.' && trenner != ',')
                                               : trenner != standardTrenner) {
      std::abort();
    }
    if (darstellung.istKonvertiereSteuernummer() != (info.wertVon("KonvertiereSteuernummer") == "j")) {
      std::abort();
    }
  } catch (const UngueltigeDarstellungsInformationException&) {
  }
  return 0;
}
