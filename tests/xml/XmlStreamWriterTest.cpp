// Behaviour of the XML stream writer. Expected texts are written out by hand
// from the writer's rules (closing pending tags, CR LF plus one tab per depth,
// escaping sets, CDATA cutting, namespace declarations).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "xml/XmlStreamWriter.h"

namespace {

using vesk::util::xml::NamespaceUri;
using vesk::util::xml::XmlStreamWriter;
using vesk::util::xml::XmlStreamWriterException;
using Schritte = std::function<void(XmlStreamWriter&)>;

TEST(XmlStreamWriter, SchreibtJedenFallWieErwartet) {
  const struct {
    const char* name;
    bool pretty;
    std::string vorher;
    Schritte schritte;
    std::string erwartet;
  } kFaelle[] = {
      {"pretty: nesting, empty element, processing instructions", true, "",
       [](XmlStreamWriter& w) {
         w.writeStartDocument();
         w.writeStartElement("r");
         w.writeTextElement("t", "x");
         w.writeStartElement("s");
         w.writeEmptyElement("e");
         w.writeProcessingInstruction("p", "x?>y");
         w.writeProcessingInstruction("q");
         w.writeEndDocument();
       },
       "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<r>\r\n\t<t>x</t>\r\n\t<s>\r\n"
       "\t\t<e/>\r\n\t\t<?p x?&gt;y?>\r\n\t\t<?q?>\r\n\t</s>\r\n</r>"},
      {"pretty: appends; only its own history decides the first line break", true, "vorher",
       [](XmlStreamWriter& w) {
         w.writeEmptyElement("a");
         w.writeEndDocument();
       },
       "vorher<a/>"},
      {"flat: version, empty texts, element without content", false, "",
       [](XmlStreamWriter& w) {
         w.writeStartDocument("1.1");
         w.writeStartElement("r");
         w.writeTextElement("t", "");
         w.writeTextElementIfNotEmpty("u", "");
         w.writeTextElementIfNotEmpty("v", "1");
         w.writeStartElement("a");
         w.writeEndElement();
         w.writeEndDocument();
       },
       "<?xml version=\"1.1\" encoding=\"ISO-8859-15\"?><r><t/><v>1</v><a></a></r>"},
      {"escaping, CDATA, comment, DTD, raw text", false, "",
       [](XmlStreamWriter& w) {
         w.writeDTD("r SYSTEM \"r.dtd\"");
         w.writeEmptyElement("a");
         w.writeAttribute("v", "\"<'>&");
         w.writeStartElement("b");
         w.writeCharacters("\"<'>&");
         w.writeCharacters("a<bc", 2);
         w.writeTextElement("n", "Württemberg €");
         w.writeCData("a]]>b]]>");
         w.writeCData("x]]y>");
         w.writeComment("a-->b");
         w.writeRaw("<&>");
         w.writeRaw("abc", 1);
       },
       "<!DOCTYPE r SYSTEM \"r.dtd\"><a v=\"&quot;&lt;'&gt;&amp;\"/><b>\"&lt;'&gt;&amp;a&lt;"
       "<n>Württemberg €</n><![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>]]><![CDATA[x]]y>]]>"
       "<!--a--&gt;b--><&>a"},
      {"default namespace on the root only", false, "",
       [](XmlStreamWriter& w) {
         w.setDefaultNamespace("urn:d");
         w.writeStartElement("r");
         w.writeStartElement("s");
         w.writeEndDocument();
       },
       "<r xmlns=\"urn:d\"><s></s></r>"},
      {"default namespace on an empty root, before its attributes", false, "",
       [](XmlStreamWriter& w) {
         w.setDefaultNamespace("urn:d");
         w.writeEmptyElement("r");
         w.writeAttribute("a", "1");
       },
       "<r xmlns=\"urn:d\" a=\"1\""},
      {"default namespace set after the root is never written; explicit one is", false, "",
       [](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.setDefaultNamespace("urn:d");
         w.writeStartElement("p", "s");
         w.writeDefaultNamespace("urn:a&b");
         w.writeEndDocument();
       },
       "<r><p:s xmlns=\"urn:a&amp;b\"></p:s></r>"},
      {"prefixes: explicit, looked up by URI, the default URI gives the bare name", false, "",
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
  };
  for (const auto& fall : kFaelle) {
    std::string ausgabe = fall.vorher;
    XmlStreamWriter w(&ausgabe, "ISO-8859-15", fall.pretty);
    fall.schritte(w);
    EXPECT_EQ(ausgabe, fall.erwartet) << fall.name;
  }
}

// The three failures: the message, and at most a pending tag closed before it.
TEST(XmlStreamWriter, FehlerWerfenUndLassenDasDokumentHeil) {
  const std::string attribut =
      "Kann Attribut nicht schreiben, weil kein aktuelles Element vorhanden ist";
  const std::string ende =
      "Fehler beim schreiben eines Elementendes: Es gibt kein offenes Element.";
  const std::string namensraum = "Namensraum nicht gefunden";
  const auto nichts = [](XmlStreamWriter&) {};
  const auto offen = [](XmlStreamWriter& w) { w.writeStartElement("r"); };
  const struct {
    Schritte vorher, fehler;
    std::string meldung, ausgabeDanach;
  } kFaelle[] = {
      {nichts, [](XmlStreamWriter& w) { w.writeEndElement(); }, ende, ""},
      {[](XmlStreamWriter& w) { w.writeEmptyElement("a"); },
       [](XmlStreamWriter& w) { w.writeEndElement(); }, ende, "<a/>"},
      {nichts, [](XmlStreamWriter& w) { w.writeAttribute("a", "1"); }, attribut, ""},
      {nichts, [](XmlStreamWriter& w) { w.writeDefaultNamespace("urn:d"); }, attribut, ""},
      {[](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeCharacters("x");
       },
       [](XmlStreamWriter& w) { w.writeAttribute("p", "a", "1"); }, attribut, "<r>x"},
      {[](XmlStreamWriter& w) {
         w.writeStartElement("r");
         w.writeComment("");
       },
       [](XmlStreamWriter& w) { w.writeNamespace("p", "urn:p"); }, attribut, "<r><!---->"},
      {offen, [](XmlStreamWriter& w) { w.writeAttribute(NamespaceUri{"urn:x"}, "a", "1"); },
       namensraum, "<r"},
      {offen, [](XmlStreamWriter& w) { w.writeStartElement(NamespaceUri{"urn:x"}, "s"); },
       namensraum, "<r"},
      {offen, [](XmlStreamWriter& w) { w.writeEmptyElement(NamespaceUri{"urn:x"}, "s"); },
       namensraum, "<r>"},
      // A namespace mapped to the empty prefix counts as unknown.
      {[](XmlStreamWriter& w) {
         w.setPrefix("", "urn:x");
         w.writeStartElement("r");
       },
       [](XmlStreamWriter& w) { w.writeTextElement(NamespaceUri{"urn:x"}, "s", "v"); }, namensraum,
       "<r"},
  };
  for (const auto& fall : kFaelle) {
    std::string ausgabe;
    XmlStreamWriter w(&ausgabe, "ISO-8859-15", false);
    fall.vorher(w);
    try {
      fall.fehler(w);
      ADD_FAILURE() << fall.meldung << ": no exception";
    } catch (const XmlStreamWriterException& e) {
      EXPECT_EQ(e.what(), fall.meldung);
    }
    EXPECT_EQ(ausgabe, fall.ausgabeDanach) << fall.meldung;
    // The writer goes on as if the failed call had not been made.
    w.writeTextElement("z", "1");
    EXPECT_EQ(ausgabe.substr(ausgabe.size() - 8), "<z>1</z>") << fall.meldung;
  }
}

}  // namespace
