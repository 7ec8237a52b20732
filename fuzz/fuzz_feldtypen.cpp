// Every field type's check answers with a code for any value; a valid tax
// number survives the conversion to its Land notation and back unchanged.
#include <cstdlib>
#include <memory>

#include "fuzz/Definitionsfehler.h"
#include "fuzz/FuzzEingabe.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxofficeservice/FinanzamtsdatenService.h"

using namespace vesk::divideVira;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static const char* kTypen[] = {"IDNr",           "Steuernummer", "Bundesfinanzamtsnummer",
                                 "Laenderkuerzel", "UStIdNr",      "Bundessteuernummer",
                                 "EMail",          "IBAN",         "BIC",
                                 "DATUM_MMJJ",     "DATUM_TTMMJJ"};
  static std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst(
      erzeugeFinanzamtsdatenService(nullptr, nullptr));
  dvfuzz::Eingabe eingabe(daten, groesse);
  const std::string typ = kTypen[eingabe.byte() % 11];
  const std::string wert = eingabe.rest();
  vesk::wex2::DefdatenSteuernummerImpl defdaten(dienst.get());

  dvfuzz::mitDefinitionsfehlern([&] {
    std::string meldung;
    const int code = pruefeFeldtyp(typ, wert, &defdaten, &meldung);
    if (code != 0 && meldung.empty()) std::abort();
    if (typ != "Steuernummer" || code != 0) return;
    std::string fehler;
    const std::string landesform = konvertiereFeldtyp(wert, true, defdaten, fehler);
    if (landesform.empty() || landesform.find('@') == std::string::npos) std::abort();
    const std::string zurueck = konvertiereFeldtyp(landesform, false, defdaten, fehler);
    if (zurueck != wert) std::abort();
  });
  // Conversions of arbitrary text fail with a message, never silently.
  dvfuzz::mitDefinitionsfehlern([&] {
    std::string meldung;
    for (bool rueckwaerts : {false, true}) {
      const std::string t =
          konvertiereFeldtyp(wert + "@" + wert.substr(0, 2), rueckwaerts, defdaten, meldung);
      if (t.empty() && meldung.empty()) std::abort();
    }
  });
  return 0;
}
