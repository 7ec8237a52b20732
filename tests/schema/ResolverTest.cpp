// VeskEntityResolver, and validateXml with resolvers that throw. The schema
// files' sizes, encoding and enumerations are enforced by their generator,
// which the schema_generator_reproduzierbar test runs.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <xercesc/sax/InputSource.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/BinInputStream.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/RuntimeException.hpp>

#include "schema/EntityResolverException.h"
#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"
#include "xml/XmlPlattform.h"

namespace {

using namespace dvtest;
using vesk::util::xml::StrX;

TEST(VeskEntityResolver, LiefertDieVierSchemasByteGenau) {
  const std::pair<const char*, std::size_t> kSchemas[] = {{"./arbel0810_bisNH_extern.xsd", 2300},
                                                          {"./th000008_extern.xsd", 16219},
                                                          {"./ndh000010_extern.xsd", 10197},
                                                          {"./headerbasis000002.xsd", 90470}};
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  for (const auto& [systemId, groesse] : kSchemas) {
    SCOPED_TRACE(systemId);
    const vesk::util::xml::XStr id(systemId);
    std::unique_ptr<xercesc::InputSource> quelle(resolver->resolveEntity(u"", id.unicodeForm()));
    ASSERT_NE(quelle, nullptr);
    EXPECT_EQ(std::u16string(quelle->getSystemId()), std::u16string(id.unicodeForm()));
    EXPECT_EQ(std::u16string(quelle->getEncoding()), u"ISO-8859-15");
    std::unique_ptr<xercesc::BinInputStream> strom(quelle->makeStream());
    std::string text;
    XMLByte puffer[4096];
    while (const XMLSize_t n = strom->readBytes(puffer, sizeof puffer)) {
      text.append(puffer, puffer + n);
    }
    EXPECT_EQ(text.size(), groesse);
    EXPECT_EQ(text, liesDatei(DV_XSD_DIR "/" + std::string(systemId + 2)));
  }
}

TEST(VeskEntityResolver, LehntAndereIdsAbUndAntwortetLeerenUndUndIdsMitNull) {
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  const std::pair<std::u16string, std::string> kAbgelehnt[] = {
      {u"./TH000008_extern.xsd", "./TH000008_extern.xsd"},
      {u"th000008_extern.xsd", "th000008_extern.xsd"},
      {u"./th000008_extern.xsd ", "./th000008_extern.xsd "},
      {u"/tmp/./th000008_extern.xsd", "/tmp/./th000008_extern.xsd"},
      {u"http://127.0.0.1/arbel.dtd", "http://127.0.0.1/arbel.dtd"},
      {u" &x", " &x"},
      {u"./th\u00fc.xsd", "./th\xfc.xsd"},
      {u"./th\u00fc\u0100.xsd", "./th??.xsd"},  // shown leniently converted
  };
  for (const auto& [id, imText] : kAbgelehnt) {
    try {
      delete resolver->resolveEntity(nullptr, id.c_str());
      ADD_FAILURE() << imText << ": not refused";
    } catch (const vesk::wex2::EntityResolverException& e) {
      EXPECT_EQ(std::string(e.what()), "Entity '" + imText + "' konnte nicht aufgeloest werden.");
    }
  }
  for (const char16_t* id : {u"", u"&", u"&/etc/passwd", u"&./th000008_extern.xsd"}) {
    EXPECT_EQ(resolver->resolveEntity(u"", id), nullptr);
  }
  EXPECT_EQ(resolver->resolveEntity(u"", nullptr), nullptr);
}

// Throws while the schema loads.
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

TEST(Validierung, AusnahmenDerBibliothekUndDesResolvers) {
  vesk::util::xml::xmlPlattform();  // the library words its own messages: ask a second instance
  const xercesc::RuntimeException vergleich("x", 1, xercesc::XMLExcepts::Gen_ParseInProgress);
  const std::string ort = "An error occurred in 'Eingabe XML-Daten'! Exception message: ";
  const struct {
    std::function<void()> wirf;
    int code;
    std::string zeile;
  } kFaelle[] = {
      {[] { ThrowXML(xercesc::RuntimeException, xercesc::XMLExcepts::Gen_ParseInProgress); },
       610301200, validierungsZeile(ort + StrX(vergleich.getMessage(), StrX::streng).text())},
      // A character outside Latin-9 turns the message into ASCII with '?'.
      {[] { throw xercesc::SAXParseException(u"Teilst\u00fcck \u0100 kaputt", u"", u"", 3, 4); },
       610301200, validierungsZeile(ort + "Teilst?ck ? kaputt")},
      {[] { throw xercesc::OutOfMemoryException(); }, -1, ""},  // leaves as std::bad_alloc
  };
  const std::string dokument = muster("gueltig_abholung.xml");
  for (const auto& fall : kFaelle) {
    SCOPED_TRACE(fall.zeile);
    WerfenderResolver resolver(fall.wirf);
    ZeilenLogger logger;
    int code = -1;
    try {
      code =
          PLUGIN_NAMESPACE::validateXml(dokument.data(), dokument.size(),
                                        PLUGIN_NAMESPACE::kRootSchemaSystemId, resolver, &logger);
    } catch (const std::bad_alloc& e) {
      EXPECT_STREQ(e.what(), "bad allocation");
    }
    EXPECT_EQ(code, fall.code);
    EXPECT_EQ(logger.zeilen, fall.zeile.empty() ? std::vector<std::string>{}
                                                : std::vector<std::string>{fall.zeile});
  }
}

}  // namespace
