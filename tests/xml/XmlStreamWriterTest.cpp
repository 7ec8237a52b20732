// Behaviour of the XML stream writer. Expected texts are written out by hand
// from the writer's rules (closing pending tags, CR LF plus one tab per depth,
// escaping sets, CDATA cutting).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "xml/XmlStreamWriter.h"

namespace {

using vesk::util::xml::NamespaceUri;
using vesk::util::xml::XmlStreamWriter;
using vesk::util::xml::XmlStreamWriterException;

struct Fall {
  const char* name;
  bool pretty;
  std::function<void(XmlStreamWriter&)> schritte;
  std::string erwartet;
};

const std::vector<Fall>& faelle() {
  static const std::vector<Fall> liste = {
      {"declaration, root and one text element, pretty", true,
       [](XmlStreamWriter& w) {
         w.writeStartDocument();
         w.writeStartElement("r");
         w.writeTextElement("t", "x");
         w.writeEndDocument();
       },
       "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<r>\r\n\t<t>x</t>\r\n</r>"},
      {"same document without pretty printing", false,
       [](XmlStreamWriter& w) {
         w.writeStartDocument("1.1");
         w.writeStartElement("r");
         w.writeTextElement("t", "x");
         w.writeEndDocument();
       },
       "<?xml version=\"1.1\" encoding=\"ISO-8859-15\"?><r><t>x</t></r>"},
      {"nothing written before: no leading line break", true,
       [](XmlStreamWriter& w) { w.writeStartElement("r"); }, "<r"},
      {"element without content: start tag then end tag", true,
       [](XmlStreamWriter& w) {
         w.writeStartElement("a");
         w.writeEndElement();
       },
       "<a></a>"},
      {"empty element closes with a slash at the next write", true,
       [](XmlStreamWriter& w) {
         w.writeEmptyElement("a");
         w.writeComment("c");
       },
       "<a/><!--c-->"},
      {"nested empty element indented, parent end on its own line", true,
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeStartElement("s");
         w.writeEmptyElement("e");
         w.writeEndDocument();
       },
       "<r>\r\n\t<s>\r\n\t\t<e/>\r\n\t</s>\r\n</r>"},
      {"text element with empty text is an empty-element tag", false,
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeTextElement("t", "");
         w.writeEndElement();
       },
       "<r><t/></r>"},
      {"text element if not empty writes nothing for empty text", false,
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeTextElementIfNotEmpty("t", "");
         w.writeTextElementIfNotEmpty("u", "1");
         w.writeEndElement();
       },
       "<r><u>1</u></r>"},
      {"attribute escapes quote and angle brackets, keeps apostrophe", false,
       [](XmlStreamWriter& w) {
         w.writeEmptyElement("a");
         w.writeAttribute("v", "\"<'>&");
       },
       "<a v=\"&quot;&lt;'&gt;&amp;\""},
      {"text keeps the quote, escapes the rest", false,
       [](XmlStreamWriter& w) {
         w.writeStartElement("a");
         w.writeCharacters("\"<'>&");
       },
       "<a>\"&lt;'&gt;&amp;"},
      {"character pointer and length", false,
       [](XmlStreamWriter& w) { w.writeCharacters("a<bc", 2); }, "a&lt;"},
      {"Latin-9 bytes pass unchanged", false,
       [](XmlStreamWriter& w) { w.writeTextElement("n", "Württemberg €"); },
       "<n>Württemberg €</n>"},
      {"CDATA split at every ]]>", false, [](XmlStreamWriter& w) { w.writeCData("a]]>b]]>"); },
       "<![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>]]>"},
      {"CDATA without terminator is one section", false,
       [](XmlStreamWriter& w) { w.writeCData("x]]y>"); }, "<![CDATA[x]]y>]]>"},
      {"comment defuses its terminator", false, [](XmlStreamWriter& w) { w.writeComment("a-->b"); },
       "<!--a--&gt;b-->"},
      {"processing instruction defuses ?> and is indented", true,
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeProcessingInstruction("p", "x?>y");
         w.writeProcessingInstruction("q");
       },
       "<r>\r\n\t<?p x?&gt;y?>\r\n\t<?q?>"},
      {"DTD and raw text unchanged", false,
       [](XmlStreamWriter& w) {
         w.writeDTD("r SYSTEM \"r.dtd\"");
         w.writeRaw("<&>");
         w.writeRaw("abc", 1);
       },
       "<!DOCTYPE r SYSTEM \"r.dtd\"><&>a"},
      {"default namespace on the root only", false,
       [](XmlStreamWriter& w) {
         w.setDefaultNamespace("urn:d");
         w.writeStartElement("r");
         w.writeStartElement("s");
         w.writeEndDocument();
       },
       "<r xmlns=\"urn:d\"><s></s></r>"},
      {"default namespace also declared on an empty root", false,
       [](XmlStreamWriter& w) {
         w.setDefaultNamespace("urn:d");
         w.writeEmptyElement("r");
         w.writeAttribute("a", "1");
         w.writeEndDocument();
       },
       "<r xmlns=\"urn:d\" a=\"1\"/>"},
      {"default namespace set after the first element is never written", false,
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.setDefaultNamespace("urn:d");
         w.writeStartElement("s");
         w.writeEndDocument();
       },
       "<r><s></s></r>"},
      {"prefixes: explicit, looked up by URI, default URI gives bare name", false,
       [](XmlStreamWriter& w) {
         w.setDefaultNamespace("urn:d");
         w.setPrefix("p", "urn:p");
         w.setPrefix("q", "urn:p");  // replaces p
         w.writeStartElement(NamespaceUri{"urn:d"}, "r");
         w.writeNamespace("q", "urn:p");
         w.writeStartElement(NamespaceUri{"urn:p"}, "s");
         w.writeAttribute(NamespaceUri{"urn:p"}, "a", "1");
         w.writeAttribute("x", "b", "2");
         w.writeEmptyElement("z", "e");
         w.writeTextElement(NamespaceUri{"urn:p"}, "t", "v");
         w.writeTextElement(NamespaceUri{"urn:p"}, "u", "");
         w.writeTextElementIfNotEmpty(NamespaceUri{"urn:d"}, "v", "w");
         w.writeEndDocument();
       },
       "<r xmlns=\"urn:d\" xmlns:q=\"urn:p\"><q:s q:a=\"1\" x:b=\"2\"><z:e/><q:t>v</q:t><q:u/>"
       "<v>w</v></q:s></r>"},
      {"explicit default namespace attribute", false,
       [](XmlStreamWriter& w) {
         w.writeStartElement("p", "r");
         w.writeDefaultNamespace("urn:a&b");
       },
       "<p:r xmlns=\"urn:a&amp;b\""},
  };
  return liste;
}

TEST(XmlStreamWriter, WritesEachCaseAsExpected) {
  for (const auto& fall : faelle()) {
    std::string ausgabe;
    XmlStreamWriter w(&ausgabe, "ISO-8859-15", fall.pretty);
    fall.schritte(w);
    EXPECT_EQ(ausgabe, fall.erwartet) << fall.name;
  }
}

TEST(XmlStreamWriter, AppendsToExistingText) {
  std::string ausgabe = "vorher";
  XmlStreamWriter w(&ausgabe, "UTF-8", true);
  w.writeEmptyElement("a");
  w.writeEndDocument();
  EXPECT_EQ(ausgabe, "vorher<a/>");  // the writer's own history decides the line break
}

struct Fehlerfall {
  const char* name;
  std::function<void(XmlStreamWriter&)> vorher;
  std::function<void(XmlStreamWriter&)> fehler;
  const char* meldung;
  std::string ausgabeDanach;  // what the failing call may leave: at most a closed tag
};

constexpr char kAttribut[] =
    "Kann Attribut nicht schreiben, weil kein aktuelles Element vorhanden ist";
constexpr char kEnde[] = "Fehler beim schreiben eines Elementendes: Es gibt kein offenes Element.";
constexpr char kNamensraum[] = "Namensraum nicht gefunden";

TEST(XmlStreamWriter, FailuresThrowAndLeaveTheDocumentIntact) {
  const std::vector<Fehlerfall> faelle = {
      {"end element on a fresh writer", [](XmlStreamWriter&) {},
       [](XmlStreamWriter& w) { w.writeEndElement(); }, kEnde, ""},
      {"end element after the last one closed the empty root",
       [](XmlStreamWriter& w) { w.writeEmptyElement("a"); },
       [](XmlStreamWriter& w) { w.writeEndElement(); }, kEnde, "<a/>"},
      {"attribute before any element", [](XmlStreamWriter&) {},
       [](XmlStreamWriter& w) { w.writeAttribute("a", "1"); }, kAttribut, ""},
      {"attribute after text",
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeCharacters("x");
       },
       [](XmlStreamWriter& w) { w.writeAttribute("p", "a", "1"); }, kAttribut, "<r>x"},
      {"namespace declaration after the tag closed",
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeComment("");
       },
       [](XmlStreamWriter& w) { w.writeNamespace("p", "urn:p"); }, kAttribut, "<r><!---->"},
      {"default namespace declaration with no element", [](XmlStreamWriter&) {},
       [](XmlStreamWriter& w) { w.writeDefaultNamespace("urn:d"); }, kAttribut, ""},
      {"attribute with unknown namespace", [](XmlStreamWriter& w) { w.writeStartElement("r"); },
       [](XmlStreamWriter& w) { w.writeAttribute(NamespaceUri{"urn:x"}, "a", "1"); }, kNamensraum,
       "<r"},
      {"start element with unknown namespace", [](XmlStreamWriter& w) { w.writeStartElement("r"); },
       [](XmlStreamWriter& w) { w.writeStartElement(NamespaceUri{"urn:x"}, "s"); }, kNamensraum,
       "<r"},
      {"namespace mapped to the empty prefix counts as unknown",
       [](XmlStreamWriter& w) {
         w.setPrefix("", "urn:x");
         w.writeStartElement("r");
       },
       [](XmlStreamWriter& w) { w.writeTextElement(NamespaceUri{"urn:x"}, "s", "v"); }, kNamensraum,
       "<r"},
      {"empty element with unknown namespace closes the pending tag first",
       [](XmlStreamWriter& w) { w.writeStartElement("r"); },
       [](XmlStreamWriter& w) { w.writeEmptyElement(NamespaceUri{"urn:x"}, "s"); }, kNamensraum,
       "<r>"},
  };
  for (const auto& fall : faelle) {
    std::string ausgabe;
    XmlStreamWriter w(&ausgabe, "ISO-8859-15", false);
    fall.vorher(w);
    try {
      fall.fehler(w);
      ADD_FAILURE() << fall.name << ": no exception";
    } catch (const XmlStreamWriterException& e) {
      EXPECT_STREQ(e.what(), fall.meldung) << fall.name;
    }
    EXPECT_EQ(ausgabe, fall.ausgabeDanach) << fall.name;
  }
}

TEST(XmlStreamWriter, StateSurvivesAFailure) {
  // After a rejected attribute the open element can still be written and closed.
  std::string ausgabe;
  XmlStreamWriter w(&ausgabe, "ISO-8859-15", true);
  w.writeStartElement("r");
  w.writeCharacters("x");
  EXPECT_THROW(w.writeAttribute("a", "1"), XmlStreamWriterException);
  EXPECT_THROW(w.writeStartElement(NamespaceUri{"urn:x"}, "s"), XmlStreamWriterException);
  w.writeTextElement("t", "y");
  w.writeEndDocument();
  EXPECT_EQ(ausgabe, "<r>x\r\n\t<t>y</t>\r\n</r>");
  EXPECT_THROW(w.writeEndElement(), XmlStreamWriterException);
  EXPECT_EQ(ausgabe, "<r>x\r\n\t<t>y</t>\r\n</r>");
}

}  // namespace
