// Invariants of the compiled-in tax office directory, and the XML routine's
// failure path. Expected counts, orders, numbers and names are those fixed for
// the directory; IBAN check digits are recomputed here independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "taxoffice/FinanzamtListenXml.h"
#include "taxoffice/Finanzamtstabellen.h"

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
  // Entries of the selection list and records, per Land key.
  const std::map<int, std::pair<std::size_t, std::size_t>> kAnzahlen = {
      {10, {9, 10}},  {11, {21, 23}}, {21, {20, 20}}, {22, {13, 20}}, {23, {58, 68}},
      {24, {6, 10}},  {26, {47, 47}}, {27, {34, 35}}, {28, {79, 81}}, {30, {14, 14}},
      {31, {14, 14}}, {32, {27, 27}}, {40, {11, 13}}, {41, {12, 12}}, {51, {30, 40}},
      {52, {25, 31}}, {53, {50, 60}}, {91, {55, 61}}, {92, {36, 36}}};
  std::set<int> laender;
  for (std::size_t i = 0; i < BUNDESLAND_TABELLE_ANZAHL; ++i) {
    laender.insert(BUNDESLAND_TABELLE[i].nummer);
  }
  EXPECT_EQ(laender.size(), 23u);
  std::set<int> landListe;  // in display order, not by number
  for (const auto* e = FINANZAMT_LAND_LISTE; e->nummer != 0; ++e) {
    EXPECT_EQ(laender.count(e->nummer), 1u) << e->nummer;
    landListe.insert(e->nummer);
  }
  EXPECT_EQ(landListe.size(), 22u);
  ASSERT_EQ(FINANZAMT_LISTEN_ANZAHL, kAnzahlen.size());
  std::map<int, std::string> gelistet;
  for (const auto& [land, anzahl] : kAnzahlen) {
    const auto liste = alsMap(holeFinanzamtListe(land));
    EXPECT_EQ(liste.size(), anzahl.first) << land;
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
  std::map<int, std::size_t> proLand;
  std::set<int> saetze;
  std::size_t ohneListe = 0, mitPlzZusatz = 0;
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    if (i > 0) {
      EXPECT_LT(t.erster[i - 1].nummer, e.nummer);
    }
    char vierstellig[8];
    std::snprintf(vierstellig, sizeof vierstellig, "%04d", e.nummer);
    EXPECT_STREQ(e.BuFaNummer, vierstellig);
    EXPECT_NE(e.Name[0], '\0') << e.nummer;
    ++proLand[e.nummer / 100];
    saetze.insert(e.nummer);
    ohneListe += gelistet.count(e.nummer) == 0;
    mitPlzZusatz += e.PlzZusatz[0] != '\0';
  }
  for (const auto& [land, anzahl] : kAnzahlen) EXPECT_EQ(proLand[land], anzahl.second) << land;
  EXPECT_EQ(proLand.size(), kAnzahlen.size());
  EXPECT_EQ(ohneListe, 61u);
  EXPECT_EQ(mitPlzZusatz, 207u);
  for (const auto& [n, name] : gelistet) EXPECT_EQ(saetze.count(n), 1u) << n << " has no record";

  const auto test = alsMap(TESTFINANZAMT_LISTE);
  EXPECT_EQ(test.size(), 158u);
  std::size_t nrw = 0;
  for (const auto& [n, name] : test) {
    EXPECT_EQ(saetze.count(n) + gelistet.count(n), 0u) << n;
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
  for (auto [von, bis] : {std::pair{1194, 1198}, {5400, 5424}, {5500, 5519}, {5600, 5624}}) {
    for (int n = von; n <= bis; ++n) EXPECT_EQ(test.count(n), 1u) << n;
  }
  EXPECT_EQ(gelistet.at(1010), "Finanzamt Saarlouis");
  EXPECT_STREQ(findeFinanzamtEintrag("1010")->Name, "Saarlouis");
  EXPECT_EQ(gelistet.at(1127), "Finanzamt Charlottenburg");
  for (int n : {2801, 2601, 9101, 9181}) EXPECT_EQ(gelistet.count(n), 1u) << n;
  std::vector<int> berlin;
  for (const auto& [n, name] : alsMap(holeFinanzamtListe(11))) berlin.push_back(n);
  EXPECT_EQ(berlin,
            (std::vector<int>{1113, 1114, 1116, 1117, 1118, 1119, 1120, 1121, 1123, 1124, 1125,
                              1127, 1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137}));
  for (int n : {2380, 2393, 5170, 5171, 5172, 5173, 5174, 5175, 5176}) {
    EXPECT_EQ(saetze.count(n) - gelistet.count(n), 1u) << n << ": a record in no list";
  }
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

TEST(Verzeichnis, KontenUndAdressenSindWohlgeformt) {
  ASSERT_EQ(ibanRest("DE89370400440532013000"), 1);  // widely published German example
  const std::regex bic("[A-Z]{4}DE[A-Z0-9]{2}([A-Z0-9]{3})?"), blz("[1-9][0-9]{7}");
  const std::regex plz("[0-9]{5}"), telefon("0[1-9][0-9]{1,4} [1-9][0-9]{2,5}-[0-9]{1,4}");
  const std::regex mail("[a-z0-9.-]+@[a-z0-9.-]+\\.example");
  const std::regex web("(https://)?www\\.[a-z0-9.-]+\\.example(/[a-z0-9/-]*)?");
  const FinanzamtTabelle t = finanzamtTabelle();
  std::size_t konten = 0;
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
    SCOPED_TRACE(e.nummer);
    for (const auto& [iban, blzText, konto, bicText, buFa] :
         {std::tuple{e.Iban1, e.Blz1, e.Konto1, e.Bic1, e.KontoBuFaNummer1},
          {e.Iban2, e.Blz2, e.Konto2, e.Bic2, e.KontoBuFaNummer2}}) {
      if (iban[0] == '\0') {
        EXPECT_EQ(std::string(blzText) + konto + bicText, "");
        continue;
      }
      ++konten;
      std::string ziffern = konto;
      ziffern.erase(std::remove(ziffern.begin(), ziffern.end(), ' '), ziffern.end());
      ASSERT_EQ(std::string(iban).size(), 22u);
      EXPECT_EQ(ibanRest(iban), 1) << iban;
      EXPECT_TRUE(std::regex_match(blzText, blz));
      EXPECT_EQ(iban + 4, blzText + std::string(10 - ziffern.size(), '0') + ziffern);
      EXPECT_TRUE(std::regex_match(bicText, bic)) << bicText;
      EXPECT_NE(findeFinanzamtEintrag(buFa), nullptr) << buFa;
    }
    EXPECT_TRUE(std::regex_match(e.Plz, plz));
    EXPECT_TRUE(std::regex_match(e.Telefon, telefon)) << e.Telefon;
    EXPECT_TRUE(std::regex_match(e.Telefax, telefon)) << e.Telefax;
    EXPECT_TRUE(std::regex_match(e.EMail2, mail) && std::regex_match(e.Internet2, web));
    EXPECT_TRUE(e.EMail[0] == '\0' || std::regex_match(e.EMail, mail)) << e.EMail;
    EXPECT_TRUE(e.Internet[0] == '\0' || std::regex_match(e.Internet, web)) << e.Internet;
    EXPECT_TRUE(e.BezugBuFaNummer[0] == '\0' || findeFinanzamtEintrag(e.BezugBuFaNummer));
  }
  EXPECT_GE(konten, 622u);  // every office has at least one account
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
