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

Darstellungsinformation mitKonvertierung(const char* wert) {
  Darstellungsinformation info;
  info.setze("KonvertiereSteuernummer", "", wert);
  return info;
}

// The context the service builds, with switches for the cases under test.
struct Kontext {
  IdentifierImpl identifier{"unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER};
  DatenImpl daten;
  ErgebnisFacade ergebnis;
  LoggerUtilImpl loggerImpl;
  ValidationLogger logger{loggerImpl};
  Darstellung ohne{',', Darstellungsinformation(), 2099};
  Darstellung mit{',', mitKonvertierung("j"), 2099};
  Pruefkontext kontext;

  explicit Kontext(const std::string& wert, IDefdatenSteuernummer* defdaten = nullptr) {
    kontext.wert = wert;
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &ohne;
    kontext.defdaten = defdaten;
    kontext.logger = &logger;
    kontext.daten = &daten;
  }
  PruefResultat pruefe(const std::string& typ) {
    PruefResultat out{-1, -1, -1};
    FeldtypRegistry(typ).pruefe(out, kontext);
    return out;
  }
};

void erwarte(const PruefResultat& r, int fehlerId, int status, int geprueft) {
  EXPECT_EQ(r.fehlerId, fehlerId);
  EXPECT_EQ(r.status, status);
  EXPECT_EQ(r.geprueft, geprueft);
}

TEST(FeldtypRegistry, VerifierResultIsPassedThroughWithoutEntry) {
  const struct {
    const char* typ;
    const char* wert;
    int fehlerId;
  } faelle[] = {
      {"IBAN", "DE89370400440532013000", 0},
      {"IBAN", "DE89370400440532013001", 604},
      {"BIC", "DEUTDEFF", 0},
      {"BIC", "DEUTDEF", 101},
      {"IDNr", "86095742719", 0},
      {"IDNr", "8609574271", 703},
  };
  for (const auto& fall : faelle) {
    Kontext k(fall.wert);
    erwarte(k.pruefe(fall.typ), fall.fehlerId, 1, 1);
    EXPECT_TRUE(k.ergebnis.getEintraege().empty()) << fall.typ << " " << fall.wert;
  }
}

TEST(FeldtypRegistry, TestIdentificationNumberBecomesNotice) {
  Kontext k("02345678901");  // valid, check digit computed by hand (p ends at 10, c = 1)
  erwarte(k.pruefe("IDNr"), 0, 2, 0);
  auto eintraege = k.ergebnis.getEintraege();
  ASSERT_EQ(eintraege.size(), 1u);
  EXPECT_EQ(eintraege[0].schluessel, "testIDNummer");
  EXPECT_EQ(eintraege[0].art, "formalePruefung");
  EXPECT_EQ(eintraege[0].markierung, 0);
  EXPECT_EQ(eintraege[0].text,
            "Feld '$unbenannt/1.1$' ist eine Test-Identifikationsnummer und nur für den "
            "Testbetrieb zugelassen.");

  Kontext falsch("02345678902");
  erwarte(falsch.pruefe("IDNr"), 704, 1, 1);
  EXPECT_TRUE(falsch.ergebnis.getEintraege().empty());

  Kontext ohneErgebnis("02345678901");
  ohneErgebnis.kontext.ohneErgebnis = true;
  erwarte(ohneErgebnis.pruefe("IDNr"), 0, 2, 0);
  EXPECT_TRUE(ohneErgebnis.ergebnis.getEintraege().empty());
}

TEST(FeldtypRegistry, VastModeSkipsTheTaxDataTypesOnly) {
  VerboteneDefdaten defdaten;
  // Each value gets far enough in its verifier to consult the definitions.
  const std::pair<const char*, const char*> faelle[] = {{"Steuernummer", "1121081508150"},
                                                        {"Bundesfinanzamtsnummer", "1121"},
                                                        {"Bundessteuernummer", "9116080123456"},
                                                        {"Laenderkuerzel", "BY"}};
  for (const auto& [typ, wert] : faelle) {
    Kontext k(wert, &defdaten);
    EXPECT_THROW(k.pruefe(typ), std::logic_error) << typ << " consults defdaten";
    k.kontext.vastModus = true;
    erwarte(k.pruefe(typ), 0, 0, 0);
    EXPECT_TRUE(k.ergebnis.getEintraege().empty());
  }
  Kontext iban("DE89370400440532013001");
  iban.kontext.vastModus = true;
  erwarte(iban.pruefe("IBAN"), 604, 1, 1);
}

TEST(FeldtypRegistry, FailedConversionIsRecordedUnderTheTypesKey) {
  VerboteneDefdaten defdaten;
  Kontext k("27/123/45678@", &defdaten);  // '@' last: fails before the definitions are read
  k.kontext.darstellung = &k.mit;
  erwarte(k.pruefe("Steuernummer"), 0, 1, 0);
  auto eintraege = k.ergebnis.getEintraege();
  ASSERT_EQ(eintraege.size(), 1u);
  EXPECT_EQ(eintraege[0].schluessel, "ungueltigeSteuernummer");
  EXPECT_EQ(eintraege[0].text,
            "Feld '$unbenannt/1.1$': Sie haben eine ungültige Steuernummer angegeben.");

  // The nationwide tax number converts as identity; verify then rejects the raw value.
  Kontext bund("27/123/45678@", &defdaten);
  bund.kontext.darstellung = &bund.mit;
  erwarte(bund.pruefe("Bundessteuernummer"), 301, 1, 1);
  EXPECT_TRUE(bund.ergebnis.getEintraege().empty());
}

TEST(FeldtypRegistry, ErrorKeysOfAllTypes) {
  const std::pair<const char*, const char*> schluessel[] = {
      {"EMail", "ungueltigeEmail"},
      {"BIC", "ungueltigeBIC"},
      {"IBAN", "ungueltigeIBAN"},
      {"DATUM_MMJJ", "ungueltigesDatumMMJJ"},
      {"DATUM_TTMMJJ", "ungueltigesDatumTTMMJJ"},
      {"IDNr", "ungueltigeIDNummer"},
      {"UStIdNr", "ungueltigeUStIDNr"},
      {"Steuernummer", "ungueltigeSteuernummer"},
      {"Bundesfinanzamtsnummer", "ungueltigeBundesfinanzamtsnummer"},
      {"Laenderkuerzel", "ungueltigesLänderkürzel"},
      {"Bundessteuernummer", "ungueltigeBundessteuernummer"},
  };
  for (const auto& [typ, key] : schluessel)
    EXPECT_EQ(FeldtypRegistry(typ).getFehlerSchluessel(), key);
  try {
    FeldtypRegistry("iban").getFehlerSchluessel();
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "FeldtypName nicht untersützt!");
  }
  Kontext k("DE89370400440532013000");
  try {
    k.pruefe("iban");
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Ungültiger Vordefinierter Typ");
  }
}

TEST(FeldtypRegistry, ConversionRules) {
  Kontext k("");
  // Null definitions: a tax number conversion that reached the verifier would throw.
  EXPECT_EQ(FeldtypRegistry("Steuernummer").konvertiere("", k.mit, false, nullptr),
            KonvertierungsErgebnis("", "Wert mit der Länge 0 wird nicht konvertiert."));
  EXPECT_EQ(FeldtypRegistry("IBAN").konvertiere("", k.mit, true, nullptr),
            KonvertierungsErgebnis("", "Wert mit der Länge 0 wird nicht konvertiert."));
  EXPECT_EQ(FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", k.ohne, false, nullptr),
            KonvertierungsErgebnis("27/123/45678@27", ""));
  Darstellung grossJ(',', mitKonvertierung("J"), 2099);
  EXPECT_EQ(FeldtypRegistry("Steuernummer").konvertiere("2712345678", grossJ, true, nullptr),
            KonvertierungsErgebnis("2712345678", ""));
  EXPECT_EQ(FeldtypRegistry("IBAN").konvertiere("de 89", k.mit, false, nullptr),
            KonvertierungsErgebnis("de 89", ""));
  EXPECT_THROW(
      FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", k.mit, false, nullptr),
      std::runtime_error);
  EXPECT_THROW(FeldtypRegistry("Steuernummer").konvertiere("2712345678", k.mit, true, nullptr),
               std::runtime_error);
}

}  // namespace
}  // namespace zudadavizu_20_0
