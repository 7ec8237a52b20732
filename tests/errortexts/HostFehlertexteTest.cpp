// getFehlertext through the loaded module, against the host's published codes and texts.
#include <map>
#include <set>

#include "support/HostCodes.h"
#include "support/ModulTest.h"

namespace dvtest {
namespace {

using HostFehlertexte = ModulTest;

TEST_F(HostFehlertexte, GenauDieVeroeffentlichtenCodesUndTexte) {
  auto dienst = modul().fehlertextService();
  // Every code of the six groups and a few outside: only the published ones have a text.
  std::vector<int> mitText;
  std::map<std::string, std::set<int>> codesJeText;
  for (int basis : {0, 610001000, 610101000, 610201000, 610301000, 610501000}) {
    for (int code = basis; code < basis + (basis == 0 ? 1 : 1000); ++code) {
      const std::string text = dienst->getFehlertext(code);
      if (text.empty()) continue;
      mitText.push_back(code);
      codesJeText[text].insert(code);
      for (unsigned char c : text) EXPECT_TRUE(c >= 0x20 && c != 0xC3) << code;  // no UTF-8 umlaut
    }
  }
  EXPECT_EQ(mitText, erwarteteHostCodes());
  // The published groups of codes that share one text, and no others.
  std::set<std::set<int>> geteilt;
  for (const auto& [text, codes] : codesJeText) {
    if (codes.size() > 1) geteilt.insert(codes);
  }
  EXPECT_EQ(geteilt, (std::set<std::set<int>>{{610001001, 610301001, 610501001},
                                              {610001032, 610201208},
                                              {610001038, 610001039},
                                              {610101253, 610301253}}));
  // Published texts; literals are ISO-8859-15 here too, one byte per umlaut.
  const std::pair<int, const char*> kVeroeffentlicht[] = {
      {0, "Verarbeitung fehlerfrei."},
      {610001034, "Ungültige Steuernummer."},
      {610101253, "Im XML-String konnte der Text \"</DatenTeil>\" nicht gefunden werden."},
  };
  for (const auto& [code, text] : kVeroeffentlicht) EXPECT_EQ(dienst->getFehlertext(code), text);
}

}  // namespace
}  // namespace dvtest
