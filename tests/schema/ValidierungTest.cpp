// validateXml: result codes and log lines for each outcome, and the loggers.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/RuntimeException.hpp>

#include "schema/EntityResolverException.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"
#include "xml/XmlEncodingHandler.h"
#include "xml/XmlPlattform.h"

namespace {

using namespace dvtest;

// A valid document on one line after its declaration; cases vary its parts.
const std::string kDeklaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n";
std::string rumpf() {
  const std::string text = muster("gueltig_abholung.xml");
  return text.substr(text.find('\n') + 1);
}
std::string mitDeklaration(const std::string& deklaration) { return deklaration + rumpf(); }

TEST(Validierung, EncodingDeklaration) {
  const std::string undeklariert = "<a/>";
  const struct {
    std::string dokument;
    int code;
    std::vector<std::string> zeilen;
  } FAELLE[] = {
      {mitDeklaration(kDeklaration), 0, {}},
      {mitDeklaration("<?xml version=\"1.0\" encoding=\"iso-8859-15\"?>"), 0, {}},
      {mitDeklaration("<?xml version='1.0' encoding='Iso-8859-15' standalone='no'?>\r\n"), 0, {}},
      {mitDeklaration("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
       610301108,
       {kFalschesEncoding}},
      {mitDeklaration("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"),
       610301108,
       {kFalschesEncoding}},
      {mitDeklaration("<?xml version=\"1.0\"?>"), 610301108, {kOhnePraeambel}},
      {rumpf(), 610301108, {kOhnePraeambel}},
      // Blanks inside the quotes are no encoding name to the parser: it stops
      // before announcing the declaration.
      {mitDeklaration("<?xml version=\"1.0\" encoding=\" ISO-8859-15\"?>"),
       610301108,
       {berichtZeile("Zeile 1 in Spalte 44", "invalid XML encoding declaration ' ISO-8859-15'"),
        kOhnePraeambel}},
      // The missing declaration wins over errors and fatal errors alike.
      {undeklariert,
       610301108,
       {berichtZeile("Zeile 1 in Spalte 5", "no declaration found for element 'a'"),
        kOhnePraeambel}},
      {"<a>",
       610301108,
       {berichtZeile("Zeile 1 in Spalte 4", "no declaration found for element 'a'"),
        berichtZeile("Zeile 1 in Spalte 4",
                     "input ended before all started tags were ended; last tag started is 'a'"),
        kOhnePraeambel}},
      // A wrong encoding ends the parse at once: nothing after it is reported.
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>", 610301108, {kFalschesEncoding}},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.dokument.substr(0, 60));
    const auto ergebnis = validiere(fall.dokument);
    EXPECT_EQ(ergebnis.code, fall.code);
    EXPECT_EQ(ergebnis.zeilen, fall.zeilen);
  }
}

TEST(Validierung, FehlerUndFataleFehler) {
  const std::string fremdeWurzel = kDeklaration + "<Fremd xmlns=\"urn:x\"><a/><b/></Fremd>";
  const std::string zweiFehler = mitDeklaration(kDeklaration);
  std::string falsch = zweiFehler;
  falsch.replace(falsch.find("send-NoSig"), 10, "senden");
  falsch.replace(falsch.find("<HerstellerID>99999"), 19, "<HerstellerID>9999x");
  std::string tief = kDeklaration;
  std::vector<std::string> tiefZeilen;
  for (int i = 0; i < 2001; ++i) tief += "<t>";
  for (int i = 1; i <= 2001; ++i) {  // the validator reports element 2001 first
    tiefZeilen.push_back(berichtZeile("Zeile 2 in Spalte " + std::to_string(1 + 3 * i),
                                      "no declaration found for element 't'"));
  }
  tiefZeilen.push_back(
      validierungsZeile("An error occurred in 'Eingabe XML-Daten'! Exception message: "
                        "Elemente sind tiefer als 2000 Ebenen verschachtelt"));
  const std::string ohneVersion = kDeklaration +
                                  "<Arbel xmlns=\"http://divide-vira.example/arbel/transfer\">"
                                  "<TransferHeader/></Arbel>";
  const struct {
    std::string name, dokument;
    int code;
    std::vector<std::string> zeilen;
  } FAELLE[] = {
      {"fremde Wurzel",
       fremdeWurzel,
       610301200,
       {berichtZeile(positionNach(fremdeWurzel, "<Fremd xmlns=\"urn:x\">"),
                     "no declaration found for element 'Fremd'"),
        berichtZeile(positionNach(fremdeWurzel, "<Fremd xmlns=\"urn:x\">"),
                     "attribute 'xmlns' is not declared for element 'Fremd'"),
        berichtZeile(positionNach(fremdeWurzel, "<a/>"), "no declaration found for element 'a'"),
        berichtZeile(positionNach(fremdeWurzel, "<b/>"), "no declaration found for element 'b'")}},
      {"zwei Fehler",
       falsch,
       610301200,
       {berichtZeile(positionNach(falsch, "senden</Vorgang>"), "value 'senden' not in enumeration"),
        berichtZeile(positionNach(falsch, "9999x</HerstellerID>"),
                     "value '9999x' does not match regular expression facet '[0-9]{5}'")}},
      {"fehlendes Pflichtattribut und Kinder",
       ohneVersion,
       610301200,
       {berichtZeile(positionNach(ohneVersion, "<TransferHeader/>"),
                     "missing required attribute 'version'"),
        berichtZeile(positionNach(ohneVersion, "<TransferHeader/>"),
                     "element 'TransferHeader' is not allowed for content model "
                     "'(Verfahren,DatenArt,Vorgang,TransferTicket?,ETID?,Testmerker?,SigUser?,"
                     "Empfaenger?,HerstellerID,DatenLieferant,EingangsDatum?,Datei,RC?,"
                     "VersionClient?,Zusatz?)'"),
        berichtZeile(positionNach(ohneVersion, "</Arbel>"),
                     "missing elements in content model '(TransferHeader,DatenTeil)'")}},
      {"nicht wohlgeformt",
       kDeklaration + "<a></b>",
       610301006,
       {berichtZeile("Zeile 2 in Spalte 4", "no declaration found for element 'a'"),
        berichtZeile("Zeile 2 in Spalte 6", "expected end of tag 'a'")}},
      {"leer nach Deklaration",
       kDeklaration,
       610301006,
       {berichtZeile("Zeile 2 in Spalte 1", "invalid document structure")}},
      // The depth cap ends the parse with an exception of its own at element 2001.
      {"zu tief", tief, 610301200, tiefZeilen},
      {"DTD mit abgelehnter Id",
       kDeklaration + "<!DOCTYPE Arbel SYSTEM \"./TH000008_extern.xsd\"><Arbel/>",
       610301201,
       {validierungsZeile("Entity './TH000008_extern.xsd' konnte nicht aufgeloest werden.")}},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.name);
    const auto ergebnis = validiere(fall.dokument);
    EXPECT_EQ(ergebnis.code, fall.code);
    EXPECT_EQ(ergebnis.zeilen, fall.zeilen);
  }
}

TEST(Validierung, OhneUndMitAbgeschaltetemLogger) {
  const std::string ungueltig = kDeklaration + "<Fremd/>";
  const struct {
    std::string dokument;
    int code;
    int zeilen;  // with an enabled logger
  } FAELLE[] = {
      {mitDeklaration(kDeklaration), 0, 0},
      {rumpf(), 610301108, 1},
      {mitDeklaration("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), 610301108, 1},
      {ungueltig, 610301200, 1},
      {kDeklaration + "<a></b>", 610301006, 2},
      {kDeklaration + "<!DOCTYPE a SYSTEM \"x\"><a/>", 610301201, 1},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.dokument.substr(0, 60));
    const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
    const auto id = PLUGIN_NAMESPACE::kRootSchemaSystemId;
    EXPECT_EQ(PLUGIN_NAMESPACE::validateXml(fall.dokument.data(), fall.dokument.size(), id,
                                            *resolver, nullptr),
              fall.code);
    ZeilenLogger aus(false);
    EXPECT_EQ(PLUGIN_NAMESPACE::validateXml(fall.dokument.data(), fall.dokument.size(), id,
                                            *resolver, &aus),
              fall.code);
    EXPECT_TRUE(aus.zeilen.empty());
    EXPECT_EQ(aus.anfragen, fall.zeilen);  // asked once per line it would have got
    ZeilenLogger an;
    PLUGIN_NAMESPACE::validateXml(fall.dokument.data(), fall.dokument.size(), id, *resolver, &an);
    EXPECT_EQ(static_cast<int>(an.zeilen.size()), fall.zeilen);
  }
}

// Exceptions raised while the schema loads, through a resolver that throws them.
class WerfenderResolver : public xercesc::EntityResolver {
 public:
  explicit WerfenderResolver(std::function<void()> wirf) : wirf_(std::move(wirf)) {}
  xercesc::InputSource* resolveEntity(const XMLCh* const, const XMLCh* const) override {
    wirf_();
    return nullptr;
  }

 private:
  std::function<void()> wirf_;
};

Ergebnis mitResolver(xercesc::EntityResolver& resolver) {
  const std::string dokument = mitDeklaration(kDeklaration);
  ZeilenLogger logger;
  const int code = PLUGIN_NAMESPACE::validateXml(
      dokument.data(), dokument.size(), PLUGIN_NAMESPACE::kRootSchemaSystemId, resolver, &logger);
  return {code, logger.zeilen};
}

TEST(Validierung, AusnahmenDerBibliothekUndDesResolvers) {
  using vesk::util::xml::StrX;
  // The library words the message of its own exceptions; taken from a second
  // instance, which needs the library set up.
  vesk::util::xml::xmlPlattform();
  const xercesc::RuntimeException vergleich("x", 1, xercesc::XMLExcepts::Gen_ParseInProgress);
  const std::string bibliotheksText = StrX(vergleich.getMessage(), StrX::streng).text();
  const std::string kOrt = "An error occurred in 'Eingabe XML-Daten'! Exception message: ";
  const struct {
    const char* name;
    std::function<void()> wirf;
    int code;
    std::vector<std::string> zeilen;
  } FAELLE[] = {
      {"XMLException",
       [] { ThrowXML(xercesc::RuntimeException, xercesc::XMLExcepts::Gen_ParseInProgress); },
       610301200,
       {validierungsZeile(kOrt + bibliotheksText)}},
      // A character outside Latin-9 turns the message into ASCII with '?'.
      {"SAXParseException",
       [] { throw xercesc::SAXParseException(u"Teilst\u00fcck \u0100 kaputt", u"", u"", 3, 4); },
       610301200,
       {validierungsZeile(kOrt + "Teilst?ck ? kaputt")}},
      {"WrongEncodingException",
       [] { throw vesk::util::xml::WrongEncodingException("egal"); },
       610301108,
       {kFalschesEncoding}},
      {"EntityResolverException",
       [] {
         throw vesk::wex2::EntityResolverException("Entity 'x' konnte nicht aufgeloest werden.");
       },
       610301201,
       {validierungsZeile("Entity 'x' konnte nicht aufgeloest werden.")}},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.name);
    WerfenderResolver resolver(fall.wirf);
    const auto ergebnis = mitResolver(resolver);
    EXPECT_EQ(ergebnis.code, fall.code);
    EXPECT_EQ(ergebnis.zeilen, fall.zeilen);
  }
}

TEST(Validierung, SpeichermangelVerlaesstDieValidierung) {
  WerfenderResolver resolver([] { throw xercesc::OutOfMemoryException(); });
  try {
    mitResolver(resolver);
    FAIL() << "no exception";
  } catch (const std::bad_alloc& e) {
    EXPECT_STREQ(e.what(), "bad allocation");
  }
}

}  // namespace
