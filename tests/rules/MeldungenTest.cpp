// The lookups' catalogues (invariants and quoted rows), meldeFehler, and what it records into:
// identifiers (text form, order), data (first value kept), results (ownership, counts).
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "rules/Fehlermeldung.h"
#include "rules/UtilFehlerLookup.h"
#include "rules/VastFehlerLookup.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

template <class F>
std::string ausnahme(F aufruf) {
  try {
    aufruf();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "keine";
}

const DefaultFehlerLookup standard;
const VastFehlerLookup vast;
const UtilFehlerLookup util;

TEST(Fehlerkatalog, FormaleTexte) {
  // Ids that VAST words differently, from the message catalogue.
  const std::set<int> vastEigen = {7,  8,  10, 15, 16, 20, 21, 22, 23, 24,
                                   25, 31, 32, 35, 36, 37, 43, 44, 48, 49};
  for (int id = 1; id <= 68; ++id) {
    const std::string text = standard.getText(id), vastText = vast.getText(id);
    // The fiscal-year texts (65 to 68) name no field; the date texts give the format as %7.
    EXPECT_EQ(text.find("'$%1$'") != std::string::npos, id < 65) << id;
    const bool datum = id == 50 || id == 51 || (id >= 62 && id <= 64);
    EXPECT_TRUE(!datum || text.find("%7") != std::string::npos) << id;
    EXPECT_EQ(text.find('\xC3'), std::string::npos) << id;  // ISO-8859-15, not UTF-8
    EXPECT_EQ(vastText != text, vastEigen.count(id) == 1) << id;
  }
  EXPECT_EQ(standard.getText(15),
            "Der im Feld '$%1$' eingegebene Wert muss gr\xF6\xDF"
            "er als 0 sein.");
  EXPECT_EQ(vast.getText(25), vast.getText(24));
  EXPECT_EQ(
      vast.getText(48),
      "Der im Feld '$%1$' enthaltene Wert darf nur '%13' (für Ja) oder '%14' (für Nein) sein.");
  EXPECT_EQ(standard.getText(0) + vast.getText(0), "");
  EXPECT_EQ(ausnahme([] { standard.getText(69); }), "Unbekannte fehlerId '69'\n");
  EXPECT_EQ(ausnahme([] { vast.getText(-1); }), "Unbekannte fehlerId '-1'\n");
}

TEST(Fehlerkatalog, FeldtypTexte) {
  // Each key, its ids and the next id, which has no text unless the key's text serves every id.
  const struct {
    const char* key;
    int von, bis;
    bool jedeId;
  } schluessel[] = {{"ungueltigeBIC", 101, 102, false},
                    {"ungueltigeBundesfinanzamtsnummer", 201, 202, false},
                    {"ungueltigeBundessteuernummer", 301, 301, true},
                    {"ungueltigesDatumMMJJ", 401, 401, true},
                    {"ungueltigesDatumTTMMJJ", 401, 401, true},
                    {"ungueltigeEmail", 501, 501, true},
                    {"ungueltigeIBAN", 601, 604, false},
                    {"ungueltigeIDNummer", 701, 704, true},
                    {"ungueltigesLänderkürzel", 801, 801, true},
                    {"ungueltigeUStIDNr", 901, 905, false},
                    {"ungueltigeSteuernummer", 1001, 1005, true}};
  const std::string feld = "Feld '$%1$': ";
  for (const auto& s : schluessel) {
    for (int id = s.von; id <= s.bis + s.jedeId; ++id) {
      const std::string text = standard.getFeldtypText(s.key, id);
      EXPECT_NE(text.find("'$%1$'"), std::string::npos) << s.key << id;
      EXPECT_EQ(util.getFeldtypText(s.key, id),
                text.compare(0, feld.size(), feld) == 0 ? text.substr(feld.size()) : text);
      if (std::string(s.key) != "ungueltigeBundessteuernummer") {
        EXPECT_EQ(vast.getFeldtypText(s.key, id), text) << s.key << id;
      }
    }
    EXPECT_EQ(standard.getFeldtypText(s.key, 0) + util.getFeldtypText(s.key, 0), "");
    if (!s.jedeId) {
      EXPECT_THROW(vast.getFeldtypText(s.key, s.bis + 1), std::runtime_error) << s.key;
    }
  }
  EXPECT_EQ(ausnahme([] { util.getFeldtypText("ungueltigeIBAN", 605); }),
            "Unbekannte Kombination aus errorKey 'ungueltigeIBAN' und fehlerId '605'\n");
  EXPECT_EQ(standard.getFeldtypText("ungueltigeIBAN", 604),
            "Feld '$%1$': Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN führt zu "
            "einer abweichenden Prüfziffer.");
  EXPECT_EQ(util.getFeldtypText("ungueltigeSteuernummer", 12345),
            "Sie haben eine ungültige Steuernummer angegeben.");
  // VAST words the nationwide tax number for every id, 0 included.
  EXPECT_EQ(vast.getFeldtypText("ungueltigeBundessteuernummer", 0),
            "Feld '$%1$': Die angegebene Bundessteuernummer ist ungültig.");
  EXPECT_EQ(standard.getFeldtypText("gibtEsNicht", 0), "");
  EXPECT_THROW(util.getFeldtypText("testIDNummer", 1), std::runtime_error);
}

TEST(MeldeFehler, ErsetztJedesProzentEinsUndZeichnetAuf) {
  TestKontext t;
  IdentifierImpl feld("Betrag", {4, 2, 7}, 3);
  t.kontext.identifier = &feld;
  t.kontext.vastModus = true;
  // Literal replacement of every "%1", also at the start of %10 to %14.
  EXPECT_EQ(meldeFehler("ungueltigeIBAN", formaleTexte(7, t.kontext) + "|%10|%7", t.kontext), 1);
  const auto e = t.ergebnis.getEintraege();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].text,
            "Feld '$Betrag/4.7@3$': Unzulässiges Vorzeichen. Werte dürfen keine Vorzeichen "
            "enthalten.|Betrag/4.7@30|%7");
  EXPECT_EQ(e[0].schluessel + " " + e[0].art + " " + e[0].bezugsfeld.getName(),
            "ungueltigeIBAN formalePruefung Betrag");
  EXPECT_EQ(e[0].markierung * 10 + e[0].stufe, 1);
  EXPECT_EQ(feldtypTexte("ungueltigeBundessteuernummer", 301, t.kontext),
            vast.getFeldtypText("ungueltigeBundessteuernummer", 301));
  // Status 2 only for the test identification number notice; ohneErgebnis records nothing.
  t.kontext.ohneErgebnis = true;
  EXPECT_EQ(meldeFehler("testIDNummer", "x", t.kontext), 2);
  EXPECT_EQ(t.ergebnis.anzahl(1), 1u);
  t.kontext.daten = nullptr;
  EXPECT_THROW(meldeFehler("x", "%1", t.kontext), std::invalid_argument);
}

TEST(IdentifierImpl, TextUndOrdnung) {
  // By hand: name "/" first index "." (last index, or 1 for one index) ["@" number]; order by
  // name bytewise, then number (signed), then indices with a proper prefix first.
  const DatenImpl d;
  EXPECT_EQ(d.toText(IdentifierImpl("Feld", {2, 5, 9}, -2)) + d.toText(IdentifierImpl("F", {3}, 7)),
            "Feld/2.9F/3.1@7");
  EXPECT_EQ(d.toText(IdentifierImpl("L", std::vector<int>{9, 1, 2}, false)), "L/1.2@9");
  const struct {
    IdentifierImpl a, b;
    bool kleiner, groesser;
  } faelle[] = {
      {{"A", {9}, 9}, {"B", {1}, 1}, true, false},
      {{"Z", {1}, 1}, {"\xE4", {1}, 1}, true, false},  // ä (0xE4) sorts after ASCII
      {{"A", {5}, -3}, {"A", {1}, -2}, true, false},
      {{"A", {1}, -2}, {"A", {1, 1}, -2}, true, false},
      {{"A", {1, 2}, -2}, {"A", {1, 1, 5}, -2}, false, true},
      {{"A", {1, 1}, 4}, {"A", {1, 1}, 4}, false, false},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(istKleiner(f.a, f.b), f.kleiner) << d.toText(f.a) << " " << d.toText(f.b);
    EXPECT_EQ(istKleiner(f.b, f.a), f.groesser) << d.toText(f.a) << " " << d.toText(f.b);
  }
}

TEST(DatenImpl, ErsterWertBleibtUndIteratorFolgtDerOrdnung) {
  DatenImpl daten;
  daten.setWert(IdentifierImpl("A", {1}, -2), "erster");
  daten.setWert(IdentifierImpl("A", {1}, -2), "zweiter");
  daten.setWert(IdentifierImpl("A", {1}, -3), "n");
  EXPECT_EQ(daten.getWert(IdentifierImpl("A", {2}, -2)), "");
  std::string werte;
  for (std::unique_ptr<IDatenIterator> it(daten.iterator()); it->hatWeitere(); it->weiter()) {
    werte += daten.toText(it->getIdentifier()) + "=" + it->getWert() + " ";
  }
  EXPECT_EQ(werte, "A/1.1@-3=n A/1.1=erster ");
}

// Counts its own destructions; double deletes are caught by the sanitizer build.
struct Zaehlend : IdentifierImpl {
  Zaehlend(const char* name, int& weg) : IdentifierImpl(name, {2, 3}, 4), weg_(weg) {}
  ~Zaehlend() override { ++weg_; }
  int& weg_;
};

TEST(ErgebnisFacade, UebernimmtDieIdentifierUndZaehltNachStufe) {
  int weg = 0;
  ErgebnisFacade ergebnis;
  ergebnis.add("regel", "k1", new Zaehlend("F", weg), new Zaehlend("B", weg), "t1", 1);
  auto* beide = new Zaehlend("G", weg);
  ergebnis.addFormal("formal", "k2", beide, beide, "t2", 2);
  EXPECT_EQ(weg, 3);  // copied into the entries and deleted, the shared one once
  ergebnis.addFormal("a", "k", nullptr, nullptr, "t", 1);
  const std::vector<ErgebnisEintrag> e = ergebnis.getEintraege();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].feld.getName() + e[0].bezugsfeld.getName() + e[1].feld.getName(), "FBG");
  EXPECT_EQ(e[0].markierung * 10 + e[1].markierung, 10);  // formal entries are not marked
  EXPECT_EQ(e[1].feld.getIndizes(), (std::vector<int>{2, 3}));
  // Levels 1, 2, 1: by hand.
  EXPECT_EQ(ergebnis.anzahl(1) * 100 + ergebnis.anzahl(2) * 10 + ergebnis.anzahlFuer("x", 3), 210u);
}

}  // namespace
}  // namespace zudadavizu_20_0
