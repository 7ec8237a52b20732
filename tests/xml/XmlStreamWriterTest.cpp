// The XML stream writer. Expected texts are written by hand from its rules (CR LF
// plus one tab per depth, escaping sets, CDATA cutting, namespace declarations).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "xml/XmlStreamWriter.h"

namespace {

using vesk::util::xml::NamespaceUri;
using vesk::util::xml::XmlStreamWriter;
using Schritte = std::function<void(XmlStreamWriter&)>;

TEST(XmlStreamWriter, SchreibtJedenFallWieErwartet) {
  const struct {
    bool pretty;
    Schritte schritte;
    std::string erwartet;
  } kFaelle[] = {
      {true,
       [](XmlStreamWriter& w) {
         w.writeStartDocument();
         w.writeStartElement("r");
         w.writeTextElement("t", "");
         w.writeStartElement("s");
         w.writeEmptyElement("e");
         w.writeProcessingInstruction("p", "x?>y");
         w.writeEndDocument();
       },
       "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<r>\r\n\t<t/>\r\n\t<s>\r\n"
       "\t\t<e/>\r\n\t\t<?p x?&gt;y?>\r\n\t</s>\r\n</r>"},
      {false,
       [](XmlStreamWriter& w) {
         w.writeEmptyElement("a");
         w.writeAttribute("v", "\"<'>&");
         w.writeStartElement("b");
         w.writeCharacters("\"<'>&");
         w.writeTextElement("n", "Württemberg €");
         w.writeCData("a]]>b");
         w.writeComment("a-->b");
         w.writeRaw("<&>");
       },
       "<a v=\"&quot;&lt;'&gt;&amp;\"/><b>\"&lt;'&gt;&amp;<n>Württemberg €</n>"
       "<![CDATA[a]]]]><![CDATA[>b]]><!--a--&gt;b--><&>"},
      {false,
       [](XmlStreamWriter& w) {
         w.setDefaultNamespace("urn:d");
         w.setPrefix("q", "urn:p");
         w.writeStartElement(NamespaceUri{"urn:d"}, "r");
         w.writeNamespace("q", "urn:p");
         w.writeStartElement(NamespaceUri{"urn:p"}, "s");
         w.writeAttribute(NamespaceUri{"urn:p"}, "a", "1");
         w.writeTextElementIfNotEmpty(NamespaceUri{"urn:d"}, "v", "");
         w.writeTextElement(NamespaceUri{"urn:p"}, "t", "v");
         w.writeEndDocument();
       },
       "<r xmlns=\"urn:d\" xmlns:q=\"urn:p\"><q:s q:a=\"1\"><q:t>v</q:t></q:s></r>"},
  };
  for (const auto& fall : kFaelle) {
    std::string ausgabe;
    XmlStreamWriter w(&ausgabe, "ISO-8859-15", fall.pretty);
    fall.schritte(w);
    EXPECT_EQ(ausgabe, fall.erwartet);
  }
}

// The failures: the message, and nothing written.
TEST(XmlStreamWriter, FehlerWerfenUndLassenDasDokumentHeil) {
  const struct {
    Schritte fehler;
    std::string meldung, ausgabeDanach;
  } kFaelle[] = {
      {[](XmlStreamWriter& w) { w.writeEndElement(); },
       "Fehler beim schreiben eines Elementendes: Es gibt kein offenes Element.", ""},
      {[](XmlStreamWriter& w) { w.writeAttribute("a", "1"); },
       "Kann Attribut nicht schreiben, weil kein aktuelles Element vorhanden ist", ""},
  };
  for (const auto& fall : kFaelle) {
    std::string ausgabe;
    XmlStreamWriter w(&ausgabe, "ISO-8859-15", false);
    try {
      fall.fehler(w);
      ADD_FAILURE() << fall.meldung << ": no exception";
    } catch (const vesk::util::xml::XmlStreamWriterException& e) {
      EXPECT_EQ(e.what(), fall.meldung);
    }
    EXPECT_EQ(ausgabe, fall.ausgabeDanach);
  }
}

}  // namespace
