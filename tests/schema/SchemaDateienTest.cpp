// The four schema files: size, line ends, encodings, versions and the stated structure.
#include <gtest/gtest.h>

#include <set>

#include "tests/schema/SchemaTestHilfen.h"

namespace {

using namespace dvtest;

std::string schema(const std::string& name) { return liesDatei(DV_XSD_DIR "/" + name); }

std::size_t anzahl(const std::string& text, const std::string& teil) {
  std::size_t n = 0;
  for (auto pos = text.find(teil); pos != std::string::npos; pos = text.find(teil, pos + 1)) ++n;
  return n;
}

// The values of the attribute attribut="..." in text, in order.
std::vector<std::string> attributWerte(const std::string& text, const std::string& vor) {
  std::vector<std::string> ergebnis;
  for (auto pos = text.find(vor); pos != std::string::npos; pos = text.find(vor, pos)) {
    pos += vor.size();
    ergebnis.push_back(text.substr(pos, text.find('"', pos) - pos));
  }
  return ergebnis;
}

// The enumeration values of one named simple type.
std::vector<std::string> werte(const std::string& text, const std::string& typ) {
  const auto anfang = text.find("<xs:simpleType name=\"" + typ + "\">");
  EXPECT_NE(anfang, std::string::npos) << typ;
  const auto ende = text.find("</xs:simpleType>", anfang);
  return attributWerte(text.substr(anfang, ende - anfang), "<xs:enumeration value=\"");
}

TEST(SchemaDateien, GroesseZeilenendenEncodingVersion) {
  const struct {
    const char* name;
    std::size_t groesse;
    const char* encoding;
    const char* versionskommentar;  // empty: none stated
    const char* versionsattribut;
  } FAELLE[] = {
      {"arbel0810_bisNH_extern.xsd", 2300, "ISO-8859-1", "<!-- Version 2008.1 -->", "1"},
      {"th000008_extern.xsd", 16219, "ISO-8859-15", "<!-- Version 8.23 -->", "1"},
      {"ndh000010_extern.xsd", 10197, "ISO-8859-15", "<!-- Version -  10.2 -->", "1"},
      {"headerbasis000002.xsd", 90470, "ISO-8859-15", "", "7"},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.name);
    const std::string text = schema(fall.name);
    EXPECT_EQ(text.size(), fall.groesse);
    EXPECT_EQ(text.rfind("\r\n"), text.size() - 2);
    EXPECT_EQ(anzahl(text, "\n"), anzahl(text, "\r\n"));
    EXPECT_EQ(anzahl(text, "\r"), anzahl(text, "\r\n"));
    EXPECT_EQ(
        text.find("<?xml version=\"1.0\" encoding=\"" + std::string(fall.encoding) + "\"?>\r\n"),
        0u);
    if (*fall.versionskommentar != 0) {
      EXPECT_NE(text.find(std::string(fall.versionskommentar) + "\r\n"), std::string::npos);
    }
    EXPECT_NE(text.find("elementFormDefault=\"qualified\" attributeFormDefault=\"unqualified\" "
                        "version=\"" +
                        std::string(fall.versionsattribut) + "\">"),
              std::string::npos);
    // Every byte is ISO-8859-15 text: no C0 controls but CR and LF, no C1 controls.
    for (unsigned char c : text) {
      ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c != 0x7f && (c < 0x80 || c >= 0xa0)))
          << static_cast<int>(c);
    }
  }
}

TEST(SchemaDateien, EinbindungUndNamensraeume) {
  const std::string wurzel = schema("arbel0810_bisNH_extern.xsd");
  EXPECT_NE(wurzel.find("<xs:include schemaLocation=\"./ndh000010_extern.xsd\"/>"),
            std::string::npos);
  EXPECT_NE(wurzel.find("<xs:include schemaLocation=\"./th000008_extern.xsd\"/>"),
            std::string::npos);
  for (const char* kopf : {"th000008_extern.xsd", "ndh000010_extern.xsd"}) {
    EXPECT_NE(schema(kopf).find("schemaLocation=\"./headerbasis000002.xsd\"/>"), std::string::npos);
    EXPECT_NE(schema(kopf).find("<xs:import namespace="), std::string::npos);
  }
  // Neutral namespaces of our own under a reserved example domain.
  for (const char* name : {"arbel0810_bisNH_extern.xsd", "th000008_extern.xsd",
                           "ndh000010_extern.xsd", "headerbasis000002.xsd"}) {
    const auto namensraeume = attributWerte(schema(name), "targetNamespace=\"");
    ASSERT_EQ(namensraeume.size(), 1u) << name;
    EXPECT_EQ(namensraeume[0].rfind("http://divide-vira.example/", 0), 0u) << name;
  }
}

TEST(SchemaDateien, BasistypenUndAufzaehlungen) {
  const std::string basis = schema("headerbasis000002.xsd");
  EXPECT_EQ(anzahl(basis, "<xs:simpleType name="), 35u);
  EXPECT_EQ(anzahl(basis, "<xs:complexType name=\"SigSType\" mixed=\"true\">"), 1u);
  const struct {
    const char* typ;
    std::size_t anzahl;
    std::vector<std::string> enthalten;  // values stated for the type
  } FAELLE[] = {
      {"EmpfaengerIDSType", 2, {"L", "F"}},
      {"KompressionSType", 3, {"GZIP", "none", "NO_BASE64"}},
      {"VerschluesselungSType", 4, {"PKCS#7v1.5", "PKCS#7v1.5enveloped", "NO_BASE64", "none"}},
      {"BundeslandSType", 26, {}},
      {"VorgangSType", 13, {"send-Auth", "send-Sig", "send-NoSig"}},
      {"TestmerkerSType", 36, {}},
      {"VerfahrenSType", 56, {}},
      {"DatenArtSType", 435, {}},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.typ);
    const auto liste = werte(basis, fall.typ);
    EXPECT_EQ(liste.size(), fall.anzahl);
    EXPECT_EQ(std::set<std::string>(liste.begin(), liste.end()).size(), liste.size());
    for (const auto& wert : fall.enthalten) {
      EXPECT_NE(std::find(liste.begin(), liste.end(), wert), liste.end()) << wert;
    }
  }
  // The chain of base string types.
  const char* KETTE[][2] = {
      {"BaseStringNoLeadingSeparators", "BaseStringUltraLightSType"},
      {"BaseStringNoLeadingOrTrailingSeparators", "BaseStringNoLeadingSeparators"},
      {"BaseStringSType", "BaseStringNoLeadingOrTrailingSeparators"},
  };
  for (const auto& glied : KETTE) {
    EXPECT_NE(basis.find("<xs:simpleType name=\"" + std::string(glied[0]) +
                         "\">\r\n    <xs:restriction base=\"headerbasis:" + glied[1] + "\">"),
              std::string::npos)
        << glied[0];
  }
}

}  // namespace
