// The tax office directory: its tables, and the service's directory operations through the
// module. Counts, numbers, names, documents, codes and log lines expected are those fixed for the
// directory and the host; counts of the authority's numbers per key are worked out by hand from
// its list. The generator rejects unsorted numbers, bad IBANs and dangling references.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "errortexts/Hostcodes.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "taxoffice/Verzeichnisherkunft.h"
#include "taxofficeservice/FinanzamtListenXml.h"
#include "tests/support/ModulTest.h"
#include "tests/taxoffice/EchteNummern.h"
#include "tests/taxnumber/Referenz.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace {

using namespace vesk::divideVira;
using dvtest::echteFinanzamtsnummern;

std::map<int, std::string> alsMap(const FinanzamtListenEintrag* liste) {
  std::map<int, std::string> m;
  for (int vorige = 0; liste->nummer != 0; vorige = liste->nummer, ++liste) {
    EXPECT_LT(vorige, liste->nummer);  // strictly ascending
    m[liste->nummer] = liste->name;
  }
  return m;
}

// The fixed counts describe the bundled directory; an imported one has the export's own.
#define DV_NUR_GEBUENDELT()              \
  if (!FINANZAMTSVERZEICHNIS_IST_ERSATZ) \
  GTEST_SKIP() << "feste Anzahlen gelten nur für das mitgelieferte Verzeichnis"

TEST(Verzeichnis, ZaehlungenOrdnungUndZusammenhang) {
  DV_NUR_GEBUENDELT();
  // Per Land key: list entries, records, real numbers listed, real numbers only a record
  // (the fewer of the key's real numbers and the places; 2380-2393, 5170-5176 never listed).
  using Anzahl = std::array<std::size_t, 4>;
  const std::map<int, Anzahl> kAnzahlen = {
      {10, {9, 10, 8, 0}},    {11, {21, 23, 21, 2}}, {21, {20, 20, 20, 0}}, {22, {13, 20, 13, 7}},
      {23, {58, 68, 50, 10}}, {24, {6, 10, 6, 0}},   {26, {47, 47, 40, 0}}, {27, {34, 35, 24, 0}},
      {28, {79, 81, 79, 2}},  {30, {14, 14, 13, 0}}, {31, {14, 14, 14, 0}}, {32, {27, 27, 24, 0}},
      {40, {11, 13, 11, 1}},  {41, {12, 12, 12, 0}}, {51, {30, 40, 30, 6}}, {52, {25, 31, 25, 3}},
      {53, {50, 60, 50, 6}},  {91, {55, 61, 55, 6}}, {92, {36, 36, 36, 0}}};
  // Real numbers beyond the record count of their key: the highest ones.
  std::set<int> ausgelassen = {1191, 2190, 2191, 9258};
  for (int n = 2175; n <= 2189; ++n) ausgelassen.insert(n);
  const std::set<int> echt = echteFinanzamtsnummern();
  ASSERT_EQ(echt.size(), 593u);
  EXPECT_EQ(BUNDESLAND_TABELLE_ANZAHL, 23u);
  std::size_t laender = 0;
  for (const auto* e = FINANZAMT_LAND_LISTE; e->nummer != 0; ++e, ++laender) {
    EXPECT_TRUE(istBundeslandNummer(e->nummer)) << e->nummer;
  }
  EXPECT_EQ(laender, 22u);
  ASSERT_EQ(FINANZAMT_LISTEN_ANZAHL, kAnzahlen.size());
  std::map<int, std::string> gelistet;
  for (const auto& [land, anzahl] : kAnzahlen) {
    for (const auto& [n, name] : alsMap(holeFinanzamtListe(land))) {
      EXPECT_EQ(n / 100, land);
      EXPECT_EQ(name.rfind("Finanzamt ", 0), 0u) << name;
      gelistet[n] = name;
    }
  }
  for (int ohne : {5, 25, 54, 55, 56, 0, -1}) EXPECT_EQ(holeFinanzamtListe(ohne), nullptr) << ohne;
  const FinanzamtTabelle t = finanzamtTabelle();
  ASSERT_EQ(t.anzahl, 622u);
  std::map<int, Anzahl> gezaehlt;
  std::set<int> saetze;
  std::size_t mitPlzZusatz = 0;
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    EXPECT_TRUE(i == 0 || t.erster[i - 1].nummer < e.nummer) << e.nummer;
    EXPECT_EQ(e.BuFaNummer, std::to_string(e.nummer)) << e.nummer;  // all have four digits
    const bool inListe = gelistet.count(e.nummer) == 1, istEcht = echt.count(e.nummer) == 1;
    Anzahl& a = gezaehlt[e.nummer / 100];
    a = {a[0] + inListe, a[1] + 1, a[2] + (inListe && istEcht), a[3] + (!inListe && istEcht)};
    saetze.insert(e.nummer);
    mitPlzZusatz += e.PlzZusatz[0] != '\0';
  }
  EXPECT_EQ(gezaehlt, kAnzahlen);
  EXPECT_EQ(mitPlzZusatz, 207u);
  for (int n : echt) EXPECT_EQ(saetze.count(n) + ausgelassen.count(n), 1u) << n;
  const auto test = alsMap(TESTFINANZAMT_LISTE);
  EXPECT_EQ(test.size(), 158u);
  std::size_t nrw = 0;  // named after their number
  for (const auto& [n, name] : test) {
    EXPECT_EQ(saetze.count(n) + gelistet.count(n) + echt.count(n), 0u) << n;
    nrw += n / 100 >= 54 && name == "Testfinanzamt Nordrhein-Westfalen -" + std::to_string(n) + "-";
  }
  EXPECT_EQ(nrw, 70u);
  const std::map<int, std::string> kZitierteTestaemter = {
      {1096, "Testfinanzamt Saarland"},           {1097, "Finanzschule (Edenkoben)"},
      {1140, "Berlin - Testsystem MVS"},          {2653, "HE_Testfinanzamt -2653-"},
      {2678, "HE_Schulung_LFS Rotenburg -2678-"}, {9299, "Finanzamt Test-FA OFD Nbg."}};
  for (const auto& [n, name] : kZitierteTestaemter) EXPECT_EQ(test.at(n), name);
  for (int n : {1194, 1198, 5400, 5424, 5500, 5519, 5600, 5624}) EXPECT_EQ(test.count(n), 1u);
  EXPECT_EQ(gelistet.at(1010) + gelistet.at(1113), "Finanzamt SaarlouisFinanzamt Charlottenburg");
  EXPECT_STREQ(findeFinanzamtEintrag("1010")->Name, "Saarlouis");
  for (int n : {1113, 1119, 1137, 2601, 2613, 2801, 9101, 9181}) EXPECT_EQ(gelistet.count(n), 1u);
  for (int n : {2380, 2393, 5170, 5171, 5172, 5173, 5174, 5175, 5176}) {
    EXPECT_EQ(saetze.count(n) - gelistet.count(n), 1u) << n << ": a record in no list";
  }
  EXPECT_EQ(t.erster[t.anzahl - 1].nummer, 9259);
  EXPECT_TRUE(FINANZAMTSVERZEICHNIS_IST_ERSATZ);
  EXPECT_NE(std::string(FINANZAMTSVERZEICHNIS_HERKUNFT).find("531 w\xe4hlbar"), std::string::npos);
}

// Whatever the document's writer throws is logged, the output emptied and the exception
// rethrown unchanged; without a logger the same happens silently.
TEST(ListeAlsXml, AusnahmeWirdProtokolliertGeleertUndWeitergeworfen) {
  const std::pair<XmlListenform, const char*> kFormen[] = {
      {XmlListenform::kFinanzaemter, "finanzaemterAsXml"},
      {XmlListenform::kLaender, "finanzamtLaenderAsXml"}};
  for (const auto& [form, routine] : kFormen) {
    dvtest::SammelnderLogger logger;
    for (auto* l : std::vector<dvtest::SammelnderLogger*>{&logger, nullptr}) {
      std::string ausgabe = "alt";
      EXPECT_THROW(schreibeXml(ausgabe, form, l,
                               [](vesk::util::xml::XmlStreamWriter& w) {
                                 w.writeStartElement("teil");
                                 throw 42;
                               }),
                   int);
      EXPECT_EQ(ausgabe, "");
    }
    ASSERT_EQ(logger.zeilen.size(), 1u);
    EXPECT_EQ(logger.zeilen[0],
              "Unbekannte Ausnahme beim Erzeugen der XML-Daten in " + std::string(routine));
  }
}

class FinanzamtsdatenDienst : public dvtest::ModulTest {
 protected:
  void SetUp() override {
    ModulTest::SetUp();
    dienst_ = modul().finanzamtsdatenService(&logger_);
  }

  dvtest::SammelnderLogger logger_;
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst_;
};

// The document of a list as fixed for the host: declaration, root in its own default
// namespace, one element per entry with the number padded, tabs and CR LF.
std::string dokument(const std::string& wurzel, bool land, const FinanzamtListenEintrag* e,
                     bool mitNrw = true) {
  const std::string element = land ? "FinanzamtLand" : "Finanzamt";
  const std::string nummer = land ? "FinanzamtLandNummer" : "BuFaNummer";
  std::string xml = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<" + wurzel +
                    " xmlns=\"http://divide-vira.example/finanzamtsdaten/1.0/" + wurzel + "\">";
  for (; e->nummer != 0; ++e) {
    if (!mitNrw && e->nummer >= 54 && e->nummer <= 56) continue;
    const std::string n = std::to_string(e->nummer);
    xml += "\r\n\t<" + element + ">\r\n\t\t<" + nummer + ">" +
           std::string((land ? 2 : 4) - n.size(), '0') + n + "</" + nummer + ">\r\n\t\t<Name>" +
           e->name + "</Name>\r\n\t</" + element + ">";
  }
  return xml + "\r\n</" + wurzel + ">";
}

TEST_F(FinanzamtsdatenDienst, ListenAlsXml) {
  const std::string laender = "VeskHoleFinanzamtLandNummern";
  std::string ohneNrw = "wird \xfc", xml = "berschrieben";
  ASSERT_EQ(dienst_->holeFinanzamtLandNummern(ohneNrw, false), 0);
  EXPECT_EQ(ohneNrw, dokument(laender, true, FINANZAMT_LAND_LISTE, false));
  ASSERT_EQ(dienst_->holeFinanzamtLandNummern(xml, true), 0);
  EXPECT_EQ(xml, dokument(laender, true, FINANZAMT_LAND_LISTE));
  ASSERT_EQ(dienst_->holeTestfinanzaemter(xml), 0);
  EXPECT_EQ(xml, dokument("VeskHoleTestfinanzaemter", false, TESTFINANZAMT_LISTE));
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    ASSERT_EQ(dienst_->holeFinanzaemter(std::to_string(FINANZAMT_LISTEN[i].landNummer), xml), 0);
    EXPECT_EQ(xml, dokument("VeskHoleFinanzaemter", false, FINANZAMT_LISTEN[i].eintraege));
  }
  // Independently of the tables: the umlaut in ISO-8859-15, no NRW test key.
  EXPECT_NE(ohneNrw.find("<Name>Baden-W\xfcrttemberg</Name>"), std::string::npos);
  EXPECT_EQ(ohneNrw.find("<FinanzamtLandNummer>54<"), std::string::npos);
}

// The Land key is read as atoi reads it.
TEST_F(FinanzamtsdatenDienst, LandschluesselUndIhreCodes) {
  const std::pair<const char*, int> kFaelle[] = {{"28abc", 0},
                                                 {" 28", 0},
                                                 {"+10", 0},
                                                 {"010", 0},
                                                 {"", hostcode::kHilfsfunktionsfehler},
                                                 {"abc", hostcode::kHilfsfunktionsfehler},
                                                 {"00", hostcode::kHilfsfunktionsfehler},
                                                 {"54", hostcode::kNimmtNichtTeil},
                                                 {"-28", hostcode::kNimmtNichtTeil},
                                                 {"2801", hostcode::kNimmtNichtTeil},
                                                 {"25", hostcode::kNimmtNichtTeil}};
  for (const auto& [land, code] : kFaelle) {
    std::string xml = "vorher", vergleich = "vorher";
    EXPECT_EQ(dienst_->holeFinanzaemter(land, xml), code) << land;
    if (code == 0) dienst_->holeFinanzaemter(std::to_string(std::atoi(land)), vergleich);
    EXPECT_EQ(xml, vergleich) << land;
  }
}

// Host record that keeps every call in order.
class AufzeichnendeDaten : public vesk::plugin2::iface::IFinanzamtsdaten {
 public:
  std::vector<std::pair<std::string, std::string>> aufrufe;
  const std::string& getBuFaNummer() const override { return leer_; }
  void setBuFaNummer(const std::string& w) override { aufrufe.emplace_back("BuFaNummer", w); }
  bool getKennzeichenA() const override { return true; }
  void setKennzeichenA(bool) override { aufrufe.emplace_back("KennzeichenA", ""); }
  bool getKennzeichenB() const override { return false; }
  void setKennzeichenB(bool) override { aufrufe.emplace_back("KennzeichenB", ""); }
#define DV_AUFZEICHNEN(feld)                                      \
  const std::string& get##feld() const override { return leer_; } \
  void set##feld(const std::string& w) override { aufrufe.emplace_back(#feld, w); }
  VESK_FINANZAMTSDATEN_FELDER(DV_AUFZEICHNEN)
#undef DV_AUFZEICHNEN
  inline static const std::string leer_;
};

using Aufrufe = decltype(AufzeichnendeDaten::aufrufe);

Aufrufe alleFelder(const FinanzamtEintrag* e) {
#define DV_FELD(feld, breite) {#feld, e->feld},
  return {DV_FINANZAMT_FELDER(DV_FELD)};
#undef DV_FELD
}

// Every record in field order, a test office by its name alone; the number read as
// lexical_cast reads it (so not beyond int).
TEST_F(FinanzamtsdatenDienst, DatensaetzeUndNummerntexte) {
  const FinanzamtTabelle t = finanzamtTabelle();
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    AufzeichnendeDaten daten;
    ASSERT_EQ(dienst_->holeFinanzamtsdaten(t.erster[i].BuFaNummer, daten, true), 0);
    ASSERT_EQ(daten.aufrufe, alleFelder(&t.erster[i])) << t.erster[i].nummer;
  }
  AufzeichnendeDaten test;
  ASSERT_EQ(dienst_->holeFinanzamtsdaten("1096", test, false), 0);
  EXPECT_EQ(test.aufrufe, (Aufrufe{{"Name", "Testfinanzamt Saarland"}}));
  const std::tuple<const char*, bool, int> kFaelle[] = {
      {"01010", false, 0},
      {"+1010", false, 0},
      {"1096", true, hostcode::kKeineDaten},
      {"9999", false, hostcode::kKeineDaten},
      {"1010 ", false, hostcode::kNichtPlausibel},
      {"", false, hostcode::kNichtPlausibel},
      {"99999999999", false, hostcode::kNichtPlausibel}};
  for (const auto& [nummer, ohneTest, code] : kFaelle) {
    AufzeichnendeDaten daten;
    EXPECT_EQ(dienst_->holeFinanzamtsdaten(nummer, daten, ohneTest), code) << nummer;
    EXPECT_EQ(daten.aufrufe, code ? Aufrufe{} : alleFelder(findeFinanzamtEintrag("1010")));
  }
  EXPECT_TRUE(logger_.zeilen.empty());
}

// Malformed numbers and offices outside the lists get a line each; for every four-digit
// number exactly the list and test offices exist.
TEST_F(FinanzamtsdatenDienst, FinanzamtnummernMitIhrenZeilen) {
  const std::string laenge = "Die Finanzamt- oder Steuernummer hat nicht 4 bzw. 13 Stellen";
  const std::string nummer = "Die Finanzamtnummer \"";
  // Only the office part of 13 digits counts; 2380 has a record but is in no list.
  // clang-format off
  const std::pair<std::string, std::string> kFaelle[] = {
      {"1096000000000", ""}, {"1010xxxxxxxxx", ""}, {"12345", laenge}, {"", laenge},
      {" 101", nummer + " 101\" darf nur Ziffern enthalten"},
      {"2380", nummer + "2380\" wurde nicht gefunden"}};
  // clang-format on
  for (const auto& [text, zeile] : kFaelle) {
    logger_.zeilen.clear();
    EXPECT_EQ(dienst_->pruefeFinanzamtNummer(text),
              zeile.empty() ? 0 : hostcode::kBufanummerUngueltig)
        << text;
    EXPECT_EQ(logger_.zeilen, std::vector<std::string>(!zeile.empty(), zeile));
  }
  logger_.zeilen.clear();
  std::size_t gewaehlt = alsMap(TESTFINANZAMT_LISTE).size();
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    gewaehlt += alsMap(FINANZAMT_LISTEN[i].eintraege).size();
  }
  for (int n = 0; n <= 9999; ++n) {
    const bool erwartet = istListenFinanzamt(n) || istTestfinanzamt(n);
    ASSERT_EQ(dienst_->existiertFinanzamt(n), erwartet) << n;
    ASSERT_EQ(dienst_->pruefeFinanzamtNummer(std::to_string(n + 10000).substr(1)) == 0, erwartet);
  }
  EXPECT_EQ(logger_.zeilen.size(), 10000u - gewaehlt);
}

// A valid number of every real selectable office, computed with the Land's method, passes;
// one of a real office that is only a record, or not in the directory, fails.
TEST_F(FinanzamtsdatenDienst, SteuernummernDerEchtenAemter) {
  DV_NUR_GEBUENDELT();
  std::mt19937 zufall(2026);
  std::size_t gelistet = 0, sonst = 0;
  for (int amt : echteFinanzamtsnummern()) {
    const std::string nummer = dvtest::referenz::erzeuge(zufall, amt);
    if (nummer.empty()) continue;  // no valid number
    const bool liste = istListenFinanzamt(amt);
    (liste ? gelistet : sonst) += 1;
    EXPECT_EQ(dienst_->pruefeSteuernummer(nummer), liste ? 0 : hostcode::kSteuernummerUngueltig)
        << nummer;
  }
  // 593 less 531 listed, less 1115, 1138 and 1191 (Berlin offices outside the weight rule)
  EXPECT_EQ(std::pair(gelistet, sonst), (std::pair<std::size_t, std::size_t>(531, 59)));
}

}  // namespace
