// Conversion between ISO-8859-15 bytes and the parser's 16-bit characters.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <xercesc/util/XMLExceptMsgs.hpp>

#include "xml/XStr.h"
#include "xml/XmlPlattform.h"

namespace {

using vesk::util::xml::StrX;
using vesk::util::xml::XStr;

// Latin-9 differs from Latin-1 in eight places; the euro sign is byte 0xA4.
struct Paar {
  std::string bytes;
  std::u16string zeichen;
};

const Paar PAARE[] = {
    {"", u""},
    {"ASCII 0-9 <&>", u"ASCII 0-9 <&>"},
    {"Grüße aus Köln", u"Gr\u00fc\u00dfe aus K\u00f6ln"},  // Latin-1 range
    {"\xa4 \xa6\xa8\xb4\xb8\xbc\xbd\xbe",
     u"\u20ac \u0160\u0161\u017d\u017e\u0152\u0153\u0178"},  // Latin-9 only
    {"\x01\x7f\xff", u"\u0001\u007f\u00ff"},                 // edges of the byte range
};

TEST(Transkodierung, BytesZuZeichenUndZurueck) {
  for (const auto& paar : PAARE) {
    SCOPED_TRACE(paar.bytes);
    const XStr xstr(paar.bytes);
    EXPECT_EQ(std::u16string(xstr.unicodeForm()), paar.zeichen);
    EXPECT_EQ(xstr.laenge(), paar.zeichen.size());
    EXPECT_EQ(XStr(paar.bytes.c_str()).unicodeForm(), std::u16string(xstr.unicodeForm()));
    EXPECT_EQ(StrX(paar.zeichen.c_str(), StrX::streng).text(), paar.bytes);
    EXPECT_EQ(StrX(paar.zeichen.c_str(), StrX::nachsichtig).text(), paar.bytes);
  }
}

TEST(Transkodierung, KopieBesitztEigeneZeichen) {
  auto original = std::make_unique<XStr>("Kopie");
  const XStr kopie(*original);
  original.reset();
  EXPECT_EQ(std::u16string(kopie.unicodeForm()), u"Kopie");
}

TEST(Transkodierung, LeereUndFehlendeEingabe) {
  EXPECT_EQ(StrX(nullptr, StrX::streng).text(), "");
  EXPECT_EQ(StrX(u"", StrX::streng).text(), "");
  EXPECT_EQ(XStr("").unicodeForm()[0], 0);
}

// A character Latin-9 lacks makes the whole conversion fail: lenient mode then
// rebuilds the text as ASCII with '?' for everything else, even for characters
// Latin-9 has (the euro sign here); strict mode throws.
TEST(Transkodierung, NichtDarstellbaresZeichen) {
  const struct {
    std::u16string eingabe;
    std::string nachsichtig;
  } FAELLE[] = {
      {u"a\u0100b", "a?b"},
      {u"\u20ac 5 \u4e2d", "? 5 ?"},
      {u"\u00e4\u2028", "??"},
  };
  for (const auto& fall : FAELLE) {
    EXPECT_EQ(StrX(fall.eingabe.c_str(), StrX::nachsichtig).text(), fall.nachsichtig);
    try {
      StrX(fall.eingabe.c_str(), StrX::streng);
      ADD_FAILURE() << fall.nachsichtig << ": no exception";
    } catch (const std::runtime_error& e) {
      const std::string text = e.what();
      const std::string anfang =
          "Fehler beim Transkodieren von Unicode zu ISO-8859-15. Nachricht: \"";
      const std::string ende =
          "\" Fehlercode: " + std::to_string(xercesc::XMLExcepts::Trans_Unrepresentable);
      EXPECT_EQ(text.substr(0, anfang.size()), anfang) << text;
      ASSERT_GT(text.size(), ende.size());
      EXPECT_EQ(text.substr(text.size() - ende.size()), ende) << text;
      EXPECT_NE(text.find("not representable"), std::string::npos) << text;
    }
  }
}

TEST(Transkodierung, PlattformLiefertImmerDenselbenTranscoder) {
  auto* erster = vesk::util::xml::xmlPlattform();
  ASSERT_NE(erster, nullptr);
  EXPECT_EQ(vesk::util::xml::xmlPlattform(), erster);
}

TEST(Transkodierung, SpeicherMangelMeldetBadAllocation) {
  const vesk::util::xml::SpeicherMangel mangel;
  const std::bad_alloc& basis = mangel;
  EXPECT_STREQ(basis.what(), "bad allocation");
}

}  // namespace
