// getPlausiFehlertext through the module loaded with dlopen: the boundaries,
// every record with its substituted text, and the gaps next to each record.
#include <climits>

#include "errortexts/FehlertextEintrag.h"
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using vesk::divideVira::PLAUSI_FEHLERTEXTE;
using vesk::divideVira::PLAUSI_FEHLERTEXTE_ANZAHL;
using PlausiModul = ModulTest;

// Reference substitution: literal find and replace, continuing behind the insertion.
std::string ersetzt(std::string s) {
  for (const auto& [muster, ersatz] :
       {std::pair<std::string, std::string>{"&quote;", "\""}, {"<br>", "\n"}}) {
    for (auto pos = s.find(muster); pos != std::string::npos;
         pos = s.find(muster, pos + ersatz.size())) {
      s.replace(pos, muster.size(), ersatz);
    }
  }
  return s;
}

TEST_F(PlausiModul, GrenzenJederEintragUndJedeNachbarluecke) {
  auto dienst = modul().fehlertextService();
  // Absent boundaries; a host code too: the other table is not consulted. The
  // present ones (2, 3, 8990999) are among the records checked below.
  for (int nummer : {INT_MIN, -1, 0, 1, 8991000, INT_MAX, 610001034}) {
    EXPECT_EQ(dienst->getPlausiFehlertext(nummer), "") << nummer;
  }
  const auto* t = PLAUSI_FEHLERTEXTE;
  const std::size_t n = PLAUSI_FEHLERTEXTE_ANZAHL;
  int luecken = 0;
  for (std::size_t i = 0; i < n; ++i) {
    ASSERT_EQ(dienst->getPlausiFehlertext(t[i].code), ersetzt(t[i].text)) << t[i].code;
    if (i + 1 == n || t[i + 1].code != t[i].code + 1) {
      ASSERT_EQ(dienst->getPlausiFehlertext(t[i].code + 1), "") << t[i].code + 1;
      ++luecken;
    }
    if (i == 0 || t[i - 1].code != t[i].code - 1) {
      ASSERT_EQ(dienst->getPlausiFehlertext(t[i].code - 1), "") << t[i].code - 1;
    }
  }
  EXPECT_GT(luecken, 100);  // the codes are not one dense run
}

}  // namespace
}  // namespace dvtest
