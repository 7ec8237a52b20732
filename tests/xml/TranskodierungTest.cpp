// ISO-8859-15 bytes to and from the parser's 16-bit characters; the encoding check.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "xml/XStr.h"
#include "xml/XmlEncodingHandler.h"

namespace {

using vesk::util::xml::StrX;
using vesk::util::xml::XStr;

// Latin-9 differs from Latin-1 in eight places (the euro sign is byte 0xA4). A
// character Latin-9 lacks fails the whole text: lenient mode gives ASCII with
// '?' for everything else (even the euro sign), strict mode throws.
TEST(Transkodierung, BytesZuZeichenUndZurueck) {
  const std::pair<std::string, std::u16string> kPaare[] = {
      {"", u""},
      {"Grüße <&>", u"Gr\u00fc\u00dfe <&>"},
      {"\xa4\xa6\xa8\xb4\xb8\xbc\xbd\xbe", u"\u20ac\u0160\u0161\u017d\u017e\u0152\u0153\u0178"},
      {"\x01\x7f\xff", u"\u0001\u007f\u00ff"},
  };
  for (const auto& [bytes, zeichen] : kPaare) {
    EXPECT_EQ(std::u16string(XStr(bytes).unicodeForm()), zeichen) << bytes;
    EXPECT_EQ(StrX(zeichen.c_str(), StrX::kStreng).text(), bytes);
  }
  const std::pair<std::u16string, std::string> kNichtDarstellbar[] = {
      {u"a\u0100b", "a?b"}, {u"\u20ac 5 \u4e2d", "? 5 ?"}};
  for (const auto& [eingabe, nachsichtig] : kNichtDarstellbar) {
    EXPECT_EQ(StrX(eingabe.c_str(), StrX::kNachsichtig).text(), nachsichtig);
    EXPECT_THROW(StrX(eingabe.c_str(), StrX::kStreng), std::runtime_error);
  }
}

// Called as the parser calls it. Through a parse: tests/schema.
TEST(XmlEncodingHandler, VergleichOhneGrossschreibungUndRaender) {
  const struct {
    std::string erwartet, deklariert;
    bool passt, deklariertGemeldet;
  } kFaelle[] = {
      {"ISO-8859-15", " \tIso-8859-15\r\n", true, true},
      {"ISO-8859-15", "", true, false},  // a declaration without encoding
      {"", "UTF-8", true, true},         // nothing expected: only noted
      {"ISO-8859-15", "ISO-8859-1", false, true},
      {"ISO-8859-15", "ISO 8859-15", false, true},  // inner blanks count
      {"ISO-8859-15", "\xa4", false, true},         // a Latin-9 byte survives into the message
  };
  for (const auto& fall : kFaelle) {
    vesk::util::xml::XmlEncodingHandler handler(fall.erwartet);
    std::string fehler;
    try {
      handler.XMLDecl(u"1.0", XStr(fall.deklariert).unicodeForm(), u"", u"ISO-8859-15");
    } catch (const vesk::util::xml::WrongEncodingException& e) {
      fehler = e.what();
    }
    EXPECT_EQ(fehler, fall.passt ? ""
                                 : "Falsches Encoding der XML-Daten: \"" + fall.deklariert +
                                       "\". Erwartetes Encoding ist \"" + fall.erwartet + "\"");
    EXPECT_EQ(handler.encodingDeclared(), fall.deklariertGemeldet) << fall.deklariert;
  }
}

}  // namespace
