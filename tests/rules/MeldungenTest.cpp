// Message catalogues (invariants, quoted rows), meldeFehler, identifiers, data and results.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "rules/Fehlermeldung.h"
#include "rules/UtilFehlerLookup.h"
#include "rules/VastFehlerLookup.h"
#include "tests/rules/Hilfen.h"

namespace zudadavizu_20_0 {
namespace {

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
  EXPECT_EQ(standard.getText(15), "Der im Feld '$%1$' eingegebene Wert muss größer als 0 sein.");
  EXPECT_EQ(standard.getText(0) + vast.getText(0) + standard.getFeldtypText("gibtEsNicht", 0), "");
  EXPECT_EQ(ausnahme([] { standard.getText(69); }), "Unbekannte fehlerId '69'\n");
  EXPECT_EQ(ausnahme([] { vast.getText(-1); }), "Unbekannte fehlerId '-1'\n");
}

TEST(Fehlerkatalog, FeldtypTexte) {
  // "key first last": the key's ids; the next id has no text, unless the key's text serves
  // every id ("*"). The util lookup drops a leading "Feld '$%1$': ".
  const std::string feld = "Feld '$%1$': ";
  for (const char* zeile :
       {"ungueltigeBIC 101 102", "ungueltigeBundesfinanzamtsnummer 201 202",
        "ungueltigeBundessteuernummer 301 301 *", "ungueltigesDatumMMJJ 401 401 *",
        "ungueltigesDatumTTMMJJ 401 401 *", "ungueltigeEmail 501 501 *", "ungueltigeIBAN 601 604",
        "ungueltigeIDNummer 701 704 *", "ungueltigesLänderkürzel 801 801 *",
        "ungueltigeUStIDNr 901 905", "ungueltigeSteuernummer 1001 1005 *"}) {
    std::istringstream in(zeile);
    std::string key, jede;
    int von = 0, bis = 0;
    in >> key >> von >> bis >> jede;
    for (int id = von; id <= bis + (jede == "*"); ++id) {
      const std::string text = standard.getFeldtypText(key, id);
      EXPECT_NE(text.find("'$%1$'"), std::string::npos) << key << id;
      EXPECT_EQ(util.getFeldtypText(key, id),
                text.compare(0, feld.size(), feld) == 0 ? text.substr(feld.size()) : text);
      EXPECT_TRUE(key == "ungueltigeBundessteuernummer" || vast.getFeldtypText(key, id) == text);
    }
    EXPECT_EQ(standard.getFeldtypText(key, 0) + util.getFeldtypText(key, 0), "");
    EXPECT_EQ(ausnahme([&] { vast.getFeldtypText(key, bis + 1); }) != "keine", jede != "*") << key;
  }
  EXPECT_EQ(ausnahme([] { util.getFeldtypText("ungueltigeIBAN", 605); }),
            "Unbekannte Kombination aus errorKey 'ungueltigeIBAN' und fehlerId '605'\n");
  EXPECT_EQ(standard.getFeldtypText("ungueltigeIBAN", 604),
            "Feld '$%1$': Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN führt zu "
            "einer abweichenden Prüfziffer.");
  // VAST words the nationwide tax number for every id, 0 included.
  EXPECT_EQ(vast.getFeldtypText("ungueltigeBundessteuernummer", 0),
            "Feld '$%1$': Die angegebene Bundessteuernummer ist ungültig.");
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
  // Status 2 only for the test identification number notice; ohneErgebnis records nothing.
  t.kontext.ohneErgebnis = true;
  EXPECT_EQ(meldeFehler("testIDNummer", "x", t.kontext), 2);
  EXPECT_EQ(t.ergebnis.anzahl(1), 1u);
}

TEST(DatenImpl, TextOrdnungUndErsterWert) {
  // By hand: name "/" first index "." (last index, or 1 for one index) ["@" number].
  DatenImpl d;
  EXPECT_EQ(d.toText(IdentifierImpl("Feld", {2, 5, 9}, -2)) + d.toText(IdentifierImpl("F", {3}, 7)),
            "Feld/2.9F/3.1@7");
  EXPECT_EQ(d.toText(IdentifierImpl("L", std::vector<int>{9, 1, 2}, false)), "L/1.2@9");
  // Ascending by hand: name bytewise (0xE4 after ASCII), number (signed), indices (a proper
  // prefix first).
  const IdentifierImpl folge[] = {{"A", {5}, -3},       {"A", {1}, -2},    {"A", {1, 1}, -2},
                                  {"A", {1, 1, 5}, -2}, {"A", {1, 2}, -2}, {"A", {0}, 9},
                                  {"Z", {1}, 1},        {"\xE4", {0}, 0}};
  for (std::size_t i = 0; i < std::size(folge); ++i) {
    for (std::size_t j = 0; j < std::size(folge); ++j) {
      EXPECT_EQ(istKleiner(folge[i], folge[j]), i < j) << i << " " << j;
    }
  }
  for (const char* wert : {"erster", "zweiter"}) d.setWert(IdentifierImpl("A", {1}, -2), wert);
  d.setWert(IdentifierImpl("A", {1}, -3), "n");
  EXPECT_EQ(d.getWert(IdentifierImpl("A", {1}, -2)) + d.getWert(IdentifierImpl("A", {2}, -2)),
            "erster");
  const std::unique_ptr<IDatenIterator> it(d.iterator());
  EXPECT_EQ(d.toText(it->getIdentifier()) + "=" + it->getWert(), "A/1.1@-3=n");  // smallest first
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
  EXPECT_EQ(ergebnis.anzahl(1) * 10 + ergebnis.anzahlFuer("x", 2), 21u);  // levels 1, 2, 1
}

}  // namespace
}  // namespace zudadavizu_20_0
