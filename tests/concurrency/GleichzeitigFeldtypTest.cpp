// The module's checks run through the rules library's dispatcher, whose verifiers are shared
// singletons with caches (compiled patterns, the VAT validator registry): all eleven field types
// through it from eight threads, from the first use on.
// The only test of its binary: the process must not have used the library before.
#include <memory>

#include "concurrency/Gleichzeitig.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxofficeservice/FinanzamtsdatenService.h"

namespace dvtest {
namespace {

using namespace vesk::divideVira;

TEST(GleichzeitigeFeldtypen, AchtThreadsAbDerErstenPruefung) {
  const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst(
      erzeugeFinanzamtsdatenService(nullptr, nullptr));
  vesk::plugin2::iface::IFinanzamtsdatenService* d = dienst.get();
  std::vector<Aufgabe> aufgaben;
  for (std::string typ :
       {"Steuernummer", "Bundessteuernummer", "Bundesfinanzamtsnummer", "Laenderkuerzel", "IDNr",
        "UStIdNr", "IBAN", "BIC", "EMail", "DATUM_MMJJ", "DATUM_TTMMJJ"}) {
    aufgaben.push_back({typ, {}, [=](const std::string& wert) {
                          vesk::wex2::DefdatenSteuernummerImpl definitionen(d);
                          std::string meldung;
                          const int code = pruefeFeldtyp(typ, wert, &definitionen, &meldung);
                          return std::to_string(code) + meldung;
                        }});
  }
  // Sound only if the checks ran: the first input is a published sample IBAN.
  EXPECT_EQ(pruefeGleichzeitig(aufgaben).at("IBAN").substr(0, 2), "0;");
}

}  // namespace
}  // namespace dvtest
