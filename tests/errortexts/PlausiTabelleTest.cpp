// The plausibility catalogue: every promised property over the whole table,
// and the two substitutions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "errortexts/FehlertextEintrag.h"
#include "errortexts/PlausiFehlertexte.h"

namespace vesk::divideVira {
namespace {

TEST(PlausiTabelle, ErfuelltJedeZugesagteEigenschaft) {
  const FehlertextEintrag* t = PLAUSI_FEHLERTEXTE;
  const std::size_t n = PLAUSI_FEHLERTEXTE_ANZAHL;
  ASSERT_EQ(n, 13944u);
  // The codes with flag 1, typed in from the published list of ranges.
  std::set<int> geflaggtErwartet;
  for (auto [von, bis] : {std::pair{9920, 9920},
                          {9940, 9953},
                          {9960, 9980},
                          {9984, 9988},
                          {9991, 10006},
                          {10009, 10009},
                          {10075, 10077},
                          {10091, 10093},
                          {10432, 10432},
                          {10441, 10442},
                          {10450, 10452},
                          {600545, 600545}}) {
    for (int c = von; c <= bis; ++c) geflaggtErwartet.insert(c);
  }
  int jeStellen[3] = {};
  std::vector<int> darueber;
  std::set<int> geflaggt;
  int mitQuote = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int c = t[i].code;
    if (i > 0) {
      ASSERT_LT(t[i - 1].code, c) << "not strictly ascending at " << i;
    }
    if (c < 1000000) ++jeStellen[c < 10000 ? 0 : c < 100000 ? 1 : 2];
    if (c >= 1000000) darueber.push_back(c);
    ASSERT_TRUE(t[i].flag == 0 || t[i].flag == 1) << c;
    if (t[i].flag == 1) geflaggt.insert(c);
    mitQuote += std::strstr(t[i].text, "&quote;") != nullptr;
    const std::string text = t[i].text;
    EXPECT_FALSE(text.empty()) << c;
    EXPECT_LE(text.size(), 627u) << c;
    EXPECT_EQ(text.find("<br>"), std::string::npos) << c;
    EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](unsigned char z) {
      return z < 0x20 || (z >= 0x7F && z < 0xA0);
    })) << c;
  }
  EXPECT_EQ(t[0].code, 2);
  EXPECT_EQ(jeStellen[0], 2511);
  EXPECT_EQ(jeStellen[1], 1282);
  EXPECT_EQ(jeStellen[2], 10148);
  EXPECT_EQ(darueber, (std::vector<int>{8880099, 8990998, 8990999}));
  EXPECT_EQ(geflaggt, geflaggtErwartet);
  EXPECT_EQ(geflaggt.size(), 71u);
  EXPECT_EQ(mitQuote, 276);

  // The rows whose wording is published, in stored form; code 3 must exist.
  const struct {
    int code, flag;
    const char* text;
  } kVeroeffentlicht[] = {
      {2, 0, "Speicheranforderung fehlgeschlagen bei Modul Plausibilitätsprüfung."},
      {3, 0, nullptr},
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
  for (const auto& z : kVeroeffentlicht) {
    const auto* e = std::find_if(t, t + n, [&](const auto& r) { return r.code == z.code; });
    ASSERT_NE(e, t + n) << z.code;
    EXPECT_EQ(e->flag, z.flag) << z.code;
    if (z.text != nullptr) {
      EXPECT_STREQ(e->text, z.text) << z.code;
    }
  }
}

// Expected texts worked out by hand: "&quote;" first, then "<br>", each left to
// right without looking again at what was inserted.
TEST(PlausiErsetzung, ReihenfolgeUndKeinNachlesen) {
  const std::pair<const char*, const char*> kFaelle[] = {
      {"", ""},
      {"ohne Markierung", "ohne Markierung"},
      {"&quote;&quote;", "\"\""},      // adjacent
      {"&quote", "&quote"},            // no ';'
      {"&Quote;<BR>", "&Quote;<BR>"},  // case-sensitive
      {"&&quote;;", "&\";"},           // neighbours stay
      {"&quote;quote;", "\"quote;"},   // no rescan after the insertion
      {"<br><br>", "\n\n"},            // adjacent
      {"<<br>br>>", "<\nbr>>"},        // no rescan: no new <br> forms
      {"<br&quote;>", "<br\">"},       // quotes first: '"' never completes <br>
      {"&quo<br>te;", "&quo\nte;"},    // <br> only; no entity is formed afterwards
      {"Kz &quote;56&quote;<br>Zeile 3", "Kz \"56\"\nZeile 3"},
  };
  for (const auto& [eingabe, erwartet] : kFaelle) {
    EXPECT_EQ(ersetzeMarkierungen(eingabe), erwartet) << eingabe;
  }
}

}  // namespace
}  // namespace vesk::divideVira
