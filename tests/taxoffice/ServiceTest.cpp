// Directory operations of the tax office data service through the loaded
// module. Expected values come from the compiled tables (linked here directly)
// and the result codes and log texts fixed for each operation; the XML answers
// are parsed back with Xerces-C.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>
#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include "taxoffice/Finanzamtstabellen.h"
#include "tests/support/ModulTest.h"
#include "tests/taxnumber/Referenz.h"
#include "tests/taxoffice/EchteNummern.h"

namespace {

using namespace vesk::divideVira;
using vesk::plugin2::iface::IFinanzamtsdaten;
namespace x = XERCES_CPP_NAMESPACE;
using Paare = std::vector<std::pair<std::u16string, std::u16string>>;

// ISO-8859-15 as UTF-16: Latin-1 but for eight code points.
std::u16string utf16(const std::string& latin9) {
  const std::u16string anders = u"\u20AC\u0160\u0161\u017D\u017E\u0152\u0153\u0178";
  const std::string an = "\xA4\xA6\xA8\xB4\xB8\xBC\xBD\xBE";
  std::u16string ergebnis;
  for (unsigned char c : latin9) {
    const auto stelle = an.find(static_cast<char>(c));
    ergebnis += stelle == std::string::npos ? char16_t{c} : anders[stelle];
  }
  return ergebnis;
}

// The list's entries with numbers padded to breite; NRW test keys only with mitNrw.
Paare erwartet(const FinanzamtListenEintrag* liste, int breite, bool mitNrw = true) {
  Paare paare;
  for (; liste->nummer != 0; ++liste) {
    if (!mitNrw && liste->nummer >= 54 && liste->nummer <= 56) continue;
    std::string nummer = std::to_string(liste->nummer);
    paare.emplace_back(utf16(std::string(breite - nummer.size(), '0') + nummer),
                       utf16(liste->name));
  }
  return paare;
}

// A list document: the root's name and namespace, and per entry its element
// name, its number element's name, number and name.
struct Liste {
  std::u16string wurzel, namensraum;
  std::vector<std::u16string> elemente;
  Paare eintraege;
};

class FinanzamtsdatenDienst : public dvtest::ModulTest {
 protected:
  static void SetUpTestSuite() { x::XMLPlatformUtils::Initialize(); }
  static void TearDownTestSuite() { x::XMLPlatformUtils::Terminate(); }
  void SetUp() override {
    ModulTest::SetUp();
    dienst_ = modul().finanzamtsdatenService(&logger_);
  }
  void TearDown() override { dienst_.reset(); }

  // Parses with namespaces on; any parse error fails the test.
  static Liste lies(const std::string& xml) {
    x::XercesDOMParser parser;
    parser.setDoNamespaces(true);
    x::MemBufInputSource quelle(reinterpret_cast<const XMLByte*>(xml.data()), xml.size(), "xml");
    parser.parse(quelle);
    EXPECT_EQ(parser.getErrorCount(), 0u);
    const x::DOMElement* wurzel = parser.getDocument()->getDocumentElement();
    Liste liste{wurzel->getLocalName(), wurzel->getNamespaceURI(), {}, {}};
    for (auto* e = wurzel->getFirstElementChild(); e != nullptr; e = e->getNextElementSibling()) {
      const x::DOMElement* nummer = e->getFirstElementChild();
      const x::DOMElement* name = nummer->getNextElementSibling();
      EXPECT_EQ(nummer->getNamespaceURI(), liste.namensraum);  // the default namespace
      EXPECT_EQ(std::u16string(name->getLocalName()), u"Name");
      EXPECT_EQ(name->getNextElementSibling(), nullptr);
      liste.elemente.push_back(std::u16string(e->getLocalName()) + u"/" + nummer->getLocalName());
      liste.eintraege.emplace_back(nummer->getTextContent(), name->getTextContent());
    }
    return liste;
  }

  dvtest::SammelnderLogger logger_;
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst_;
};

TEST_F(FinanzamtsdatenDienst, ListenAlsXml) {
  using Aufruf = std::function<int(std::string&)>;
  struct Fall {
    Aufruf aufruf;
    std::u16string wurzel, element;
    Paare eintraege;
  };
  std::vector<Fall> faelle = {
      {[&](std::string& xml) { return dienst_->holeFinanzamtLandNummern(xml, false); },
       u"VeskHoleFinanzamtLandNummern", u"FinanzamtLand/FinanzamtLandNummer",
       erwartet(FINANZAMT_LAND_LISTE, 2, false)},
      {[&](std::string& xml) { return dienst_->holeFinanzamtLandNummern(xml, true); },
       u"VeskHoleFinanzamtLandNummern", u"FinanzamtLand/FinanzamtLandNummer",
       erwartet(FINANZAMT_LAND_LISTE, 2)},
      {[&](std::string& xml) { return dienst_->holeTestfinanzaemter(xml); },
       u"VeskHoleTestfinanzaemter", u"Finanzamt/BuFaNummer", erwartet(TESTFINANZAMT_LISTE, 4)},
  };
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    const std::string land = std::to_string(FINANZAMT_LISTEN[i].landNummer);
    faelle.push_back({[&, land](std::string& xml) { return dienst_->holeFinanzaemter(land, xml); },
                      u"VeskHoleFinanzaemter", u"Finanzamt/BuFaNummer",
                      erwartet(FINANZAMT_LISTEN[i].eintraege, 4)});
  }
  // Counts and umlauts, independently of the tables.
  ASSERT_EQ(faelle[0].eintraege.size(), 19u);
  ASSERT_EQ(faelle[1].eintraege.size(), 22u);
  ASSERT_EQ(faelle[2].eintraege.size(), 158u);
  EXPECT_EQ(faelle[0].eintraege[0], (Paare::value_type{u"28", u"Baden-W\u00fcrttemberg"}));
  for (const auto& fall : faelle) {
    std::string xml = "wird überschrieben";
    ASSERT_EQ(fall.aufruf(xml), 0);
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n", 0), 0u);
    const Liste liste = lies(xml);
    EXPECT_EQ(liste.wurzel, fall.wurzel);
    EXPECT_EQ(liste.namensraum, u"http://divide-vira.example/finanzamtsdaten/1.0/" + fall.wurzel);
    EXPECT_EQ(liste.elemente, std::vector<std::u16string>(fall.eintraege.size(), fall.element));
    EXPECT_EQ(liste.eintraege, fall.eintraege);
  }
  // Layout: declaration, root with the namespace, entries indented by tabs, CR LF.
  std::string xml;
  dienst_->holeFinanzaemter("10", xml);
  const std::string anfang =
      "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n<VeskHoleFinanzaemter "
      "xmlns=\"http://divide-vira.example/finanzamtsdaten/1.0/VeskHoleFinanzaemter\">\r\n"
      "\t<Finanzamt>\r\n\t\t<BuFaNummer>1010</BuFaNummer>\r\n\t\t<Name>Finanzamt "
      "Saarlouis</Name>\r\n\t</Finanzamt>\r\n";
  EXPECT_EQ(xml.substr(0, anfang.size()), anfang);
  EXPECT_EQ(xml.substr(xml.size() - 38), "\t</Finanzamt>\r\n</VeskHoleFinanzaemter>");
  EXPECT_TRUE(logger_.zeilen.empty());
}

// The Land key is read as atoi reads it.
TEST_F(FinanzamtsdatenDienst, LandschluesselUndIhreCodes) {
  const std::pair<const char*, int> kFaelle[] = {
      {"28abc", 0},        {" 28", 0},         {"+10", 0},        {"010", 0},
      {"", 610001400},     {"abc", 610001400}, {"00", 610001400}, {"54", 610001404},
      {"56", 610001404},   {"5", 610001404},   {"25", 610001404}, {"-28", 610001404},
      {"2801", 610001404},
  };
  for (const auto& [land, code] : kFaelle) {
    std::string xml = "vorher", vergleich = "vorher";
    EXPECT_EQ(dienst_->holeFinanzaemter(land, xml), code) << land;
    if (code == 0) dienst_->holeFinanzaemter(std::to_string(std::atoi(land)), vergleich);
    EXPECT_EQ(xml, vergleich) << land;
  }
  EXPECT_TRUE(logger_.zeilen.empty());
}

// Host record that keeps every call in order.
class AufzeichnendeDaten : public IFinanzamtsdaten {
 public:
  std::vector<std::pair<std::string, std::string>> aufrufe;
  const std::string& getBuFaNummer() const override { return leer_; }
  void setBuFaNummer(const std::string& w) override { aufrufe.emplace_back("BuFaNummer", w); }
  bool getKennzeichenA() const override { return true; }
  void setKennzeichenA(bool) override { aufrufe.emplace_back("KennzeichenA", ""); }
  bool getKennzeichenB() const override { return false; }
  void setKennzeichenB(bool) override { aufrufe.emplace_back("KennzeichenB", ""); }
#define DV_AUFZEICHNEN(feld)                                      \
  const std::string& get##feld() const override { return leer_; } \
  void set##feld(const std::string& w) override { aufrufe.emplace_back(#feld, w); }
  VESK_FINANZAMTSDATEN_FELDER(DV_AUFZEICHNEN)
#undef DV_AUFZEICHNEN

 private:
  std::string leer_;
};

std::vector<std::pair<std::string, std::string>> alleFelder(const FinanzamtEintrag* e) {
  return {
#define DV_FELD(feld, breite) {#feld, e->feld},
      DV_FINANZAMT_FELDER(DV_FELD)
#undef DV_FELD
  };
}

// Every record in field order; then the number read as lexical_cast reads it.
TEST_F(FinanzamtsdatenDienst, DatensaetzeUndNummerntexte) {
  const FinanzamtTabelle t = finanzamtTabelle();
  for (std::size_t i = 0; i < t.anzahl; ++i) {
    AufzeichnendeDaten daten;
    ASSERT_EQ(dienst_->holeFinanzamtsdaten(t.erster[i].BuFaNummer, daten, true), 0);
    ASSERT_EQ(daten.aufrufe, alleFelder(&t.erster[i])) << t.erster[i].nummer;
  }
  for (const auto* e = TESTFINANZAMT_LISTE; e->nummer != 0; ++e) {
    AufzeichnendeDaten daten;
    ASSERT_EQ(dienst_->holeFinanzamtsdaten(std::to_string(e->nummer), daten, false), 0);
    ASSERT_EQ(daten.aufrufe, (decltype(daten.aufrufe){{"Name", e->name}}));
  }
  const struct {
    const char* nummer;
    bool ohneTest;
    int code;
    decltype(AufzeichnendeDaten::aufrufe) aufrufe;
  } kFaelle[] = {
      {"01010", false, 0, alleFelder(findeFinanzamtEintrag("1010"))},
      {"+1010", false, 0, alleFelder(findeFinanzamtEintrag("1010"))},
      {"2380", true, 0, alleFelder(findeFinanzamtEintrag("2380"))},  // in no list
      {"1096", true, 610001008, {}},
      {"9999", false, 610001008, {}},
      {"0", false, 610001008, {}},
      {"-1010", false, 610001008, {}},
      {"1010 ", false, 610001002, {}},
      {" 1010", false, 610001002, {}},
      {"10.10", false, 610001002, {}},
      {"", false, 610001002, {}},
      {"99999999999", false, 610001002, {}},  // beyond int
  };
  for (const auto& fall : kFaelle) {
    AufzeichnendeDaten daten;
    EXPECT_EQ(dienst_->holeFinanzamtsdaten(fall.nummer, daten, fall.ohneTest), fall.code)
        << fall.nummer;
    EXPECT_EQ(daten.aufrufe, fall.aufrufe) << fall.nummer;
  }
  EXPECT_TRUE(logger_.zeilen.empty());
}

TEST_F(FinanzamtsdatenDienst, FinanzamtnummernMitIhrenZeilen) {
  const std::string laenge = "Die Finanzamt- oder Steuernummer hat nicht 4 bzw. 13 Stellen";
  const auto ziffern = [](const std::string& v) {
    return "Die Finanzamtnummer \"" + v + "\" darf nur Ziffern enthalten";
  };
  const auto fehlt = [](const std::string& v) {
    return "Die Finanzamtnummer \"" + v + "\" wurde nicht gefunden";
  };
  const std::pair<std::string, std::string> kFaelle[] = {
      {"1096000000000", ""},
      {"1010xxxxxxxxx", ""},  // only the office part counts
      {"12345", laenge},
      {"", laenge},
      {"10100000000000", laenge},
      {" 101", ziffern(" 101")},
      {"+101", ziffern("+101")},
      {"x010123456789", ziffern("x010")},
      {"2380", fehlt("2380")},  // a record, but in no list
      {"5170000000000", fehlt("5170")},
  };
  for (const auto& [nummer, zeile] : kFaelle) {
    logger_.zeilen.clear();
    EXPECT_EQ(dienst_->pruefeFinanzamtNummer(nummer), zeile.empty() ? 0 : 610001038) << nummer;
    EXPECT_EQ(logger_.zeilen,
              zeile.empty() ? std::vector<std::string>{} : std::vector<std::string>{zeile});
  }
  // Every four-digit number: exactly the list and test offices exist, one line per other.
  logger_.zeilen.clear();
  for (int n = 0; n <= 9999; ++n) {
    const bool erwartet = istListenFinanzamt(n) || istTestfinanzamt(n);
    char vier[8];
    std::snprintf(vier, sizeof vier, "%04d", n);
    ASSERT_EQ(dienst_->existiertFinanzamt(n), erwartet) << n;
    ASSERT_EQ(dienst_->pruefeFinanzamtNummer(vier) == 0, erwartet) << n;
  }
  EXPECT_EQ(logger_.zeilen.size(), 10000u - 561u - 158u);
  EXPECT_EQ(logger_.zeilen.back(), fehlt("9999"));
  EXPECT_FALSE(dienst_->existiertFinanzamt(-1010));
  EXPECT_EQ(modul().finanzamtsdatenService()->pruefeFinanzamtNummer("12345"), 610001038);
}

// A valid number of every real selectable office passes, computed here with the Land's method;
// a real office that is only a record, or not in the directory, fails as any unknown office.
TEST_F(FinanzamtsdatenDienst, SteuernummernDerEchtenAemter) {
  std::mt19937 zufall(2026);
  std::size_t gelistet = 0, sonst = 0;
  for (int amt : dvtest::echteFinanzamtsnummern()) {
    const std::string nummer = dvtest::referenz::erzeuge(zufall, amt);
    if (nummer.empty()) continue;  // Berlin offices outside the weight rule: no valid number
    const bool liste = istListenFinanzamt(amt);
    (liste ? gelistet : sonst) += 1;
    EXPECT_EQ(dienst_->pruefeSteuernummer(nummer), liste ? 0 : 610001034) << nummer;
  }
  EXPECT_EQ(gelistet, 531u);
  EXPECT_EQ(sonst, 593u - 531u - 3u);  // without 1115, 1138 and 1191
}

}  // namespace
