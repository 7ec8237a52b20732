// The field type dispatcher: results, recorded messages, the VAST skip set and conversions.
#include <gtest/gtest.h>

#include <stdexcept>

#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/FeldtypRegistry.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace zudadavizu_20_0 {
namespace {

Darstellungsinformation konvertiere(const char* wert) {
  Darstellungsinformation info;
  info.setze("KonvertiereSteuernummer", "", wert);
  return info;
}

// The context the service builds for one value.
struct Kontext {
  IdentifierImpl identifier{"unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER};
  DatenImpl daten;
  ErgebnisFacade ergebnis;
  LoggerUtilImpl loggerImpl;
  ValidationLogger logger{loggerImpl};
  Darstellung ohne{',', Darstellungsinformation(), 2099};
  Darstellung mit{',', konvertiere("j"), 2099};
  vesk::divideVira::FinanzamtsdatenService service{nullptr, nullptr};
  vesk::wex2::DefdatenSteuernummerImpl defdaten{&service};
  Pruefkontext kontext;

  explicit Kontext(const std::string& wert) {
    kontext.wert = wert;
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &ohne;
    kontext.defdaten = &defdaten;
    kontext.logger = &logger;
    kontext.daten = &daten;
  }
  // "fehlerId status geprueft" of the dispatcher's result.
  std::string pruefe(const std::string& typ) {
    PruefResultat r{-1, -1, -1};
    FeldtypRegistry(typ).pruefe(r, kontext);
    return std::to_string(r.fehlerId) + " " + std::to_string(r.status) + " " +
           std::to_string(r.geprueft);
  }
};

// What the lean path does not do: the VAST skip set, recorded notices and conversions. The
// results of ordinary checks are compared with the lean path in DifferenzTest.
TEST(FeldtypRegistry, Pruefe) {
  const struct {
    const char *typ, *wert;
    bool vast, konvertiert;
    const char* resultat;
    const char* schluessel;  // of the one recorded entry, or null
  } faelle[] = {
      {"IBAN", "DE89370400440532013001", true, false, "604 1 1", nullptr},
      // A valid test identification number (p ends at 10, check digit 1) becomes a notice.
      {"IDNr", "02345678901", false, false, "0 2 0", "testIDNummer"},
      // VAST skips the types that read tax data: nothing checked.
      {"Steuernummer", "1121081508150", true, false, "0 0 0", nullptr},
      {"Bundesfinanzamtsnummer", "1121", true, false, "0 0 0", nullptr},
      {"Bundessteuernummer", "9116080123456", true, false, "0 0 0", nullptr},
      {"Laenderkuerzel", "BY", true, false, "0 0 0", nullptr},
      // A failed conversion ('@' last: before the definitions are read) is recorded under the
      // type's key; the nationwide tax number converts as identity and verify rejects it.
      {"Steuernummer", "27/123/45678@", false, true, "0 1 0", "ungueltigeSteuernummer"},
      {"Bundessteuernummer", "27/123/45678@", false, true, "301 1 1", nullptr},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::string(fall.typ) + " " + fall.wert);
    Kontext k(fall.wert);
    k.kontext.vastModus = fall.vast;
    if (fall.konvertiert) k.kontext.darstellung = &k.mit;
    EXPECT_EQ(k.pruefe(fall.typ), fall.resultat);
    const auto eintraege = k.ergebnis.getEintraege();
    ASSERT_EQ(eintraege.size(), fall.schluessel == nullptr ? 0u : 1u);
    if (fall.schluessel != nullptr) {
      EXPECT_EQ(eintraege[0].schluessel, fall.schluessel);
    }
  }
  Kontext notiz("02345678901");
  notiz.pruefe("IDNr");
  EXPECT_EQ(notiz.ergebnis.getEintraege().at(0).text,
            "Feld '$unbenannt/1.1$' ist eine Test-Identifikationsnummer und nur für den "
            "Testbetrieb zugelassen.");
  notiz.kontext.ohneErgebnis = true;
  EXPECT_EQ(notiz.pruefe("IDNr"), "0 2 0");
  EXPECT_EQ(notiz.ergebnis.getEintraege().size(), 1u);
  // The key spelt with umlauts must come out as ISO-8859-15 like the lookups' keys.
  EXPECT_EQ(FeldtypRegistry("Laenderkuerzel").getFehlerSchluessel(),
            "ungueltigesL\xE4nderk\xFCrzel");
  EXPECT_THROW(Kontext("x").pruefe("iban"), std::runtime_error);
}

TEST(FeldtypRegistry, Konvertiere) {
  // No definitions: a tax number conversion that reached the verifier would throw.
  const Kontext k("");
  EXPECT_EQ(FeldtypRegistry("IBAN").konvertiere("", k.mit, true, nullptr),
            KonvertierungsErgebnis("", "Wert mit der Länge 0 wird nicht konvertiert."));
  const Darstellung grossJ(',', konvertiere("J"), 2099);
  for (const Darstellung* d : {&k.ohne, &grossJ}) {
    EXPECT_EQ(FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", *d, false, nullptr),
              KonvertierungsErgebnis("27/123/45678@27", ""));
  }
  EXPECT_THROW(FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", k.mit, true, nullptr),
               std::runtime_error);
}

}  // namespace
}  // namespace zudadavizu_20_0
