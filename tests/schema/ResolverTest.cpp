// VeskEntityResolver. The schema files' sizes, encoding and enumerations are
// enforced by their generator, which the schema_generator_reproduzierbar test runs.
#include <gtest/gtest.h>

#include <memory>
#include <xercesc/sax/InputSource.hpp>
#include <xercesc/util/BinInputStream.hpp>

#include "schema/EntityResolverException.h"
#include "schema/VeskEntityResolver.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"

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

}  // namespace
