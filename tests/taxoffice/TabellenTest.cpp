// Invariants of the compiled-in tax office directory, and the XML routine's
// failure path. Expected counts, orders, numbers and names are those fixed for
// the directory; IBAN check digits are recomputed here independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "taxoffice/FinanzamtListenXml.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "taxoffice/Verzeichnisherkunft.h"
#include "tests/taxoffice/EchteNummern.h"

namespace {

using namespace vesk::divideVira;

std::map<int, std::string> alsMap(const FinanzamtListenEintrag* liste) {
  std::map<int, std::string> m;
  for (int vorige = 0; liste->nummer != 0; vorige = liste->nummer, ++liste) {
    EXPECT_LT(vorige, liste->nummer);  // strictly ascending
    m[liste->nummer] = liste->name;
  }
  return m;
}

TEST(Verzeichnis, ZaehlungenOrdnungUndZusammenhang) {
  // Per Land key: entries of the selection list, records; and how many of the authority's
  // numbers are listed and records without a list (the fewer of the key's real numbers and
  // places, the special offices 2380-2393 and 5170-5176 never listed), counted by hand.
  struct Anzahl {
    std::size_t liste, saetze, echtGelistet, echtOhneListe;
  };
  const std::map<int, Anzahl> kAnzahlen = {
      {10, {9, 10, 8, 0}},    {11, {21, 23, 21, 2}},  {21, {20, 20, 20, 0}},
      {22, {13, 20, 13, 7}},  {23, {58, 68, 50, 10}}, {24, {6, 10, 6, 0}},
      {26, {47, 47, 40, 0}},  {27, {34, 35, 24, 0}},  {28, {79, 81, 79, 2}},
      {30, {14, 14, 13, 0}},  {31, {14, 14, 14, 0}},  {32, {27, 27, 24, 0}},
      {40, {11, 13, 11, 1}},  {41, {12, 12, 12, 0}},  {51, {30, 40, 30, 6}},
      {52, {25, 31, 25, 3}},  {53, {50, 60, 50, 6}},  {91, {55, 61, 55, 6}},
      {92, {36, 36, 36, 0}}};
  // Real numbers beyond the record count of their key: the highest ones.
  std::set<int> ausgelassen = {1191, 2190, 2191, 9258};
  for (int n = 2175; n <= 2189; ++n) ausgelassen.insert(n);

  std::set<int> laender, landListe;
  for (std::size_t i = 0; i < BUNDESLAND_TABELLE_ANZAHL; ++i) {
    laender.insert(BUNDESLAND_TABELLE[i].nummer);
  }
  for (const auto* e = FINANZAMT_LAND_LISTE; e->nummer != 0; ++e) landListe.insert(e->nummer);
  EXPECT_EQ(laender.size(), 23u);
  EXPECT_EQ(landListe.size(), 22u);
  EXPECT_TRUE(std::includes(laender.begin(), laender.end(), landListe.begin(), landListe.end()));
  ASSERT_EQ(FINANZAMT_LISTEN_ANZAHL, kAnzahlen.size());
  std::map<int, std::string> gelistet;
  for (const auto& [land, anzahl] : kAnzahlen) {
    const auto liste = alsMap(holeFinanzamtListe(land));
    EXPECT_EQ(liste.size(), anzahl.liste) << land;
    for (const auto& [n, name] : liste) {
      EXPECT_EQ(n / 100, land);
      EXPECT_EQ(name.rfind("Finanzamt ", 0), 0u) << name;
    }
    gelistet.insert(liste.begin(), liste.end());
  }
  EXPECT_EQ(gelistet.size(), 561u);
  for (int ohne : {5, 25, 54, 55, 56, 0, -1}) EXPECT_EQ(holeFinanzamtListe(ohne), nullptr) << ohne;

  const FinanzamtTabelle t = finanzamtTabelle();
  ASSERT_EQ(t.anzahl, 622u);
  std::map<int, Anzahl> gezaehlt;
  std::set<int> saetze;
  std::size_t mitPlzZusatz = 0;
  const std::set<int> echt = dvtest::echteFinanzamtsnummern();
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    if (i > 0) {
      EXPECT_LT(t.erster[i - 1].nummer, e.nummer);
    }
    EXPECT_EQ(e.BuFaNummer, std::to_string(e.nummer));  // all numbers have four digits
    EXPECT_NE(e.Name[0], '\0') << e.nummer;
    Anzahl& a = gezaehlt[e.nummer / 100];
    const bool inListe = gelistet.count(e.nummer) == 1;
    a.liste += inListe;
    ++a.saetze;
    a.echtGelistet += inListe && echt.count(e.nummer);
    a.echtOhneListe += !inListe && echt.count(e.nummer);
    saetze.insert(e.nummer);
    mitPlzZusatz += e.PlzZusatz[0] != '\0';
  }
  for (const auto& [land, a] : kAnzahlen) {
    EXPECT_EQ(std::tie(gezaehlt[land].liste, gezaehlt[land].saetze, gezaehlt[land].echtGelistet,
                       gezaehlt[land].echtOhneListe),
              std::tie(a.liste, a.saetze, a.echtGelistet, a.echtOhneListe))
        << land;
  }
  EXPECT_EQ(gezaehlt.size(), kAnzahlen.size());
  EXPECT_EQ(mitPlzZusatz, 207u);
  ASSERT_EQ(echt.size(), 593u);
  for (int n : echt) EXPECT_EQ(saetze.count(n) + ausgelassen.count(n), 1u) << n;

  const auto test = alsMap(TESTFINANZAMT_LISTE);
  EXPECT_EQ(test.size(), 158u);
  std::size_t nrw = 0;
  for (const auto& [n, name] : test) {
    EXPECT_EQ(saetze.count(n) + gelistet.count(n) + echt.count(n), 0u) << n;
    if (n >= 5400 && n < 5700) {
      ++nrw;
      EXPECT_EQ(name, "Testfinanzamt Nordrhein-Westfalen -" + std::to_string(n) + "-");
    }
  }
  EXPECT_EQ(nrw, 70u);

  // Numbers and names cited for the directory.
  const std::map<int, std::string> kZitiert = {
      {1096, "Testfinanzamt Saarland"},           {1097, "Finanzschule (Edenkoben)"},
      {1140, "Berlin - Testsystem MVS"},          {2653, "HE_Testfinanzamt -2653-"},
      {2678, "HE_Schulung_LFS Rotenburg -2678-"}, {9299, "Finanzamt Test-FA OFD Nbg."}};
  for (const auto& [n, name] : kZitiert) EXPECT_EQ(test.at(n), name);
  for (int n : {1194, 1195, 1196, 1197, 1198, 5424, 5519, 5624}) EXPECT_EQ(test.count(n), 1u);
  EXPECT_EQ(gelistet.at(1010), "Finanzamt Saarlouis");
  EXPECT_STREQ(findeFinanzamtEintrag("1010")->Name, "Saarlouis");
  EXPECT_EQ(gelistet.at(1127), "Finanzamt Charlottenburg");
  for (int n : {1113, 1116, 1119, 1131, 1137, 2601, 2613, 2801, 9101, 9181}) {
    EXPECT_EQ(gelistet.count(n), 1u) << n;
  }
  for (int n : {2380, 2393, 5170, 5171, 5172, 5173, 5174, 5175, 5176}) {
    EXPECT_EQ(saetze.count(n) - gelistet.count(n), 1u) << n << ": a record in no list";
  }
  EXPECT_EQ(t.erster[t.anzahl - 1].nummer, 9259);
  EXPECT_TRUE(FINANZAMTSVERZEICHNIS_IST_ERSATZ);
  EXPECT_NE(std::string(FINANZAMTSVERZEICHNIS_HERKUNFT).find("531 w\xe4hlbar"), std::string::npos);
}

// ISO 7064 MOD 97-10 over the IBAN with its first four characters moved to the
// end, letters as 10..35, one digit at a time.
int ibanRest(const std::string& iban) {
  int rest = 0;
  for (char c : iban.substr(4) + iban.substr(0, 4)) {
    const int wert = c >= 'A' ? c - 'A' + 10 : c - '0';
    rest = (wert >= 10 ? rest * 100 + wert : rest * 10 + wert) % 97;
  }
  return rest;
}

// Every account: IBAN of bank code and account number with valid check digits; every
// office number given with an account or a relation has a record.
TEST(Verzeichnis, KontenUndBezuegeSindStimmig) {
  ASSERT_EQ(ibanRest("DE89370400440532013000"), 1);  // widely published German example
  const FinanzamtTabelle t = finanzamtTabelle();
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    SCOPED_TRACE(e.nummer);
    for (const auto& [iban, blz, konto, buFa] : {std::tuple{e.Iban1, e.Blz1, e.Konto1, e.KontoBuFaNummer1},
                                                  {e.Iban2, e.Blz2, e.Konto2, e.KontoBuFaNummer2}}) {
      if (iban[0] == '\0' && iban == e.Iban2) continue;  // the second account is optional
      std::string ziffern = konto;
      ziffern.erase(std::remove(ziffern.begin(), ziffern.end(), ' '), ziffern.end());
      ASSERT_EQ(std::string(iban).size(), 22u);
      EXPECT_EQ(ibanRest(iban), 1) << iban;
      EXPECT_EQ(iban + 4, blz + std::string(10 - ziffern.size(), '0') + ziffern);
      EXPECT_NE(findeFinanzamtEintrag(buFa), nullptr) << buFa;
    }
    EXPECT_TRUE(e.BezugBuFaNummer[0] == '\0' || findeFinanzamtEintrag(e.BezugBuFaNummer));
  }
}

class SammelnderLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  void log(const std::string& zeile) override { zeilen.push_back(zeile); }
  bool isEnabled() override { return true; }
  std::vector<std::string> zeilen;
};

// Whatever the document's writer throws is logged, the output emptied and the
// exception rethrown unchanged; without a logger the same happens silently.
TEST(ListeAlsXml, AusnahmeWirdProtokolliertGeleertUndWeitergeworfen) {
  const std::pair<XmlListenform, const char*> kFormen[] = {
      {XmlListenform::kFinanzaemter,
       "Unbekannte Ausnahme beim Erzeugen der XML-Daten in finanzaemterAsXml"},
      {XmlListenform::kLaender,
       "Unbekannte Ausnahme beim Erzeugen der XML-Daten in finanzamtLaenderAsXml"}};
  for (const auto& [form, zeile] : kFormen) {
    SammelnderLogger logger;
    std::string ausgabe = "alt";
    EXPECT_THROW(schreibeXml(ausgabe, form, &logger,
                             [](vesk::util::xml::XmlStreamWriter& w) {
                               w.writeStartDocument();
                               w.writeEndElement();  // nothing open
                             }),
                 vesk::util::xml::XmlStreamWriterException);
    EXPECT_EQ(ausgabe, "");
    EXPECT_EQ(logger.zeilen, std::vector<std::string>{zeile});
    ausgabe = "alt";
    EXPECT_THROW(schreibeXml(ausgabe, form, nullptr,
                             [](vesk::util::xml::XmlStreamWriter& w) {
                               w.writeStartElement("teil");
                               throw 42;
                             }),
                 int);
    EXPECT_EQ(ausgabe, "");
  }
}

}  // namespace
