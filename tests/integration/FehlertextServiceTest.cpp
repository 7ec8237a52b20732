// The error text service through the loaded module.
#include <climits>
#include <thread>

#include "support/HostCodes.h"
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using FehlertextService = ModulTest;

TEST_F(FehlertextService, GenauDieHostCodesHabenTexte) {
  auto dienst = modul().fehlertextService();
  std::vector<int> mitText;
  for (auto [von, bis] : hostCodeBereiche()) {
    for (int code = von; code <= bis; ++code) {
      if (!dienst->getFehlertext(code).empty()) mitText.push_back(code);
    }
  }
  EXPECT_EQ(mitText, erwarteteHostCodes());
}

TEST_F(FehlertextService, FehlenderCodeGibtLeerstatt610001007) {
  auto dienst = modul().fehlertextService();
  EXPECT_EQ(dienst->getFehlertext(610001007), "Keine Klartextfehlermeldung vorhanden.");
  for (int code : {610001003, -1, 1, 610000999, 610502000, INT_MIN, INT_MAX}) {
    EXPECT_EQ(dienst->getFehlertext(code), "") << code;
  }
}

TEST_F(FehlertextService, ZweiInstanzenAntwortenGleich) {
  auto a = modul().fehlertextService();
  auto b = modul().fehlertextService();
  for (int code : erwarteteHostCodes()) EXPECT_EQ(a->getFehlertext(code), b->getFehlertext(code));
  EXPECT_EQ(a->getFehlertext(0), "Verarbeitung fehlerfrei.");
}

TEST_F(FehlertextService, GleichzeitigerErsterAufrufAusAchtThreads) {
  std::vector<std::string> texte(8);
  std::vector<std::thread> threads;
  for (auto& text : texte) {
    threads.emplace_back([this, &text] {
      auto dienst = modul().fehlertextService();
      text = dienst->getFehlertext(610001034);
    });
  }
  for (auto& t : threads) t.join();
  for (const auto& text : texte) EXPECT_EQ(text, "Ungültige Steuernummer.");
}

}  // namespace
}  // namespace dvtest
