// The module, compiling the grammar once per process, gives every document the code
// and log lines of the library compiling it anew in the call; a disabled logger or
// none changes no code. Codes follow from the result rules (a refusal or parser
// exception ends the call with its own code and line; then a missing declaration,
// fatal errors, errors); lines are computed from the document or counted by hand.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <new>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>

#include "errortexts/Hostcodes.h"
#include "schema/EntityResolverException.h"
#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"
#include "support/ModulTest.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace dvtest {
namespace {

// Keeps every line; counts the questions whether it is enabled.
class ZeilenLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  explicit ZeilenLogger(bool aktiv = true) : aktiv_(aktiv) {}
  void log(const std::string& zeile) override { zeilen.push_back(zeile); }
  bool isEnabled() override {
    ++anfragen;
    return aktiv_;
  }
  std::vector<std::string> zeilen;
  int anfragen = 0;

 private:
  bool aktiv_;
};

std::string muster(const std::string& name) {
  std::ifstream datei(DV_SAMPLES_DIR "/" + name, std::ios::binary);
  if (!datei) throw std::runtime_error("cannot read " + name);
  return std::string(std::istreambuf_iterator<char>(datei), {});
}

// text with the first occurrence of alt replaced.
std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
  const auto stelle = text.find(alt);
  if (stelle == std::string::npos) throw std::runtime_error("not in text: " + alt);
  return text.replace(stelle, alt.size(), neu);
}

// "Zeile L in Spalte S" for the position just past the first occurrence of
// marke, counted the way the parser counts (both from 1).
std::string positionNach(const std::string& text, const std::string& marke) {
  const auto bis = text.find(marke) + marke.size();
  const auto zeilenAnfang = text.rfind('\n', bis - 1);
  const auto zeile = 1 + std::count(text.begin(), text.begin() + bis, '\n');
  const auto spalte = bis - (zeilenAnfang == std::string::npos ? 0 : zeilenAnfang + 1) + 1;
  return "Zeile " + std::to_string(zeile) + " in Spalte " + std::to_string(spalte);
}

std::string berichtZeile(const std::string& position, const std::string& meldung) {
  return "FEHLER: XML-Eingabedaten in " + position + ": '" + meldung + "'";
}
std::string validierungsZeile(const std::string& text) {
  return "FEHLER: Fehler beim Validieren der XML-Eingabedaten: " + text;
}
const std::string kOhnePraeambel =
    "FEHLER: Es wurde keine XML-Praeambel mit Encoding-Spezifikation in den XML-Daten gefunden";
const std::string kFalschesEncoding =
    validierungsZeile("Encoding der XML-Daten entspricht nicht ISO-8859-15");

using PLUGIN_NAMESPACE::GrammatikSpeicher;
using PLUGIN_NAMESPACE::Kompilierung;

int validiere(const std::string& dokument, GrammatikSpeicher& grammatik,
              xercesc::EntityResolver& resolver, ZeilenLogger* logger,
              Kompilierung kompilierung = Kompilierung::kEinmal) {
  return PLUGIN_NAMESPACE::validateXml(dokument.data(), dokument.size(), grammatik, resolver,
                                       logger, kompilierung);
}

using GeteilteGrammatik = ModulTest;

TEST_F(GeteilteGrammatik, GleicheCodesUndZeilenWieJeAufrufKompiliert) {
  // A probe file in the working directory, for a parser that would open files itself.
  char ordner[] = "/tmp/dv_schema_XXXXXX";
  ASSERT_TRUE(mkdtemp(ordner) && chdir(ordner) == 0);
  std::ofstream("&a.dtd") << "<!ELEMENT Arbel ANY>";
  const std::string est = muster("gueltig_est.xml"), fehler = muster("ungueltig_schemafehler.xml");
  const auto geaendert = [&est](auto alt, auto neu) { return ersetzt(est, alt, neu); };
  const auto ohneDeklaration = [](const std::string& text) { return text.substr(text.find('\n')); };
  std::string tief, faelle;
  for (int i = 0; i < 2001; ++i) tief = "<t>" + tief + "</t>";
  const auto von = est.find("<Steuerfall>"), bis = est.find("<Bemerkung>");
  while (faelle.size() < (10u << 20)) faelle += est.substr(von, bis - von) + "</Steuerfall>";
  const std::string kXsi = "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi";
  const std::string externeDtd = geaendert("<Arbel ", "<!DOCTYPE Arbel SYSTEM \"a.dtd\"><Arbel ");
  const std::string zuTiefText = geaendert("<Bemerkung>", tief + "<Bemerkung>");
  const struct {
    std::string name, dokument;
    int code;
  } kFaelle[] = {
      {"gueltig_abholung.xml", muster("gueltig_abholung.xml"), 0},
      {"gueltig_ustva.xml", muster("gueltig_ustva.xml"), 0},
      {"gueltig_zwei_bloecke.xml", muster("gueltig_zwei_bloecke.xml"), 0},
      {"ungueltig_encoding_utf8.xml", muster("ungueltig_encoding_utf8.xml"),
       hostcode::kEncodingFalsch},
      {"ungueltig_zu_tief.xml", muster("ungueltig_zu_tief.xml"), hostcode::kSchemaFehler},
      {"ungueltig_externe_entitaet.xml", muster("ungueltig_externe_entitaet.xml"),
       hostcode::kEntityNichtAufloesbar},
      {"ungueltig_ohne_praeambel.xml", muster("ungueltig_ohne_praeambel.xml"),
       hostcode::kEncodingFalsch},
      {"ungueltig_nicht_wohlgeformt.xml", muster("ungueltig_nicht_wohlgeformt.xml"),
       hostcode::kXmlNichtWohlgeformt},
      {"gueltig_est.xml", est, 0},
      {"ungueltig_schemafehler.xml", fehler, hostcode::kSchemaFehler},
      {"ohne Deklaration", ohneDeklaration(est), hostcode::kEncodingFalsch},
      {"UTF-8", geaendert("ISO-8859-15", "UTF-8"), hostcode::kEncodingFalsch},
      {"klein geschrieben", geaendert("ISO-8859-15", "iso-8859-15"), 0},
      {"abgeschnitten", est.substr(0, est.size() / 2), hostcode::kXmlNichtWohlgeformt},
      {"unbekannte Wurzel", ersetzt(geaendert("<Arbel ", "<Arbeit "), "</Arbel>", "</Arbeit>"),
       hostcode::kSchemaFehler},
      {"falsche Kopfversion", geaendert("version=\"8\"", "version=\"9\""), hostcode::kSchemaFehler},
      {"Pflichtelement fehlt", geaendert("<Vorgang>send-Sig</Vorgang>", ""),
       hostcode::kSchemaFehler},
      {"unbekanntes Element", geaendert("<Testmerker>", "<Neu/><Testmerker>"),
       hostcode::kSchemaFehler},
      {"interne DTD", geaendert("<Arbel ", "<!DOCTYPE Arbel [<!ENTITY e \"x\">]><Arbel "),
       hostcode::kXmlNichtWohlgeformt},
      {"externe DTD", externeDtd, hostcode::kEntityNichtAufloesbar},
      {"externe DTD ohne Deklaration", ohneDeklaration(externeDtd),
       hostcode::kEntityNichtAufloesbar},
      {"externe DTD, Deklaration ohne Encoding",
       ersetzt(externeDtd, " encoding=\"ISO-8859-15\"", ""), hostcode::kEntityNichtAufloesbar},
      {"externe DTD &-Id",  // left to the parser, which opens no file
       geaendert("<Arbel ", "<!DOCTYPE Arbel SYSTEM \"&a.dtd\"><Arbel "),
       hostcode::kXmlNichtWohlgeformt},
      {"Schemaort",  // not followed (else refused)
       geaendert("<Arbel ", "<Arbel " + kXsi + ":noNamespaceSchemaLocation=\"a.xsd\" "), 0},
      {"zu tief", zuTiefText, hostcode::kSchemaFehler},  // the bound is ours: a parser exception
      {"zu tief ohne Deklaration", ohneDeklaration(zuTiefText), hostcode::kEncodingFalsch},
      {"ohne Deklaration, fatal", "<a>", hostcode::kEncodingFalsch},
      {"10 MB", geaendert("<Steuerfall>", faelle + "<Steuerfall>"), 0},
  };
  // Lines stated as well (any case: those of compiling per call; valid: none).
  const std::string zuTief = validierungsZeile(
      "An error occurred in 'Eingabe XML-Daten'! Exception message: "
      "Elemente sind tiefer als 2000 Ebenen verschachtelt");
  const std::string kAbgelehnt =
      validierungsZeile("Entity 'a.dtd' konnte nicht aufgeloest werden.");
  const std::map<std::string, std::vector<std::string>> kZeilen = {
      {"ungueltig_schemafehler.xml",
       {berichtZeile(positionNach(fehler, "ESt_2030</DatenArt>"),
                     "value 'ESt_2030' not in enumeration"),
        berichtZeile(positionNach(fehler, "<Empfaenger id=\"F\">"),
                     "attribute 'id' has value 'F' that does not match its #FIXED value 'L'"),
        berichtZeile(positionNach(fehler, "XX</Ziel>"), "value 'XX' not in enumeration"),
        berichtZeile(positionNach(fehler, "4021</HerstellerID>"),
                     "value '4021' does not match regular expression facet '[0-9]{5}'")}},
      {"UTF-8", {kFalschesEncoding}},
      {"interne DTD",  // refused before any entity is expanded
       {berichtZeile("Zeile 2 in Spalte 18",
                     "internal subset is not allowed when reusing the grammar")}},
      {"externe DTD", {kAbgelehnt}},
      {"externe DTD ohne Deklaration", {kAbgelehnt}},  // a refusal is no parse error
      {"externe DTD, Deklaration ohne Encoding", {kAbgelehnt}},
      {"externe DTD &-Id",
       {berichtZeile("Zeile 2 in Spalte 33", "unable to open DTD document '&a.dtd'")}},
      {"zu tief", {zuTief}},
      {"zu tief ohne Deklaration", {kOhnePraeambel}},  // as if parsed without the bound
      {"ohne Deklaration, fatal",
       {berichtZeile("Zeile 1 in Spalte 4", "no declaration found for element 'a'"),
        berichtZeile("Zeile 1 in Spalte 4",
                     "input ended before all started tags were ended; last tag started is 'a'"),
        kOhnePraeambel}},
  };
  ZeilenLogger an, aus(false);
  auto mitLogger = modul().schemaValidationService(&an);
  auto abgeschaltet = modul().schemaValidationService(&aus);
  auto ohneLogger = modul().schemaValidationService();
  GrammatikSpeicher grammatik(PLUGIN_NAMESPACE::kRootSchemaSystemId);
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  for (const auto& fall : kFaelle) {
    SCOPED_TRACE(fall.name);
    an.zeilen.clear();
    aus.anfragen = 0;
    dvhost::TextEingabe eingabe(fall.dokument);
    EXPECT_EQ(mitLogger->validate(eingabe), fall.code);
    ZeilenLogger jeAufruf;
    EXPECT_EQ(validiere(fall.dokument, grammatik, *resolver, &jeAufruf, Kompilierung::kJeAufruf),
              fall.code);
    EXPECT_EQ(an.zeilen, jeAufruf.zeilen);
    const auto zeilen = kZeilen.find(fall.name);
    if (zeilen != kZeilen.end() || fall.code == 0) {
      EXPECT_EQ(an.zeilen, zeilen != kZeilen.end() ? zeilen->second : std::vector<std::string>{});
    }
    EXPECT_EQ(abgeschaltet->validate(eingabe), fall.code);
    EXPECT_EQ(aus.anfragen, static_cast<int>(an.zeilen.size()));  // asked once per line
    EXPECT_EQ(ohneLogger->validate(eingabe), fall.code);
  }
  EXPECT_TRUE(aus.zeilen.empty());
  std::remove("&a.dtd");
  rmdir(ordner);
}

// Throws while the grammar is compiled.
class WerfenderResolver : public xercesc::EntityResolver {
 public:
  explicit WerfenderResolver(void (*wirf)()) : wirf_(wirf) {}
  xercesc::InputSource* resolveEntity(const XMLCh* const, const XMLCh* const) override {
    wirf_();
    return nullptr;
  }

 private:
  void (*wirf_)();
};

// A compilation that throws keeps nothing: the next call compiles again and
// succeeds. The failing call maps the exception as any validation does.
TEST(GeteilteGrammatikBibliothek, MisslungenesKompilierenWirdWiederholt) {
  const std::string dokument = muster("gueltig_abholung.xml");
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  const struct {
    void (*wirf)();
    int code;
    std::vector<std::string> zeilen;
  } kFaelle[] = {
      // A character outside Latin-9 turns the message into ASCII with '?'.
      {[] { throw xercesc::SAXParseException(u"Teilst\u00fcck \u0100 kaputt", u"", u"", 3, 4); },
       hostcode::kSchemaFehler,
       {validierungsZeile(
           "An error occurred in 'Eingabe XML-Daten'! Exception message: Teilst?ck ? kaputt")}},
      {[] { throw vesk::wex2::EntityResolverException("nein"); },
       hostcode::kEntityNichtAufloesbar,
       {validierungsZeile("nein")}},
      {[] { throw xercesc::OutOfMemoryException(); }, -1, {}},  // leaves as std::bad_alloc
  };
  for (const auto& fall : kFaelle) {
    GrammatikSpeicher grammatik(PLUGIN_NAMESPACE::kRootSchemaSystemId);
    WerfenderResolver werfend(fall.wirf);
    ZeilenLogger logger;
    int code = -1;
    try {
      code = validiere(dokument, grammatik, werfend, &logger);
    } catch (const std::bad_alloc& e) {
      EXPECT_STREQ(e.what(), "bad allocation");
    }
    EXPECT_EQ(code, fall.code);
    EXPECT_EQ(logger.zeilen, fall.zeilen);
    EXPECT_EQ(validiere(dokument, grammatik, *resolver, nullptr), 0);
  }
}

}  // namespace
}  // namespace dvtest
