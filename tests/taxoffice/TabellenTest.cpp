// Invariants of the compiled-in tax office directory. Expected counts, orders,
// numbers and names are those fixed for the directory (key counts, cited
// offices); IBAN check digits are recomputed here independently.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "taxoffice/Finanzamtstabellen.h"

namespace {

using namespace vesk::divideVira;

std::vector<FinanzamtListenEintrag> alsVektor(const FinanzamtListenEintrag* liste) {
  std::vector<FinanzamtListenEintrag> v;
  for (; liste->nummer != 0; ++liste) v.push_back(*liste);
  return v;
}

std::set<int> alleListennummern() {
  std::set<int> nummern;
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    for (const auto& e : alsVektor(FINANZAMT_LISTEN[i].eintraege)) nummern.insert(e.nummer);
  }
  return nummern;
}

std::map<int, const FinanzamtEintrag*> alleSaetze() {
  std::map<int, const FinanzamtEintrag*> saetze;
  const FinanzamtTabelle t = finanzamtTabelle();
  for (std::size_t i = 0; i < t.anzahl; ++i) saetze[t.erster[i].nummer] = &t.erster[i];
  return saetze;
}

TEST(Bundeslandtabelle, HoldsTheTwentyThreeRowsInOrder) {
  struct Zeile {
    int nummer;
    const char* name;
    const char* kuerzel;
  };
  const std::vector<Zeile> erwartet = {{28, "Baden-Wuertemberg", "BW"},
                                       {91, "Bayern", "BY"},
                                       {92, "Bayern", "BY"},
                                       {11, "Berlin", "BE"},
                                       {30, "Brandenburg", "BB"},
                                       {24, "Bremen", "HB"},
                                       {22, "Hamburg", "HH"},
                                       {26, "Hessen", "HE"},
                                       {40, "Mecklenburg-Vorpommern", "MV"},
                                       {23, "Niedersachsen", "ND"},
                                       {51, "Nordrhein-Westfalen", "NW"},
                                       {52, "Nordrhein-Westfalen", "NW"},
                                       {53, "Nordrhein-Westfalen", "NW"},
                                       {54, "Nordrhein-Westfalen", "NW"},
                                       {55, "Nordrhein-Westfalen", "NW"},
                                       {56, "Nordrhein-Westfalen", "NW"},
                                       {27, "Rheinland-Pfalz", "RP"},
                                       {10, "Saarland", "SL"},
                                       {32, "Sachsen", "SN"},
                                       {31, "Sachsen-Anhalt", "ST"},
                                       {21, "Schleswig-Holstein", "SH"},
                                       {41, "Thueringen", "TH"},
                                       {5, "Bundesamt fuer Finanzen", "BF"}};
  ASSERT_EQ(BUNDESLAND_TABELLE_ANZAHL, erwartet.size());
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    EXPECT_EQ(BUNDESLAND_TABELLE[i].nummer, erwartet[i].nummer) << i;
    EXPECT_STREQ(BUNDESLAND_TABELLE[i].name, erwartet[i].name) << i;
    EXPECT_STREQ(BUNDESLAND_TABELLE[i].kuerzel, erwartet[i].kuerzel) << i;
  }
}

TEST(Landliste, HoldsTheTwentyTwoDisplayNamesInOrder) {
  const std::vector<std::pair<int, std::string>> erwartet = {
      {28, "Baden-Württemberg"},
      {91, "Bayern (Zuständigkeit LfSt - München)"},
      {92, "Bayern (Zuständigkeit LfSt - Nürnberg)"},
      {11, "Berlin"},
      {30, "Brandenburg"},
      {24, "Bremen"},
      {22, "Hamburg"},
      {26, "Hessen"},
      {40, "Mecklenburg-Vorpommern"},
      {23, "Niedersachsen"},
      {51, "Nordrhein-Westfalen (51)"},
      {52, "Nordrhein-Westfalen (52)"},
      {53, "Nordrhein-Westfalen (53)"},
      {54, "Nordrhein-Westfalen (54)"},
      {55, "Nordrhein-Westfalen (55)"},
      {56, "Nordrhein-Westfalen (56)"},
      {27, "Rheinland-Pfalz"},
      {10, "Saarland"},
      {32, "Sachsen"},
      {31, "Sachsen-Anhalt"},
      {21, "Schleswig-Holstein"},
      {41, "Thüringen"}};
  const auto liste = alsVektor(FINANZAMT_LAND_LISTE);
  ASSERT_EQ(liste.size(), erwartet.size());
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    EXPECT_EQ(liste[i].nummer, erwartet[i].first) << i;
    EXPECT_EQ(liste[i].name, erwartet[i].second) << i;
  }
}

// Entries per list and records per Land key.
const std::map<int, std::pair<std::size_t, std::size_t>> kAnzahlen = {
    {10, {9, 10}},  {11, {21, 23}}, {21, {20, 20}}, {22, {13, 20}}, {23, {58, 68}},
    {24, {6, 10}},  {26, {47, 47}}, {27, {34, 35}}, {28, {79, 81}}, {30, {14, 14}},
    {31, {14, 14}}, {32, {27, 27}}, {40, {11, 13}}, {41, {12, 12}}, {51, {30, 40}},
    {52, {25, 31}}, {53, {50, 60}}, {91, {55, 61}}, {92, {36, 36}}};

TEST(Finanzamtslisten, CountsOrderAndNamesPerKey) {
  ASSERT_EQ(FINANZAMT_LISTEN_ANZAHL, kAnzahlen.size());
  std::size_t summe = 0;
  for (const auto& [land, anzahl] : kAnzahlen) {
    const FinanzamtListenEintrag* liste = holeFinanzamtListe(land);
    ASSERT_NE(liste, nullptr) << land;
    const auto eintraege = alsVektor(liste);
    EXPECT_EQ(eintraege.size(), anzahl.first) << land;
    summe += eintraege.size();
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
      EXPECT_EQ(eintraege[i].nummer / 100, land) << eintraege[i].nummer;
      EXPECT_EQ(std::string(eintraege[i].name).rfind("Finanzamt ", 0), 0u) << eintraege[i].name;
      if (i > 0) {
        EXPECT_LT(eintraege[i - 1].nummer, eintraege[i].nummer) << land;
      }
    }
  }
  EXPECT_EQ(summe, 561u);
  for (int ohne : {5, 25, 54, 55, 56, 0, -1}) EXPECT_EQ(holeFinanzamtListe(ohne), nullptr) << ohne;
}

TEST(Finanzamtseintraege, CountsOrderAndKeys) {
  const FinanzamtTabelle t = finanzamtTabelle();
  ASSERT_EQ(t.anzahl, 622u);
  EXPECT_EQ(t.erster, FINANZAMT_EINTRAEGE);
  EXPECT_EQ(t.erster[0].nummer, 1010);
  EXPECT_EQ(t.erster[t.anzahl - 1].nummer, 9259);
  std::map<int, std::size_t> proLand;
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
  }
  for (const auto& [land, anzahl] : kAnzahlen) EXPECT_EQ(proLand[land], anzahl.second) << land;
  EXPECT_EQ(proLand.size(), kAnzahlen.size());
}

TEST(Finanzamtseintraege, EveryFieldEndsWithinItsCapacity) {
  const FinanzamtTabelle t = finanzamtTabelle();
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    const FinanzamtEintrag& e = t.erster[i];
#define DV_PRUEFE(feld, breite)                        \
  EXPECT_EQ(sizeof e.feld, std::size_t{(breite) + 1}); \
  EXPECT_LT(strnlen(e.feld, sizeof e.feld), sizeof e.feld) << e.nummer << " " #feld;
    DV_FINANZAMT_FELDER(DV_PRUEFE)
#undef DV_PRUEFE
  }
}

TEST(Finanzamtseintraege, ListsRecordsAndTestOfficesFitTogether) {
  const auto saetze = alleSaetze();
  const auto listennummern = alleListennummern();
  for (int n : listennummern) EXPECT_TRUE(saetze.count(n)) << n << " hat keinen Datensatz";
  std::size_t ohneListe = 0, mitPlzZusatz = 0;
  for (const auto& [n, e] : saetze) {
    ohneListe += listennummern.count(n) == 0;
    mitPlzZusatz += e->PlzZusatz[0] != '\0';
  }
  EXPECT_EQ(ohneListe, 61u);
  EXPECT_EQ(mitPlzZusatz, 207u);

  const auto test = alsVektor(TESTFINANZAMT_LISTE);
  ASSERT_EQ(test.size(), 158u);
  EXPECT_EQ(test.front().nummer, 1096);
  EXPECT_EQ(test.back().nummer, 9299);
  for (std::size_t i = 0; i < test.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(test[i - 1].nummer, test[i].nummer);
    }
    EXPECT_EQ(saetze.count(test[i].nummer), 0u) << test[i].nummer;
    EXPECT_EQ(listennummern.count(test[i].nummer), 0u) << test[i].nummer;
  }
}

TEST(Finanzamtseintraege, CitedOfficesExistAsCited) {
  const auto saetze = alleSaetze();
  const auto listennummern = alleListennummern();
  auto listenname = [](int n) -> std::string {
    for (const auto& e : alsVektor(holeFinanzamtListe(n / 100))) {
      if (e.nummer == n) return e.name;
    }
    return "";
  };
  EXPECT_EQ(listenname(1010), "Finanzamt Saarlouis");
  EXPECT_STREQ(saetze.at(1010)->Name, "Saarlouis");
  EXPECT_EQ(listenname(1127), "Finanzamt Charlottenburg");
  for (int n : {2801, 2601, 9101, 9181}) EXPECT_TRUE(listennummern.count(n)) << n;

  std::vector<int> berlin;
  for (const auto& e : alsVektor(holeFinanzamtListe(11))) berlin.push_back(e.nummer);
  EXPECT_EQ(berlin,
            (std::vector<int>{1113, 1114, 1116, 1117, 1118, 1119, 1120, 1121, 1123, 1124, 1125,
                              1127, 1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137}));

  for (int n : {2380, 2393, 5170, 5171, 5172, 5173, 5174, 5175, 5176}) {
    EXPECT_TRUE(saetze.count(n)) << n;
  }
  for (const auto& [n, e] : saetze) {
    if ((n >= 2380 && n <= 2393) || (n >= 5170 && n <= 5176)) {
      EXPECT_EQ(listennummern.count(n), 0u) << n;
    }
  }

  // Examples of name additions and relation texts.
  std::set<std::string> zusaetze, bezuege;
  for (const auto& [n, e] : saetze) {
    zusaetze.insert(e->NamensZusatz);
    bezuege.insert(e->BezugText);
  }
  for (const char* z : {"mit Außenstelle Ebern", "Konzernbetriebsprüfung"}) {
    EXPECT_TRUE(zusaetze.count(z)) << z;
  }
  for (const char* b : {"Außenstelle v. Finanzamt Offenburg", "zugehörige Außenstellen"}) {
    EXPECT_TRUE(bezuege.count(b)) << b;
  }
}

TEST(Testfinanzaemter, CitedNamesAndTheNrwBlocks) {
  std::map<int, std::string> test;
  for (const auto& e : alsVektor(TESTFINANZAMT_LISTE)) test[e.nummer] = e.name;
  const std::map<int, std::string> zitiert = {
      {1096, "Testfinanzamt Saarland"},           {1097, "Finanzschule (Edenkoben)"},
      {1140, "Berlin - Testsystem MVS"},          {2653, "HE_Testfinanzamt -2653-"},
      {2678, "HE_Schulung_LFS Rotenburg -2678-"}, {9299, "Finanzamt Test-FA OFD Nbg."}};
  for (const auto& [n, name] : zitiert) EXPECT_EQ(test[n], name) << n;
  for (int n = 1194; n <= 1198; ++n) EXPECT_TRUE(test.count(n)) << n;

  std::size_t nrw = 0;
  for (const auto& [n, name] : test) {
    if (n / 100 >= 54 && n / 100 <= 56) {
      ++nrw;
      EXPECT_EQ(name, "Testfinanzamt Nordrhein-Westfalen -" + std::to_string(n) + "-");
    }
  }
  EXPECT_EQ(nrw, 70u);
  for (auto [von, bis] : {std::pair{5400, 5424}, {5500, 5519}, {5600, 5624}}) {
    for (int n = von; n <= bis; ++n) EXPECT_TRUE(test.count(n)) << n;
  }
}

// ISO 7064 MOD 97-10 over the IBAN with its first four characters moved to the
// end, letters as 10..35, one digit at a time.
int ibanRest(const std::string& iban) {
  const std::string umgestellt = iban.substr(4) + iban.substr(0, 4);
  int rest = 0;
  for (char c : umgestellt) {
    const int wert = c >= 'A' ? c - 'A' + 10 : c - '0';
    rest = (wert >= 10 ? rest * 100 + wert : rest * 10 + wert) % 97;
  }
  return rest;
}

TEST(Iban, IndependentCheckOnPublishedExamples) {
  EXPECT_EQ(ibanRest("DE89370400440532013000"), 1);  // widely published German example
  EXPECT_EQ(ibanRest("GB82WEST12345698765432"), 1);  // ISO 13616 example
  EXPECT_NE(ibanRest("DE88370400440532013000"), 1);
}

TEST(Finanzamtseintraege, BankAccountsAreWellFormedAndAgree) {
  const std::regex bic("[A-Z]{4}DE[A-Z0-9]{2}([A-Z0-9]{3})?");
  const std::regex blz("[1-9][0-9]{7}");
  const auto saetze = alleSaetze();
  std::size_t konten = 0;
  for (const auto& [n, e] : saetze) {
    struct Konto {
      const char *blz, *konto, *bank, *iban, *bic, *buFa;
    };
    for (const Konto& k :
         {Konto{e->Blz1, e->Konto1, e->Bank1, e->Iban1, e->Bic1, e->KontoBuFaNummer1},
          Konto{e->Blz2, e->Konto2, e->Bank2, e->Iban2, e->Bic2, e->KontoBuFaNummer2}}) {
      if (k.iban[0] == '\0') {
        EXPECT_STREQ(k.blz, "") << n;
        EXPECT_STREQ(k.konto, "") << n;
        EXPECT_STREQ(k.bic, "") << n;
        continue;
      }
      ++konten;
      std::string ziffern;
      for (const char* c = k.konto; *c != '\0'; ++c) {
        if (*c != ' ') ziffern += *c;
      }
      const std::string iban = k.iban;
      ASSERT_EQ(iban.size(), 22u) << n;
      EXPECT_EQ(ibanRest(iban), 1) << n << " " << iban;
      EXPECT_TRUE(std::regex_match(k.blz, blz)) << n;
      EXPECT_EQ(iban.substr(4, 8), k.blz) << n;
      EXPECT_EQ(iban.substr(12), std::string(10 - ziffern.size(), '0') + ziffern) << n;
      EXPECT_TRUE(std::regex_match(k.bic, bic)) << n << " " << k.bic;
      EXPECT_NE(k.bank[0], '\0') << n;
      EXPECT_TRUE(saetze.count(std::atoi(k.buFa))) << n << " " << k.buFa;
    }
  }
  EXPECT_GE(konten, 622u);  // every office has at least its first account
}

TEST(Finanzamtseintraege, AddressesLookGerman) {
  const std::regex plz("[0-9]{5}");
  const std::regex telefon("0[1-9][0-9]{1,4} [1-9][0-9]{2,5}-[0-9]{1,4}");
  const std::regex exampleMail("[a-z0-9.-]+@[a-z0-9.-]+\\.example");
  const std::regex exampleWeb("(https://)?www\\.[a-z0-9.-]+\\.example(/[a-z0-9/-]*)?");
  const auto saetze = alleSaetze();
  for (const auto& [n, e] : saetze) {
    EXPECT_TRUE(std::regex_match(e->Plz, plz)) << n;
    EXPECT_NE(e->Ort[0], '\0') << n;
    EXPECT_NE(e->Strasse[0], '\0') << n;
    EXPECT_TRUE(std::regex_match(e->Telefon, telefon)) << n << " " << e->Telefon;
    EXPECT_TRUE(std::regex_match(e->Telefax, telefon)) << n << " " << e->Telefax;
    for (const char* feld : {e->PlzZusatz, e->PlzPostfach}) {
      if (feld[0] != '\0') {
        EXPECT_TRUE(std::regex_match(feld, plz)) << n;
      }
    }
    if (e->EMail[0] != '\0') {
      EXPECT_TRUE(std::regex_match(e->EMail, exampleMail)) << n;
    }
    EXPECT_TRUE(std::regex_match(e->EMail2, exampleMail)) << n;  // always filled
    if (e->Internet[0] != '\0') {
      EXPECT_TRUE(std::regex_match(e->Internet, exampleWeb)) << n;
    }
    EXPECT_TRUE(std::regex_match(e->Internet2, exampleWeb)) << n;
    if (e->BezugBuFaNummer[0] != '\0') {
      EXPECT_TRUE(saetze.count(std::atoi(e->BezugBuFaNummer))) << n;
    }
  }
}

}  // namespace
