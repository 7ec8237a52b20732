// getPlausiFehlertext through the loaded module over every record of the compiled-in table and
// the gaps between them (the substitution has its own cases below), and the table against the
// shape and texts the host publishes for it.
#include <algorithm>
#include <climits>
#include <cstring>
#include <set>

#include "errortexts/FehlertextEintrag.h"
#include "errortexts/PlausiFehlertexte.h"
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using vesk::divideVira::ersetzeMarkierungen;
using vesk::divideVira::PLAUSI_FEHLERTEXTE;
using PlausiFehlertexte = ModulTest;

TEST_F(PlausiFehlertexte, JederEintragJedeLueckeUndDieVeroeffentlichteGestalt) {
  auto dienst = modul().fehlertextService();
  const std::size_t n = vesk::divideVira::PLAUSI_FEHLERTEXTE_ANZAHL;
  ASSERT_EQ(n, 13944u);
  std::vector<int> jeBereich(4);  // codes below 10^4, 10^5, 10^6 and above
  std::set<int> geflaggt;
  int mitQuote = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto& e = PLAUSI_FEHLERTEXTE[i];
    ASSERT_EQ(dienst->getPlausiFehlertext(e.code), ersetzeMarkierungen(e.text)) << e.code;
    if (i + 1 == n || PLAUSI_FEHLERTEXTE[i + 1].code > e.code + 1) {
      ASSERT_EQ(dienst->getPlausiFehlertext(e.code + 1), "") << e.code + 1;
    }
    if (i == 0 || PLAUSI_FEHLERTEXTE[i - 1].code < e.code - 1) {
      ASSERT_EQ(dienst->getPlausiFehlertext(e.code - 1), "") << e.code - 1;
    }
    ++jeBereich[(e.code >= 10000) + (e.code >= 100000) + (e.code >= 1000000)];
    if (e.flag == 1) geflaggt.insert(e.code);
    mitQuote += std::strstr(e.text, "&quote;") != nullptr;
    const std::size_t laenge = std::strlen(e.text);
    EXPECT_TRUE(laenge > 0 && laenge <= 627 && std::strstr(e.text, "<br>") == nullptr &&
                std::none_of(e.text, e.text + laenge, [](unsigned char c) { return c < 0x20; }) &&
                (e.flag == 0 || e.flag == 1))
        << e.code;
  }
  for (int nummer : {INT_MIN, -1, 0, 1, 8991000, INT_MAX, 610001034}) {
    EXPECT_EQ(dienst->getPlausiFehlertext(nummer), "") << nummer;
  }
  // The published figures: counts per range, texts with quotes, the flag ranges; first and last
  // record are among the texts below.
  EXPECT_EQ(jeBereich, (std::vector<int>{2511, 1282, 10148, 3}));
  EXPECT_EQ(mitQuote, 276);
  std::set<int> flagsVeroeffentlicht;
  const int kVonBis[] = {9920,  9920,  9940,  9953,  9960,  9980,  9984,   9988,
                         9991,  10006, 10009, 10009, 10075, 10077, 10091,  10093,
                         10432, 10432, 10441, 10442, 10450, 10452, 600545, 600545};
  for (std::size_t k = 0; k < std::size(kVonBis); k += 2) {
    for (int c = kVonBis[k]; c <= kVonBis[k + 1]; ++c) flagsVeroeffentlicht.insert(c);
  }
  EXPECT_EQ(geflaggt, flagsVeroeffentlicht);
  // Published texts, as the host receives them (literals are ISO-8859-15 here too).
  const std::pair<int, const char*> kVeroeffentlicht[] = {
      {2, "Speicheranforderung fehlgeschlagen bei Modul Plausibilitätsprüfung."},
      {46,
       "Es wurde das Ankreuzfeld \"geh- u. stehbehindert\" gesetzt, bitte geben Sie hierzu "
       "auch den Grad der Behinderung (Kz 56) an (Stpfl./Ehemann)."},
      {8990999,
       "Fehler im übergebenen Datensatz (Vorsatz): Bei der Körperschaftsteuer sind nur "
       "die Vorgänge 01 und 04 gültig."},
  };
  for (const auto& [code, text] : kVeroeffentlicht)
    EXPECT_EQ(dienst->getPlausiFehlertext(code), text);
}

// Worked out by hand: "&quote;" first, then "<br>", each left to right without rescanning.
TEST(PlausiErsetzung, ReihenfolgeUndKeinNachlesen) {
  const std::pair<const char*, const char*> kFaelle[] = {
      {"", ""},
      {"&quote;&quote;", "\"\""},
      {"&quote", "&quote"},
      {"&Quote;<BR>", "&Quote;<BR>"},
      {"&&quote;;", "&\";"},
      {"&quote;quote;", "\"quote;"},
      {"<<br>br>>", "<\nbr>>"},
      {"<br&quote;>", "<br\">"},
      {"&quo<br>te;", "&quo\nte;"},
      {"Kz &quote;56&quote;<br><br>Zeile 3", "Kz \"56\"\n\nZeile 3"},
  };
  for (const auto& [eingabe, erwartet] : kFaelle) {
    EXPECT_EQ(ersetzeMarkierungen(eingabe), erwartet) << eingabe;
  }
}

}  // namespace
}  // namespace dvtest
