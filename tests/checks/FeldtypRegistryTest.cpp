// The field type dispatcher: results, recorded messages, the VAST skip set and conversions.
#include <gtest/gtest.h>

#include <stdexcept>

#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/FeldtypRegistry.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"

namespace zudadavizu_20_0 {
namespace {

// Tax number definitions that fail the test as soon as a verifier consults them.
class VerboteneDefdaten : public IDefdatenSteuernummer {
 public:
  [[noreturn]] static void verboten() { throw std::logic_error("verifier consulted defdaten"); }
  const IFormatierung& getFormatierung(int) override { verboten(); }
  bool existiertFinanzamt(int) override { verboten(); }
  const IPruefziffernverfahrenDefinition& getPruefziffernverfahrenDefinition(int, int,
                                                                             int) override {
    verboten();
  }
  const IFinanzamtAdresse& getFinanzamtAdresse(int) override { verboten(); }
  std::string getBundeslandKuerzel(int) override { verboten(); }
  const std::vector<std::pair<std::string, std::string>>& getNegativmuster(int) override {
    verboten();
  }
  bool istBundeslandKuerzel(const std::string&) override { verboten(); }
};

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
  VerboteneDefdaten verboten;
  Pruefkontext kontext;

  explicit Kontext(const std::string& wert) {
    kontext.wert = wert;
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &ohne;
    kontext.defdaten = &verboten;
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

TEST(FeldtypRegistry, Pruefe) {
  const struct {
    const char *typ, *wert;
    bool vast, konvertiert;
    const char* resultat;
    const char* schluessel;  // of the one recorded entry, or null
  } faelle[] = {
      // A verifier's code is passed through without an entry.
      {"IBAN", "DE89370400440532013000", false, false, "0 1 1", nullptr},
      {"IBAN", "DE89370400440532013001", false, false, "604 1 1", nullptr},
      {"IBAN", "DE89370400440532013001", true, false, "604 1 1", nullptr},
      {"IDNr", "8609574271", false, false, "703 1 1", nullptr},
      // A valid test identification number (p ends at 10, check digit 1) becomes a notice.
      {"IDNr", "02345678901", false, false, "0 2 0", "testIDNummer"},
      {"IDNr", "02345678902", false, false, "704 1 1", nullptr},
      // VAST skips the types that read tax data; each value here would consult them.
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
    if (fall.vast && fall.resultat == std::string("0 0 0")) {
      EXPECT_THROW(Kontext(fall.wert).pruefe(fall.typ), std::logic_error) << "not skipped";
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
  try {
    Kontext("x").pruefe("iban");
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Ungültiger Vordefinierter Typ");
  }
}

TEST(FeldtypRegistry, FehlerSchluessel) {
  // The key spelt with umlauts, which must come out as ISO-8859-15 like the lookups' keys.
  EXPECT_EQ(FeldtypRegistry("Laenderkuerzel").getFehlerSchluessel(),
            "ungueltigesL\xE4nderk\xFCrzel");
  EXPECT_EQ(FeldtypRegistry("IDNr").getFehlerSchluessel(), "ungueltigeIDNummer");
  try {
    FeldtypRegistry("iban").getFehlerSchluessel();
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "FeldtypName nicht untersützt!");
  }
}

TEST(FeldtypRegistry, Konvertiere) {
  // Null definitions: a tax number conversion that reached the verifier would throw.
  const Kontext k("");
  const Darstellung grossJ(',', konvertiere("J"), 2099);
  const KonvertierungsErgebnis leer("", "Wert mit der Länge 0 wird nicht konvertiert.");
  EXPECT_EQ(FeldtypRegistry("Steuernummer").konvertiere("", k.mit, false, nullptr), leer);
  EXPECT_EQ(FeldtypRegistry("IBAN").konvertiere("", k.mit, true, nullptr), leer);
  const struct {
    const char* typ;
    const Darstellung& darstellung;
    const char* wert;
  } unveraendert[] = {{"Steuernummer", k.ohne, "27/123/45678@27"},
                      {"Steuernummer", grossJ, "2712345678"},
                      {"IBAN", k.mit, "de 89"}};
  for (const auto& fall : unveraendert) {
    EXPECT_EQ(FeldtypRegistry(fall.typ).konvertiere(fall.wert, fall.darstellung, false, nullptr),
              KonvertierungsErgebnis(fall.wert, ""));
  }
  for (bool rueckwaerts : {false, true}) {
    EXPECT_THROW(
        FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", k.mit, rueckwaerts, nullptr),
        std::runtime_error);
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
