// The host result-code texts as data. Which codes have a text is checked
// through the loaded module (tests/integration).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "errortexts/HostFehlertexte.h"

namespace vesk::divideVira {
namespace {

TEST(HostFehlertexte, ZitierteZeilenEinzeiligInLatin9UndNurVierGeteilteTexte) {
  // Rows quoted in the reference table, with an umlaut and with quotes.
  const std::pair<int, const char*> kZitiert[] = {
      {610001034, "Ung\xfcltige Steuernummer."},  // the umlaut as one Latin-9 byte
      {610101253, "Im XML-String konnte der Text \"</DatenTeil>\" nicht gefunden werden."},
  };
  const auto& texte = hostFehlertexte();
  for (const auto& [code, text] : kZitiert) EXPECT_EQ(texte.at(code), text) << code;

  std::map<std::string, std::set<int>> codesJeText;
  for (const auto& [code, text] : texte) {
    ASSERT_FALSE(text.empty()) << code;
    for (unsigned char c : text) EXPECT_GE(c, 0x20) << code;
    EXPECT_EQ(text.find('\xC3'), std::string::npos) << code;  // a UTF-8 umlaut slipped through
    codesJeText[text].insert(code);
  }
  std::set<std::set<int>> geteilt;
  for (const auto& [text, codes] : codesJeText) {
    if (codes.size() > 1) geteilt.insert(codes);
  }
  EXPECT_EQ(geteilt, (std::set<std::set<int>>{{610001001, 610301001, 610501001},
                                              {610001032, 610201208},
                                              {610001038, 610001039},
                                              {610101253, 610301253}}));
}

}  // namespace
}  // namespace vesk::divideVira
