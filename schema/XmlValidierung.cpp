#include "schema/XmlValidierung.h"

#include <memory>
#include <sstream>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>

#include "errortexts/Hostcodes.h"
#include "schema/EntityResolverException.h"
#include "schema/Leser.h"
#include "xml/XStr.h"
#include "xml/XmlEncodingHandler.h"
#include "xml/XmlPlattform.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace vesk::wex2 {

namespace {

using vesk::plugin2::iface::IPluginLogger;
using vesk::util::xml::StrX;

// Writes one line per error and fatal error and remembers that it saw them.
class ErrorHandler : public xercesc::ErrorHandler {
 public:
  explicit ErrorHandler(IPluginLogger* logger) : logger_(logger) {}
  void warning(const xercesc::SAXParseException&) override {}
  void error(const xercesc::SAXParseException& e) override {
    melde(e);
    errorSeen_ = true;
  }
  void fatalError(const xercesc::SAXParseException& e) override {
    melde(e);
    errorSeen_ = true;
    fatalSeen_ = true;
  }
  // The flags deliberately survive a reset: they describe the whole call.
  void resetErrors() override {}

  bool errorSeen() const { return errorSeen_; }
  bool fatalSeen() const { return fatalSeen_; }

 private:
  void melde(const xercesc::SAXParseException& e) const {
    if (logger_ == nullptr || !logger_->isEnabled()) return;
    std::ostringstream zeile;
    zeile << "FEHLER: "
          << "XML-Eingabedaten in Zeile " << e.getLineNumber() << " in Spalte "
          << e.getColumnNumber() << ": '" << StrX(e.getMessage(), StrX::kNachsichtig).text() << "'";
    logger_->log(zeile.str());
  }

  bool errorSeen_ = false;
  bool fatalSeen_ = false;
  IPluginLogger* logger_;
};

}  // namespace

}  // namespace vesk::wex2

namespace PLUGIN_NAMESPACE {

namespace {

using namespace xercesc;
using vesk::plugin2::iface::IPluginLogger;
using vesk::util::xml::StrX;
using vesk::util::xml::XmlEncodingHandler;
using vesk::util::xml::XStr;

// Takes the encoding handler off the reader however validateXml is left.
class AdvDocHandlerGuard {
 public:
  AdvDocHandlerGuard(SAX2XMLReader& reader, XmlEncodingHandler& handler)
      : reader_(reader), handler_(handler) {}
  ~AdvDocHandlerGuard() { reader_.removeAdvDocHandler(&handler_); }
  AdvDocHandlerGuard(const AdvDocHandlerGuard&) = delete;
  AdvDocHandlerGuard& operator=(const AdvDocHandlerGuard&) = delete;

 private:
  SAX2XMLReader& reader_;
  XmlEncodingHandler& handler_;
};

void protokolliere(IPluginLogger* logger, const std::string& text) {
  if (logger != nullptr && logger->isEnabled()) {
    logger->log("FEHLER: " + std::string("Fehler beim Validieren der XML-Eingabedaten: ") + text);
  }
}

std::string ausnahmeText(const InputSource& quelle, const XMLCh* meldung) {
  return "An error occurred in '" + StrX(quelle.getSystemId(), StrX::kStreng).text() +
         "'! Exception message: " + StrX(meldung, StrX::kNachsichtig).text();
}

// The parser looks up namespace prefixes through every open element, so deep
// nesting costs quadratic time; no transfer document comes near this depth.
constexpr int kMaxTiefe = 2000;

// Ends the parse with a SAXParseException once elements nest deeper than kMaxTiefe.
class TiefenBegrenzer : public DefaultHandler {
 public:
  void setDocumentLocator(const Locator* const locator) override { locator_ = locator; }
  void startElement(const XMLCh* const, const XMLCh* const, const XMLCh* const,
                    const Attributes&) override {
    if (++tiefe_ > kMaxTiefe) {
      ueberschritten_ = true;
      static const XStr meldung("Elemente sind tiefer als " + std::to_string(kMaxTiefe) +
                                " Ebenen verschachtelt");
      throw SAXParseException(meldung.unicodeForm(), *locator_);
    }
  }
  void endElement(const XMLCh* const, const XMLCh* const, const XMLCh* const) override { --tiefe_; }
  bool ueberschritten() const { return ueberschritten_; }

 private:
  const Locator* locator_ = nullptr;
  int tiefe_ = 0;
  bool ueberschritten_ = false;
};

}  // namespace

int validateXml(const char* daten, std::size_t laenge, GrammatikSpeicher& grammatik,
                EntityResolver& resolver, IPluginLogger* logger, Kompilierung kompilierung) {
  vesk::util::xml::xmlPlattform();
  MemBufInputSource quelle(reinterpret_cast<const XMLByte*>(daten), laenge, u"Eingabe XML-Daten",
                           false);
  quelle.setEncoding(u"ISO-8859-15");
  // The host's text stays unchanged during the call, so the parser reads it in place.
  quelle.setCopyBufToStream(false);
  vesk::wex2::ErrorHandler fehler(logger);
  TiefenBegrenzer tiefe;
  XmlEncodingHandler encoding(vesk::util::xml::kLatin9);
  std::shared_ptr<XMLGrammarPool> pool;  // outlives the reader that uses it
  try {
    if (kompilierung == Kompilierung::kEinmal) pool = grammatik.pool(resolver, fehler);
    const auto reader = erzeugeLeser(pool.get(), resolver, fehler);
    reader->setContentHandler(&tiefe);
    reader->installAdvDocHandler(&encoding);
    AdvDocHandlerGuard guard(*reader, encoding);
    if (kompilierung == Kompilierung::kJeAufruf) {
      reader->loadGrammar(XStr(grammatik.schemaSystemId()).unicodeForm(),
                          Grammar::SchemaGrammarType, true);
    }
    reader->parse(quelle);
  } catch (const OutOfMemoryException&) {
    throw vesk::util::xml::SpeicherMangel();
  } catch (const vesk::util::xml::WrongEncodingException&) {
    protokolliere(logger, "Encoding der XML-Daten entspricht nicht ISO-8859-15");
    return hostcode::kEncodingFalsch;
  } catch (const XMLException& e) {
    protokolliere(logger, ausnahmeText(quelle, e.getMessage()));
    return hostcode::kSchemaFehler;
  } catch (const SAXParseException& e) {
    // Without the depth bound the parse would have gone on to its end, where a
    // missing declaration decides; so only a declared document reports the bound.
    if (!tiefe.ueberschritten() || encoding.encodingDeclared()) {
      protokolliere(logger, ausnahmeText(quelle, e.getMessage()));
      return hostcode::kSchemaFehler;
    }
  } catch (const vesk::wex2::EntityResolverException& e) {
    protokolliere(logger, e.what());
    return hostcode::kEntityNichtAufloesbar;
  }

  if (!encoding.encodingDeclared()) {
    if (logger != nullptr && logger->isEnabled()) {
      logger->log("FEHLER: " + std::string("Es wurde keine XML-Praeambel mit Encoding-"
                                           "Spezifikation in den XML-Daten gefunden"));
    }
    return hostcode::kEncodingFalsch;
  }
  if (fehler.fatalSeen()) return hostcode::kXmlNichtWohlgeformt;
  if (fehler.errorSeen()) return hostcode::kSchemaFehler;
  return 0;
}

}  // namespace PLUGIN_NAMESPACE
