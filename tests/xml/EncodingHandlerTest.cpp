// The XML declaration check, called the way the parser calls it and through a parse.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>

#include "xml/XStr.h"
#include "xml/XmlEncodingHandler.h"
#include "xml/XmlPlattform.h"

namespace {

using vesk::util::xml::WrongEncodingException;
using vesk::util::xml::XmlEncodingHandler;
using vesk::util::xml::XStr;

// Returns the exception text, or "" when XMLDecl accepted the declaration.
std::string deklariere(XmlEncodingHandler& handler, const std::string& encoding) {
  try {
    handler.XMLDecl(u"1.0", XStr(encoding).unicodeForm(), u"", u"ISO-8859-15");
    return "";
  } catch (const WrongEncodingException& e) {
    return e.what();
  }
}

TEST(XmlEncodingHandler, VergleichOhneGrossschreibungUndRaender) {
  const struct {
    std::string erwartet, deklariert;
    bool passt;
  } FAELLE[] = {
      {"ISO-8859-15", "ISO-8859-15", true},
      {"ISO-8859-15", "iso-8859-15", true},
      {"ISO-8859-15", "Iso-8859-15", true},
      {"ISO-8859-15", " \tISO-8859-15\r\n", true},
      {" iso-8859-15 ", "ISO-8859-15", true},
      {"ISO-8859-15", "UTF-8", false},
      {"ISO-8859-15", "ISO-8859-1", false},
      {"ISO-8859-15", "ISO 8859-15", false},  // inner blanks count
      {"ISO-8859-15", "ISO-8859-15x", false},
      {"ISO-8859-15", "\xa4", false},  // a Latin-9 byte survives into the message
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.deklariert);
    XmlEncodingHandler handler(fall.erwartet);
    const std::string fehler = deklariere(handler, fall.deklariert);
    EXPECT_TRUE(handler.encodingDeclared());
    if (fall.passt) {
      EXPECT_EQ(fehler, "");
    } else {
      // Both names unchanged, as the caller wrote them.
      EXPECT_EQ(fehler, "Falsches Encoding der XML-Daten: \"" + fall.deklariert +
                            "\". Erwartetes Encoding ist \"" + fall.erwartet + "\"");
    }
  }
}

TEST(XmlEncodingHandler, DeklarationOhneEncoding) {
  XmlEncodingHandler handler("ISO-8859-15");
  EXPECT_EQ(deklariere(handler, ""), "");
  EXPECT_FALSE(handler.encodingDeclared());
  handler.XMLDecl(u"1.0", nullptr, nullptr, nullptr);
  EXPECT_FALSE(handler.encodingDeclared());
}

TEST(XmlEncodingHandler, OhneErwartungWirdNurVermerkt) {
  XmlEncodingHandler handler("");
  EXPECT_EQ(deklariere(handler, "UTF-8"), "");
  EXPECT_TRUE(handler.encodingDeclared());
}

// Through a real parse: the handler sees what the document declares even when
// the bytes are read as ISO-8859-15 regardless.
std::string parse(const std::string& dokument, bool& deklariert) {
  using namespace xercesc;
  vesk::util::xml::xmlPlattform();
  MemBufInputSource quelle(reinterpret_cast<const XMLByte*>(dokument.data()), dokument.size(),
                           u"test");
  quelle.setEncoding(u"ISO-8859-15");
  std::unique_ptr<SAX2XMLReader> reader(XMLReaderFactory::createXMLReader());
  XmlEncodingHandler handler("ISO-8859-15");
  reader->installAdvDocHandler(&handler);
  std::string fehler;
  try {
    reader->parse(quelle);
  } catch (const WrongEncodingException& e) {
    fehler = e.what();
  }
  reader->removeAdvDocHandler(&handler);
  deklariert = handler.encodingDeclared();
  return fehler;
}

TEST(XmlEncodingHandler, ImParser) {
  const struct {
    std::string dokument;
    bool deklariert;
    std::string fehler;
  } FAELLE[] = {
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><a/>", true, ""},
      {"<?xml version=\"1.0\" encoding=\"iso-8859-15\"?><a/>", true, ""},
      {"<?xml version='1.0' encoding='UTF-8'?><a/>", true,
       "Falsches Encoding der XML-Daten: \"UTF-8\". Erwartetes Encoding ist \"ISO-8859-15\""},
      {"<?xml version=\"1.0\"?><a/>", false, ""},
      {"<?xml version=\"1.0\" standalone=\"yes\"?><a/>", false, ""},
      {"<a/>", false, ""},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.dokument);
    bool deklariert = false;
    EXPECT_EQ(parse(fall.dokument, deklariert), fall.fehler);
    EXPECT_EQ(deklariert, fall.deklariert);
  }
}

}  // namespace
