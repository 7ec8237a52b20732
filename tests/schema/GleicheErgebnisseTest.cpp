// The grammar compiled once and shared gives every document the code and the
// log lines that compiling it anew in the call gives. The expected codes follow
// from the result rules: a missing or wrong encoding wins over everything, then
// fatal errors, then errors.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/RuntimeException.hpp>

#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"
#include "schema/EntityResolverException.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"
#include "xml/XmlPlattform.h"

namespace dvtest {
namespace {

using PLUGIN_NAMESPACE::Kompilierung;
using vesk::util::xml::StrX;

struct Ergebnis {
  int code;
  std::vector<std::string> zeilen;
};

Ergebnis validiere(const std::string& dokument, PLUGIN_NAMESPACE::GrammatikSpeicher& grammatik,
                   Kompilierung kompilierung) {
  ZeilenLogger logger;
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  const int code = PLUGIN_NAMESPACE::validateXml(dokument.data(), dokument.size(), grammatik,
                                                 *resolver, &logger, kompilierung);
  return {code, logger.zeilen};
}

// text with the first occurrence of alt replaced.
std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
  const auto stelle = text.find(alt);
  if (stelle == std::string::npos) throw std::runtime_error("not in sample: " + alt);
  return text.replace(stelle, alt.size(), neu);
}

TEST(GeteilteGrammatik, GleicheCodesUndZeilenWieJeAufrufKompiliert) {
  const std::string est = muster("gueltig_est.xml");
  const auto geaendert = [&est](const std::string& alt, const std::string& neu) {
    return ersetzt(est, alt, neu);
  };
  const auto ohneDeklaration = [](const std::string& text) { return text.substr(text.find('\n')); };
  std::string tief, gross = est;
  for (int i = 0; i < 2001; ++i) tief = "<t>" + tief + "</t>";
  const std::string fall = est.substr(est.find("<Steuerfall>"),
                                      est.find("</Steuerfall>") + 13 - est.find("<Steuerfall>"));
  std::string faelle;
  while (faelle.size() < (10u << 20)) faelle += fall;
  gross.insert(gross.find("</Erklaerung>"), faelle);
  const struct {
    std::string name, dokument;
    int code;
  } kFaelle[] = {
      {"gueltig_abholung.xml", muster("gueltig_abholung.xml"), 0},
      {"gueltig_est.xml", est, 0},
      {"gueltig_ustva.xml", muster("gueltig_ustva.xml"), 0},
      {"gueltig_zwei_bloecke.xml", muster("gueltig_zwei_bloecke.xml"), 0},
      {"ungueltig_encoding_utf8.xml", muster("ungueltig_encoding_utf8.xml"), 610301108},
      {"ungueltig_externe_entitaet.xml", muster("ungueltig_externe_entitaet.xml"), 610301201},
      {"ungueltig_nicht_wohlgeformt.xml", muster("ungueltig_nicht_wohlgeformt.xml"), 610301006},
      {"ungueltig_ohne_praeambel.xml", muster("ungueltig_ohne_praeambel.xml"), 610301108},
      {"ungueltig_schemafehler.xml", muster("ungueltig_schemafehler.xml"), 610301200},
      {"ungueltig_zu_tief.xml", muster("ungueltig_zu_tief.xml"), 610301200},
      {"ohne Deklaration", ohneDeklaration(est), 610301108},
      {"UTF-8", geaendert("ISO-8859-15", "UTF-8"), 610301108},
      {"klein geschrieben", geaendert("ISO-8859-15", "iso-8859-15"), 0},
      {"abgeschnitten", est.substr(0, est.size() / 2), 610301006},
      {"unbekannte Wurzel", ersetzt(geaendert("<Arbel ", "<Arbeit "), "</Arbel>", "</Arbeit>"), 610301200},
      {"falsche Kopfversion", geaendert("version=\"8\"", "version=\"9\""), 610301200},
      {"Pflichtelement fehlt", geaendert("<Vorgang>send-Sig</Vorgang>", ""), 610301200},
      {"unbekanntes Element", geaendert("<Testmerker>", "<Neu/><Testmerker>"), 610301200},
      {"interne DTD", geaendert("<Arbel ", "<!DOCTYPE Arbel [<!ENTITY e \"x\">]><Arbel "),
       610301006},
      {"externe DTD", geaendert("<Arbel ", "<!DOCTYPE Arbel SYSTEM \"arbel.dtd\"><Arbel "),
       610301201},
      {"zu tief", geaendert("<Bemerkung>", tief + "<Bemerkung>"), 610301200},
      {"zu tief ohne Deklaration", ohneDeklaration(geaendert("<Bemerkung>", tief + "<Bemerkung>")),
       610301108},
      {"10 MB", gross, 0},
  };
  PLUGIN_NAMESPACE::GrammatikSpeicher grammatik(PLUGIN_NAMESPACE::kRootSchemaSystemId);
  for (const auto& fall : kFaelle) {
    SCOPED_TRACE(fall.name);
    const Ergebnis jeAufruf = validiere(fall.dokument, grammatik, Kompilierung::jeAufruf);
    const Ergebnis einmal = validiere(fall.dokument, grammatik, Kompilierung::einmal);
    EXPECT_EQ(jeAufruf.code, fall.code);
    EXPECT_EQ(einmal.code, jeAufruf.code);
    EXPECT_EQ(einmal.zeilen, jeAufruf.zeilen);
  }
}

// Throws while the grammar is compiled or the document read.
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

// A compilation that throws keeps nothing: the next call compiles again and
// succeeds. The first call maps the exception as in any validation.
TEST(GeteilteGrammatik, MisslungenesKompilierenWirdWiederholt) {
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
      {[] { throw vesk::wex2::EntityResolverException("nein"); }, 610301201,
       validierungsZeile("nein")},
      {[] { throw xercesc::OutOfMemoryException(); }, -1, ""},  // leaves as std::bad_alloc
  };
  const std::string dokument = muster("gueltig_abholung.xml");
  for (const auto& fall : kFaelle) {
    SCOPED_TRACE(fall.zeile);
    PLUGIN_NAMESPACE::GrammatikSpeicher grammatik(PLUGIN_NAMESPACE::kRootSchemaSystemId);
    WerfenderResolver werfend(fall.wirf);
    ZeilenLogger logger;
    int code = -1;
    try {
      code = PLUGIN_NAMESPACE::validateXml(dokument.data(), dokument.size(), grammatik, werfend,
                                           &logger);
    } catch (const std::bad_alloc& e) {
      EXPECT_STREQ(e.what(), "bad allocation");
    }
    EXPECT_EQ(code, fall.code);
    EXPECT_EQ(logger.zeilen, fall.zeile.empty() ? std::vector<std::string>{}
                                                : std::vector<std::string>{fall.zeile});
    EXPECT_EQ(validiere(dokument, grammatik, Kompilierung::einmal).code, 0);
  }
}

}  // namespace
}  // namespace dvtest
