// The shape the plausibility catalogue promises, proven over every record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "errortexts/FehlertextEintrag.h"

namespace vesk::divideVira {
namespace {

// The codes with flag 1, typed in from the published list of ranges.
std::set<int> geflaggteCodes() {
  const std::pair<int, int> kBereiche[] = {{9920, 9920},   {9940, 9953},   {9960, 9980},
                                           {9984, 9988},   {9991, 10006},  {10009, 10009},
                                           {10075, 10077}, {10091, 10093}, {10432, 10432},
                                           {10441, 10442}, {10450, 10452}, {600545, 600545}};
  std::set<int> codes;
  for (auto [von, bis] : kBereiche) {
    for (int c = von; c <= bis; ++c) codes.insert(c);
  }
  return codes;
}

bool istSteuerzeichen(unsigned char c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

TEST(PlausiTabelle, ErfuelltJedeZugesagteEigenschaft) {
  const FehlertextEintrag* t = PLAUSI_FEHLERTEXTE;
  const std::size_t n = PLAUSI_FEHLERTEXTE_ANZAHL;
  ASSERT_EQ(n, 13944u);

  std::map<std::string, int> jeBereich;
  std::vector<int> ueberMillion;
  std::set<int> geflaggt;
  int mitQuote = 0, mitBr = 0, leer = 0, mitSteuerzeichen = 0, falscheFlags = 0;
  std::size_t laengste = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) {
      ASSERT_LT(t[i - 1].code, t[i].code) << "not strictly ascending at " << i;
    }
    const int c = t[i].code;
    jeBereich[c < 10000 ? "<10000" : c < 100000 ? "<100000" : c < 1000000 ? "<1000000" : "ab"]++;
    if (c >= 1000000) ueberMillion.push_back(c);
    if (t[i].flag == 1) geflaggt.insert(c);
    if (t[i].flag != 0 && t[i].flag != 1) ++falscheFlags;
    if (std::strstr(t[i].text, "&quote;")) ++mitQuote;
    if (std::strstr(t[i].text, "<br>")) ++mitBr;
    const std::size_t laenge = std::strlen(t[i].text);
    if (laenge == 0) ++leer;
    laengste = std::max(laengste, laenge);
    for (const char* p = t[i].text; *p; ++p) {
      if (istSteuerzeichen(static_cast<unsigned char>(*p))) {
        ++mitSteuerzeichen;
        break;
      }
    }
  }
  EXPECT_EQ(t[0].code, 2);
  EXPECT_EQ(t[n - 1].code, 8990999);
  EXPECT_EQ(jeBereich["<10000"], 2511);
  EXPECT_EQ(jeBereich["<100000"], 1282);
  EXPECT_EQ(jeBereich["<1000000"], 10148);
  EXPECT_EQ(ueberMillion, (std::vector<int>{8880099, 8990998, 8990999}));
  EXPECT_EQ(geflaggt, geflaggteCodes());
  EXPECT_EQ(geflaggt.size(), 71u);
  EXPECT_EQ(falscheFlags, 0);
  EXPECT_EQ(mitQuote, 276);
  EXPECT_EQ(mitBr, 0);
  EXPECT_EQ(leer, 0);
  EXPECT_EQ(mitSteuerzeichen, 0);
  EXPECT_LE(laengste, 627u);

  // The rows whose wording is published, stored form (before substitution).
  struct Zeile {
    int code, flag;
    const char* text;
  };
  const Zeile kVeroeffentlicht[] = {
      {2, 0, "Speicheranforderung fehlgeschlagen bei Modul Plausibilitätsprüfung."},
      {5, 0, "Ungültige Steuernummer."},
      {46, 0,
       "Es wurde das Ankreuzfeld &quote;geh- u. stehbehindert&quote; gesetzt, bitte geben Sie "
       "hierzu auch den Grad der Behinderung (Kz 56) an (Stpfl./Ehemann)."},
      {65, 0, "Abzug mit über 100 % angegeben."},
      {9920, 1,
       "Fehler beim Listenfeld: Der übergebene Wert entspricht keinem der für dieses Feld "
       "hinterlegten Listenelemente."},
      {9972, 1, "Datumsfehler: Das Format stimmt nicht. Erwartetes Format ist TT.MM.JJJJ ."},
      {9991, 1, "Wertlänge 0 ist nicht erlaubt."},
      {9997, 1, "Kein Betrag mit 2 Nachkommastellen der Form 123,45 oder -123,45 ."},
      {8990999, 0,
       "Fehler im übergebenen Datensatz (Vorsatz): Bei der Körperschaftsteuer sind nur die "
       "Vorgänge 01 und 04 gültig."},
  };
  auto finde = [&](int code) {
    const FehlertextEintrag* e = std::find_if(t, t + n, [&](auto& r) { return r.code == code; });
    return e == t + n ? nullptr : e;
  };
  for (const auto& z : kVeroeffentlicht) {
    const FehlertextEintrag* e = finde(z.code);
    ASSERT_NE(e, nullptr) << z.code;
    EXPECT_STREQ(e->text, z.text) << z.code;
    EXPECT_EQ(e->flag, z.flag) << z.code;
  }
  EXPECT_NE(finde(3), nullptr);
}

}  // namespace
}  // namespace vesk::divideVira
