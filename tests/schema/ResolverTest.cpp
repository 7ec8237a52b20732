// VeskEntityResolver: the four embedded schemas, refusals and null answers.
#include <gtest/gtest.h>

#include <memory>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/util/BinInputStream.hpp>

#include "schema/EntityResolverException.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"

namespace {

using namespace dvtest;
using vesk::util::xml::XStr;

std::string alleBytes(xercesc::InputSource& quelle) {
  std::unique_ptr<xercesc::BinInputStream> strom(quelle.makeStream());
  std::string bytes;
  XMLByte puffer[4096];
  while (const XMLSize_t n = strom->readBytes(puffer, sizeof puffer)) {
    bytes.append(reinterpret_cast<const char*>(puffer), n);
  }
  return bytes;
}

TEST(VeskEntityResolver, LiefertDieVierSchemas) {
  // Sizes as fixed for the schemas; bytes compared with the files in schema/xsd/.
  const struct {
    const char* systemId;
    std::size_t groesse;
  } FAELLE[] = {
      {"./th000008_extern.xsd", 16219},
      {"./ndh000010_extern.xsd", 10197},
      {"./headerbasis000002.xsd", 90470},
      {"./arbel0810_bisNH_extern.xsd", 2300},
  };
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.systemId);
    const XStr id(fall.systemId);
    std::unique_ptr<xercesc::InputSource> quelle(
        resolver->resolveEntity(u"egal", id.unicodeForm()));
    ASSERT_NE(quelle, nullptr);
    EXPECT_EQ(std::u16string(quelle->getSystemId()), std::u16string(id.unicodeForm()));
    ASSERT_NE(quelle->getEncoding(), nullptr);
    EXPECT_EQ(std::u16string(quelle->getEncoding()), u"ISO-8859-15");
    const std::string bytes = alleBytes(*quelle);
    EXPECT_EQ(bytes.size(), fall.groesse);
    EXPECT_EQ(bytes, liesDatei(DV_XSD_DIR "/" + std::string(fall.systemId + 2)));
  }
}

TEST(VeskEntityResolver, LehntAndereIdsAb) {
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  const struct {
    std::u16string id;
    std::string imText;  // the id as the message shows it
  } FAELLE[] = {
      {u"./TH000008_extern.xsd", "./TH000008_extern.xsd"},
      {u"th000008_extern.xsd", "th000008_extern.xsd"},
      {u"./th000008_extern.xsd ", "./th000008_extern.xsd "},
      {u"/tmp/./th000008_extern.xsd", "/tmp/./th000008_extern.xsd"},
      {u"file:///etc/passwd", "file:///etc/passwd"},
      {u"http://127.0.0.1/arbel.dtd", "http://127.0.0.1/arbel.dtd"},
      {u" &x", " &x"},
      {u"./th\u0100.xsd", "./th?.xsd"},  // converted leniently
      {u"./th\u00fc.xsd", "./th\xfc.xsd"},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.imText);
    try {
      delete resolver->resolveEntity(nullptr, fall.id.c_str());
      ADD_FAILURE() << "not refused";
    } catch (const vesk::wex2::EntityResolverException& e) {
      EXPECT_EQ(std::string(e.what()),
                "Entity '" + fall.imText + "' konnte nicht aufgeloest werden.");
    }
  }
}

TEST(VeskEntityResolver, LeereUndKaufmannsUndIdsErgebenNull) {
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  for (const char16_t* id : {u"", u"&", u"&x.dtd", u"&/etc/passwd", u"&./th000008_extern.xsd"}) {
    EXPECT_EQ(resolver->resolveEntity(u"", id), nullptr);
  }
  EXPECT_EQ(resolver->resolveEntity(u"", nullptr), nullptr);
}

}  // namespace
