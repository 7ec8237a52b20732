// VeskEntityResolver; the schema files themselves: test schema_generator_reproduzierbar.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <xercesc/sax/InputSource.hpp>
#include <xercesc/util/BinInputStream.hpp>

#include "schema/EntityResolverException.h"
#include "schema/VeskEntityResolver.h"

namespace {

// Ids as they are, byte for byte; any other id refused, shown leniently converted;
// empty ids and those starting with "&" left to the parser (null).
TEST(VeskEntityResolver, VierSchemasSonstNichts) {
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  for (const char16_t* id : {u"./arbel0810_bisNH_extern.xsd", u"./th000008_extern.xsd",
                             u"./ndh000010_extern.xsd", u"./headerbasis000002.xsd"}) {
    std::unique_ptr<xercesc::InputSource> quelle(resolver->resolveEntity(u"", id));
    ASSERT_NE(quelle, nullptr);
    EXPECT_EQ(std::u16string(quelle->getSystemId()), id);
    EXPECT_EQ(std::u16string(quelle->getEncoding()), u"ISO-8859-15");
    std::unique_ptr<xercesc::BinInputStream> strom(quelle->makeStream());
    std::string text(100000, '\0');
    text.resize(strom->readBytes(reinterpret_cast<XMLByte*>(text.data()), text.size()));
    std::string datei(id + 2, id + std::char_traits<char16_t>::length(id));
    std::ifstream xsd(DV_XSD_DIR "/" + datei, std::ios::binary);
    EXPECT_EQ(text, std::string(std::istreambuf_iterator<char>(xsd), {}));
  }
  const std::pair<std::u16string, std::string> kAbgelehnt[] = {
      {u"./TH000008_extern.xsd", "./TH000008_extern.xsd"},
      {u"th000008_extern.xsd", "th000008_extern.xsd"},
      {u"./th000008_extern.xsd ", "./th000008_extern.xsd "},
      {u" &x", " &x"},
      {u"./th\u00fc\u0100.xsd", "./th??.xsd"},
  };
  for (const auto& [id, imText] : kAbgelehnt) {
    try {
      delete resolver->resolveEntity(nullptr, id.c_str());
      ADD_FAILURE() << imText << ": not refused";
    } catch (const vesk::wex2::EntityResolverException& e) {
      EXPECT_EQ(std::string(e.what()), "Entity '" + imText + "' konnte nicht aufgeloest werden.");
    }
  }
  for (const char16_t* id : {u"", u"&", u"&./th000008_extern.xsd"}) {
    EXPECT_EQ(resolver->resolveEntity(u"", id), nullptr);
  }
}

}  // namespace
