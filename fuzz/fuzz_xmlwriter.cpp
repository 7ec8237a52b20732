// What the writer writes, parsed back, equals what it was given.
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax2/Attributes.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>

#include "fuzz/FuzzEingabe.h"
#include "xml/XStr.h"
#include "xml/XmlPlattform.h"
#include "xml/XmlStreamWriter.h"

using namespace vesk::util::xml;
XERCES_CPP_NAMESPACE_USE

namespace {

// The document as a flat event list: "<name", "@attr=value", "text", ">".
using Ereignisse = std::vector<std::string>;

void fuegeText(Ereignisse& e, const std::string& text) {
  if (text.empty()) return;
  if (!e.empty() && e.back()[0] == '"') {
    e.back() += text;
  } else {
    e.push_back('"' + text);
  }
}

class Sammler : public DefaultHandler {
 public:
  Ereignisse ereignisse;
  void startElement(const XMLCh*, const XMLCh*, const XMLCh* qname, const Attributes& attrs) override {
    ereignisse.push_back("<" + StrX(qname, StrX::kStreng).text());
    std::set<std::string> sortiert;
    for (XMLSize_t i = 0; i < attrs.getLength(); ++i) {
      sortiert.insert("@" + StrX(attrs.getQName(i), StrX::kStreng).text() + "=" +
                      StrX(attrs.getValue(i), StrX::kStreng).text());
    }
    ereignisse.insert(ereignisse.end(), sortiert.begin(), sortiert.end());
  }
  void endElement(const XMLCh*, const XMLCh*, const XMLCh*) override { ereignisse.push_back(">"); }
  void characters(const XMLCh* zeichen, const XMLSize_t laenge) override {
    std::u16string teil(reinterpret_cast<const char16_t*>(zeichen), laenge);
    fuegeText(ereignisse, StrX(reinterpret_cast<const XMLCh*>(teil.c_str()), StrX::kStreng).text());
  }
  void fatalError(const SAXParseException&) override { std::abort(); }
  void error(const SAXParseException&) override { std::abort(); }
};

// Bytes that survive an XML round trip unchanged (no controls, no CR).
std::string zeichenDaten(dvfuzz::Eingabe& eingabe, bool attribut) {
  std::string text = eingabe.bisTrenner('\0');
  std::string ergebnis;
  for (unsigned char c : text) {
    if ((c >= 0x20 && c < 0x7F) || c >= 0xA0 || (!attribut && (c == '\t' || c == '\n'))) {
      ergebnis += static_cast<char>(c);
    }
  }
  return ergebnis;
}

// Pretty printing adds line breaks and tabs around tags; compare text trimmed.
Ereignisse ohneEinrueckung(const Ereignisse& ereignisse) {
  Ereignisse ergebnis;
  for (const auto& e : ereignisse) {
    if (e[0] != '"') {
      ergebnis.push_back(e);
      continue;
    }
    const size_t anfang = e.find_first_not_of(" \t\n", 1);
    if (anfang == std::string::npos) continue;
    const size_t ende = e.find_last_not_of(" \t\n");
    ergebnis.push_back('"' + e.substr(anfang, ende - anfang + 1));
  }
  return ergebnis;
}

Ereignisse parse(const std::string& dokument) {
  xmlPlattform();
  std::unique_ptr<SAX2XMLReader> leser(XMLReaderFactory::createXMLReader());
  leser->setFeature(XMLUni::fgSAX2CoreNameSpaces, false);
  leser->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
  Sammler sammler;
  leser->setContentHandler(&sammler);
  leser->setErrorHandler(&sammler);
  MemBufInputSource quelle(reinterpret_cast<const XMLByte*>(dokument.data()), dokument.size(),
                           "fuzz");
  leser->parse(quelle);
  return sammler.ereignisse;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static const char* kNamen[] = {"a", "Finanzamt", "b:c", "Name", "x-y", "_z"};
  dvfuzz::Eingabe eingabe(daten, groesse);
  const bool huebsch = eingabe.byte() & 1;
  std::string dokument;
  XmlStreamWriter schreiber(&dokument, "ISO-8859-15", huebsch);
  Ereignisse erwartet;
  schreiber.writeStartDocument();
  schreiber.writeStartElement("Wurzel");
  erwartet.push_back("<Wurzel");
  int tiefe = 1;
  bool attributeErlaubt = true;
  std::set<std::string> attribute;
  while (!eingabe.leer() && erwartet.size() < 500) {
    const uint8_t op = eingabe.byte();
    const std::string name = kNamen[(op >> 4) % 6];
    switch (op % 7) {
      case 0:
        schreiber.writeStartElement(name);
        erwartet.push_back("<" + name);
        ++tiefe;
        attributeErlaubt = true;
        attribute.clear();
        continue;
      case 1:
        if (tiefe > 1) {
          schreiber.writeEndElement();
          erwartet.push_back(">");
          --tiefe;
        }
        break;
      case 2: {
        std::string text = zeichenDaten(eingabe, false);
        schreiber.writeCharacters(text);
        fuegeText(erwartet, text);
        break;
      }
      case 3: {
        std::string text = zeichenDaten(eingabe, false);
        schreiber.writeCData(text);
        fuegeText(erwartet, text);
        break;
      }
      case 4: {
        std::string wert = zeichenDaten(eingabe, true);
        std::string attr = "a" + std::to_string(op % 3);
        if (!attributeErlaubt || !attribute.insert(attr).second) continue;
        schreiber.writeAttribute(attr, wert);
        // Attributes are compared sorted, as the parser reports them in document order.
        size_t start = erwartet.size();
        while (start > 0 && erwartet[start - 1][0] == '@') --start;
        erwartet.push_back("@" + attr + "=" + wert);
        std::sort(erwartet.begin() + start, erwartet.end());
        continue;
      }
      case 5:
        schreiber.writeEmptyElement(name);
        erwartet.push_back("<" + name);
        erwartet.push_back(">");
        break;
      case 6: {
        std::string text = zeichenDaten(eingabe, false);
        schreiber.writeTextElement(name, text);
        erwartet.push_back("<" + name);
        fuegeText(erwartet, text);
        erwartet.push_back(">");
        break;
      }
    }
    attributeErlaubt = false;
  }
  schreiber.writeEndDocument();
  for (; tiefe > 0; --tiefe) erwartet.push_back(">");

  Ereignisse gelesen = parse(dokument);
  if (huebsch) {
    gelesen = ohneEinrueckung(gelesen);
    erwartet = ohneEinrueckung(erwartet);
  }
  if (gelesen != erwartet) std::abort();
  return 0;
}
