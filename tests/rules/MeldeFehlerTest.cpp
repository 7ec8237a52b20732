#include <gtest/gtest.h>

#include <stdexcept>

#include "Kontext.h"
#include "rules/Fehlermeldung.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "rules/IFormaleFehlerConstants.h"
#include "rules/VastFehlerLookup.h"

namespace zudadavizu_20_0 {
namespace {

using Ids = IFeldtypVordefiniertFehlerIds;

TEST(MeldeFehler, ErsetztFeldUndZeichnetAuf) {
  TestKontext t;
  const std::string vorlage = feldtypTexte(Ids::UNGUELTIGE_STEUERNUMMER, 1001, t.kontext);
  EXPECT_EQ(meldeFehler(Ids::UNGUELTIGE_STEUERNUMMER, vorlage, t.kontext), 1);
  const auto eintraege = t.ergebnis.getEintraege();
  ASSERT_EQ(eintraege.size(), 1u);
  const ErgebnisEintrag& e = eintraege.front();
  // The field reference of ("unbenannt", [1, 1], -2) is unbenannt/1.1 between the '$' marks.
  EXPECT_EQ(e.text, "Feld '$unbenannt/1.1$': Sie haben eine ungültige Steuernummer angegeben.");
  EXPECT_EQ(e.schluessel, "ungueltigeSteuernummer");
  EXPECT_EQ(e.art, "formalePruefung");
  EXPECT_EQ(e.markierung, 0);
  EXPECT_EQ(e.stufe, 1);
  for (const IdentifierImpl* feld : {&e.feld, &e.bezugsfeld}) {
    EXPECT_EQ(feld->getName(), "unbenannt");
    EXPECT_EQ(feld->getIndizes(), (std::vector<int>{1, 1}));
    EXPECT_EQ(feld->getNummer(), -2);
  }
}

TEST(MeldeFehler, StatusUndOhneErgebnis) {
  // Status 2 only for the test identification number notice; ohneErgebnis records nothing
  // but keeps the status.
  const struct {
    const std::string& key;
    bool ohneErgebnis;
    int status;
    unsigned eintraege;
  } faelle[] = {
      {Ids::TEST_ID_NUMMER, false, 2, 1},
      {Ids::TEST_ID_NUMMER, true, 2, 0},
      {Ids::UNGUELTIGE_IBAN, false, 1, 1},
      {Ids::UNGUELTIGE_IBAN, true, 1, 0},
      {IFormaleFehlerConstants::DATUM_FALSCH, false, 1, 1},
  };
  for (const auto& fall : faelle) {
    TestKontext t;
    t.kontext.ohneErgebnis = fall.ohneErgebnis;
    EXPECT_EQ(meldeFehler(fall.key, "Feld '$%1$' x", t.kontext), fall.status) << fall.key;
    EXPECT_EQ(t.ergebnis.anzahl(1), fall.eintraege) << fall.key;
  }
}

TEST(MeldeFehler, JedesProzentEinsWirdErsetzt) {
  // Literal replacement of every "%1", also at the start of %10 to %14; %7 stays.
  TestKontext t;
  IdentifierImpl feld("Betrag", {4, 2, 7}, 3);
  t.kontext.identifier = &feld;
  meldeFehler("x", "%1|'$%1$'|%10|%7|%2", t.kontext);
  EXPECT_EQ(t.ergebnis.getEintraege().at(0).text,
            "Betrag/4.7@3|'$Betrag/4.7@3$'|Betrag/4.7@30|%7|%2");
}

TEST(MeldeFehler, UnvollstaendigerKontext) {
  TestKontext ohneDaten;
  ohneDaten.kontext.daten = nullptr;
  EXPECT_THROW(meldeFehler("x", "%1", ohneDaten.kontext), std::invalid_argument);
  TestKontext ohneErgebnis;
  ohneErgebnis.kontext.ergebnis = nullptr;
  EXPECT_THROW(meldeFehler("x", "%1", ohneErgebnis.kontext), std::invalid_argument);
  ohneErgebnis.kontext.ohneErgebnis = true;
  EXPECT_EQ(meldeFehler("x", "%1", ohneErgebnis.kontext), 1);
}

TEST(MeldeFehler, WortlautNachVastModus) {
  // Id 7 and the nationwide tax number differ between the two wordings; id 50 does not.
  TestKontext t;
  const DefaultFehlerLookup standard;
  const VastFehlerLookup vast;
  for (bool vastModus : {false, true}) {
    t.kontext.vastModus = vastModus;
    const DefaultFehlerLookup& erwartet = vastModus ? vast : standard;
    for (int id : {7, 50}) EXPECT_EQ(formaleTexte(id, t.kontext), erwartet.getText(id));
    EXPECT_EQ(feldtypTexte(Ids::UNGUELTIGE_BUNDESSTEUERNUMMER, 301, t.kontext),
              erwartet.getFeldtypText(Ids::UNGUELTIGE_BUNDESSTEUERNUMMER, 301));
  }
  EXPECT_NE(standard.getText(7), vast.getText(7));
}

}  // namespace
}  // namespace zudadavizu_20_0
