// getPlausiFehlertext through the module loaded with dlopen gives the same
// answers as the lookup linked in directly.
#include <climits>
#include <thread>

#include "errortexts/FehlertextEintrag.h"
#include "errortexts/PlausiFehlertexte.h"
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using vesk::divideVira::PLAUSI_FEHLERTEXTE;
using vesk::divideVira::PLAUSI_FEHLERTEXTE_ANZAHL;
using vesk::divideVira::plausiFehlertext;
using PlausiModul = ModulTest;

TEST_F(PlausiModul, GrenzenWieDokumentiert) {
  auto dienst = modul().fehlertextService();
  for (int nummer : {INT_MIN, -1, 0, 1, 8991000, 9999999, INT_MAX}) {
    EXPECT_EQ(dienst->getPlausiFehlertext(nummer), "") << nummer;
  }
  EXPECT_EQ(dienst->getPlausiFehlertext(2),
            "Speicheranforderung fehlgeschlagen bei Modul Plausibilitätsprüfung.");
  EXPECT_FALSE(dienst->getPlausiFehlertext(3).empty());
  EXPECT_EQ(dienst->getPlausiFehlertext(46),
            "Es wurde das Ankreuzfeld \"geh- u. stehbehindert\" gesetzt, bitte geben Sie hierzu "
            "auch den Grad der Behinderung (Kz 56) an (Stpfl./Ehemann).");
  EXPECT_EQ(dienst->getPlausiFehlertext(8990999),
            "Fehler im übergebenen Datensatz (Vorsatz): Bei der Körperschaftsteuer sind nur die "
            "Vorgänge 01 und 04 gültig.");
  // The host error-code table is a different table: no fallback either way.
  EXPECT_EQ(dienst->getPlausiFehlertext(610001034), "");
  EXPECT_EQ(dienst->getFehlertext(5), "");
}

TEST_F(PlausiModul, JederEintragWieImProzess) {
  auto dienst = modul().fehlertextService();
  for (std::size_t i = 0; i < PLAUSI_FEHLERTEXTE_ANZAHL; ++i) {
    const int code = PLAUSI_FEHLERTEXTE[i].code;
    ASSERT_EQ(dienst->getPlausiFehlertext(code), plausiFehlertext(code)) << code;
  }
}

TEST_F(PlausiModul, ZweiInstanzenUndThreadsAntwortenGleich) {
  auto a = modul().fehlertextService();
  auto b = modul().fehlertextService();
  std::vector<std::string> texte(4);
  std::vector<std::thread> threads;
  for (auto& text : texte) {
    threads.emplace_back([&a, &text] { text = a->getPlausiFehlertext(46); });
  }
  for (auto& t : threads) t.join();
  for (const auto& text : texte) EXPECT_EQ(text, b->getPlausiFehlertext(46));
}

}  // namespace
}  // namespace dvtest
