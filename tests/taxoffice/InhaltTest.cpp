// What the directory's records say. The bundled one must put nothing invented under a real
// office number (real numbers from the authority's list); an imported one must keep the
// invariants the lookups rely on, and hold one record per office of its export.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "taxoffice/Finanzamtstabellen.h"
#include "taxoffice/Verzeichnisherkunft.h"
#include "tests/support/ModulTest.h"
#include "tests/taxoffice/EchteNummern.h"
#include "tests/taxnumber/Referenz.h"

namespace {

using namespace vesk::divideVira;
using dvtest::echteFinanzamtsnummern;

std::map<int, std::string> gelistet() {
  std::map<int, std::string> m;
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    for (const auto* e = FINANZAMT_LISTEN[i].eintraege; e->nummer != 0; ++e) {
      m[e->nummer] = e->name;
    }
  }
  return m;
}

// The Land's name as the Land list gives it, without the parenthesised part.
std::string landname(int land) {
  for (const auto* e = FINANZAMT_LAND_LISTE; e->nummer != 0; ++e) {
    if (e->nummer == land) return std::string(e->name).substr(0, std::string(e->name).find(" ("));
  }
  return "?";
}

#define DV_FELDER_ALS_MAP(feld, breite) {#feld, e.feld},

TEST(Verzeichnisinhalt, UnterEchtenNummernNurNummerUndLand) {
  if (!FINANZAMTSVERZEICHNIS_IST_ERSATZ) GTEST_SKIP() << "nur das mitgelieferte Verzeichnis";
  const std::set<int> echt = echteFinanzamtsnummern();
  // The two names fixed for the host, on the real offices of that name.
  const std::map<int, std::string> kFesteNamen = {{1010, "Saarlouis"}, {1113, "Charlottenburg"}};
  const auto liste = gelistet();
  const FinanzamtTabelle t = finanzamtTabelle();
  std::size_t echte = 0, erfundene = 0;
  std::map<std::string, int> feste;  // fixed name additions and relation texts, by office
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    const std::map<std::string, std::string> felder = {DV_FINANZAMT_FELDER(DV_FELDER_ALS_MAP)};
    const std::string nummer = std::to_string(e.nummer);
    if (liste.count(e.nummer)) {
      EXPECT_EQ(liste.at(e.nummer), "Finanzamt " + felder.at("Name"));
    }
    for (const char* f : {"NamensZusatz", "BezugText"}) {
      if (!felder.at(f).empty()) feste[felder.at(f)] = e.nummer;
    }
    if (echt.count(e.nummer) == 0) {  // invented: marked, at no real town, bank or domain
      ++erfundene;
      EXPECT_EQ(felder.at("Name").rfind("Platzhalter " + nummer, 0), 0u) << nummer;
      EXPECT_EQ(felder.at("Plz"), "00000") << nummer;
      EXPECT_EQ(felder.at("Blz1"), "00000000") << nummer;
      const std::string& mail = felder.at("EMail");
      EXPECT_TRUE(mail.size() > 8 && mail.compare(mail.size() - 8, 8, ".example") == 0) << mail;
      continue;
    }
    ++echte;
    const auto fest = kFesteNamen.find(e.nummer);
    EXPECT_EQ(felder.at("Name"), fest != kFesteNamen.end()
                                     ? fest->second
                                     : nummer + " (" + landname(e.nummer / 100) + ")");
    for (const auto& [feld, wert] : felder) {
      if (feld == "BuFaNummer" || feld == "Name") continue;
      // PlzZusatz is filled on 207 records; 00000 is no postal code anywhere.
      EXPECT_TRUE(wert.empty() || (feld == "PlzZusatz" && wert == "00000"))
          << nummer << " " << feld << ": " << wert;
    }
  }
  EXPECT_EQ(echte, 574u);
  EXPECT_EQ(erfundene, 48u);
  // The texts the host's tables cite, each on an invented number.
  for (const char* text : {"mit Außenstelle Ebern", "Konzernbetriebsprüfung",
                           "Außenstelle v. Finanzamt Offenburg", "zugehörige Außenstellen"}) {
    ASSERT_EQ(feste.count(text), 1u) << text;
    EXPECT_EQ(echt.count(feste.at(text)), 0u) << text;
  }
}
#undef DV_FELDER_ALS_MAP

#ifdef DV_GEMFA_EXPORT_DATEI
// The number of Finanzamt elements of the export, counted over its tags by local name.
std::size_t aemterImExport(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::stringstream inhalt;
  inhalt << datei.rdbuf();
  const std::string xml = inhalt.str();
  std::size_t anzahl = 0;
  for (std::size_t pos = xml.find('<'); pos != std::string::npos; pos = xml.find('<', pos + 1)) {
    std::size_t ende = xml.find_first_of(" \t\r\n/>", pos + 1);
    std::string name = xml.substr(pos + 1, ende == std::string::npos ? 0 : ende - pos - 1);
    name = name.substr(name.find(':') == std::string::npos ? 0 : name.find(':') + 1);
    anzahl += name == "Finanzamt";
  }
  return anzahl;
}
#endif

// What the lookups rely on, in the bundled and in an imported directory.
TEST(Verzeichnisinhalt, InvariantenJedesVerzeichnisses) {
  const FinanzamtTabelle t = finanzamtTabelle();
  ASSERT_GT(t.anzahl, 0u);
  std::set<int> saetze;
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    EXPECT_TRUE(i == 0 || t.erster[i - 1].nummer < e.nummer) << e.nummer;  // sorted, unique
    EXPECT_EQ(e.BuFaNummer, std::to_string(e.nummer));
    EXPECT_TRUE(e.nummer >= 1000 && e.nummer <= 9999) << e.nummer;
    EXPECT_NE(e.Name[0], '\0') << e.nummer;
#define DV_BREITE(feld, breite) EXPECT_LE(std::strlen(e.feld), std::size_t{breite}) << #feld;
    DV_FINANZAMT_FELDER(DV_BREITE)
#undef DV_BREITE
    saetze.insert(e.nummer);
  }
  for (const auto& [n, name] : gelistet()) {
    EXPECT_EQ(saetze.count(n), 1u) << n << ": list entry without record";
    EXPECT_TRUE((n < 2380 || n > 2393) && (n < 5170 || n > 5176)) << n;
  }
  for (const auto* e = TESTFINANZAMT_LISTE; e->nummer != 0; ++e) {
    EXPECT_EQ(saetze.count(e->nummer), 0u) << e->nummer << ": test office is an office";
  }
#ifdef DV_GEMFA_EXPORT_DATEI
  EXPECT_FALSE(FINANZAMTSVERZEICHNIS_IST_ERSATZ);
  EXPECT_EQ(t.anzahl, aemterImExport(DV_GEMFA_EXPORT_DATEI));
  const std::string herkunft = FINANZAMTSVERZEICHNIS_HERKUNFT;
  EXPECT_NE(herkunft.find(" " + std::to_string(t.anzahl) + " Finanzämter"), std::string::npos)
      << herkunft;
#else
  EXPECT_TRUE(FINANZAMTSVERZEICHNIS_IST_ERSATZ);
#endif
}

// A valid tax number of every selectable office passes the module's check, computed with
// the Land's method; offices outside Berlin's weight rule have none.
class Verzeichnismodul : public dvtest::ModulTest {};

TEST_F(Verzeichnismodul, SteuernummerJedesWaehlbarenAmtsGilt) {
  auto dienst = modul().finanzamtsdatenService(nullptr);
  std::mt19937 zufall(23);
  for (const auto& [amt, name] : gelistet()) {
    const std::string nummer = dvtest::referenz::erzeuge(zufall, amt);
    if (nummer.empty()) {
      EXPECT_EQ(amt / 100, 11) << amt;
      continue;
    }
    EXPECT_EQ(dienst->pruefeSteuernummer(nummer), 0) << nummer << " " << name;
  }
}

}  // namespace
