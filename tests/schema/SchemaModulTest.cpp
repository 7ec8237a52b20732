// The schema validation service through the loaded module: result code and
// every log line for the samples and for documents built here, and the same
// code with a disabled logger and with none.

#include "support/ModulTest.h"
#include "tests/schema/SchemaTestHilfen.h"

namespace dvtest {
namespace {

// The module sets the parser library up once and never tears it down; keeping
// the module mapped after the fixture's dlclose lets LeakSanitizer still reach
// that state instead of reporting it.
using SchemaValidationService = ModulTest;
using dvhost::TextEingabe;

const std::string kDeklaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n";

// A valid sample on one line after the given declaration.
std::string mitDeklaration(const std::string& deklaration) {
  const std::string text = muster("gueltig_abholung.xml");
  return deklaration + text.substr(text.find('\n') + 1);
}

// Positions are computed from the document text (just past the offending tag)
// or counted by hand; the messages are the parser library's wording.
TEST_F(SchemaValidationService, CodesUndZeilen) {
  const std::string ohnePraeambel = muster("ungueltig_ohne_praeambel.xml");
  const std::string schemafehler = muster("ungueltig_schemafehler.xml");
  const struct {
    std::string name, dokument;
    int code;
    std::vector<std::string> zeilen;
  } kFaelle[] = {
      // Different operations, payloads, prefixes, optional parts and version spellings.
      {"gueltig_abholung.xml", muster("gueltig_abholung.xml"), 0, {}},
      {"gueltig_est.xml", muster("gueltig_est.xml"), 0, {}},
      {"gueltig_ustva.xml", muster("gueltig_ustva.xml"), 0, {}},
      {"gueltig_zwei_bloecke.xml", muster("gueltig_zwei_bloecke.xml"), 0, {}},
      {"ungueltig_encoding_utf8.xml",
       muster("ungueltig_encoding_utf8.xml"),
       610301108,
       {kFalschesEncoding}},
      // The missing declaration wins over the validation error reported before it.
      {"ungueltig_ohne_praeambel.xml",
       ohnePraeambel,
       610301108,
       {berichtZeile(positionNach(ohnePraeambel, "Unbekannt</DatenArt>"),
                     "value 'Unbekannt' not in enumeration"),
        kOhnePraeambel}},
      {"ungueltig_schemafehler.xml",
       schemafehler,
       610301200,
       {berichtZeile(positionNach(schemafehler, "ESt_2030</DatenArt>"),
                     "value 'ESt_2030' not in enumeration"),
        berichtZeile(positionNach(schemafehler, "<Empfaenger id=\"F\">"),
                     "attribute 'id' has value 'F' that does not match its #FIXED value 'L'"),
        berichtZeile(positionNach(schemafehler, "XX</Ziel>"), "value 'XX' not in enumeration"),
        berichtZeile(positionNach(schemafehler, "4021</HerstellerID>"),
                     "value '4021' does not match regular expression facet '[0-9]{5}'")}},
      // An element left open: the parser stops at the name of the next end tag
      // (line 88 "          </Steuerfall>", column 13).
      {"ungueltig_nicht_wohlgeformt.xml",
       muster("ungueltig_nicht_wohlgeformt.xml"),
       610301006,
       {berichtZeile("Zeile 88 in Spalte 13", "expected end of tag 'Offen'")}},
      // Skipped payload nested past the depth cap.
      {"ungueltig_zu_tief.xml", muster("ungueltig_zu_tief.xml"), 610301200, {kTieferAls2000}},
      {"ungueltig_externe_entitaet.xml",
       muster("ungueltig_externe_entitaet.xml"),
       610301201,
       {validierungsZeile(
           "Entity 'http://127.0.0.1:9/arbel.dtd' konnte nicht aufgeloest werden.")}},
      {"ohne Encoding", mitDeklaration("<?xml version=\"1.0\"?>"), 610301108, {kOhnePraeambel}},
      // Blanks inside the quotes are no encoding name to the parser: it stops
      // before announcing the declaration.
      {"Encoding mit Blank",
       mitDeklaration("<?xml version=\"1.0\" encoding=\" ISO-8859-15\"?>"),
       610301108,
       {berichtZeile("Zeile 1 in Spalte 44", "invalid XML encoding declaration ' ISO-8859-15'"),
        kOhnePraeambel}},
      // The missing declaration wins over fatal errors too.
      {"ohne Deklaration, fatal",
       "<a>",
       610301108,
       {berichtZeile("Zeile 1 in Spalte 4", "no declaration found for element 'a'"),
        berichtZeile("Zeile 1 in Spalte 4",
                     "input ended before all started tags were ended; last tag started is 'a'"),
        kOhnePraeambel}},
      // A wrong encoding ends the parse at once: nothing after it is reported.
      {"UTF-8, fatal",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>",
       610301108,
       {kFalschesEncoding}},
      {"nicht wohlgeformt",
       kDeklaration + "<a></b>",
       610301006,
       {berichtZeile("Zeile 2 in Spalte 4", "no declaration found for element 'a'"),
        berichtZeile("Zeile 2 in Spalte 6", "expected end of tag 'a'")}},
  };
  ZeilenLogger an, aus(false);
  auto mitLogger = modul().schemaValidationService(&an);
  auto abgeschaltet = modul().schemaValidationService(&aus);
  auto ohneLogger = modul().schemaValidationService();
  for (const auto& fall : kFaelle) {
    SCOPED_TRACE(fall.name);
    an.zeilen.clear();
    aus.anfragen = 0;
    TextEingabe eingabe(fall.dokument);
    EXPECT_EQ(mitLogger->validate(eingabe), fall.code);
    EXPECT_EQ(an.zeilen, fall.zeilen);
    EXPECT_EQ(abgeschaltet->validate(eingabe), fall.code);
    EXPECT_EQ(aus.anfragen, static_cast<int>(fall.zeilen.size()));  // asked once per line
    EXPECT_EQ(ohneLogger->validate(eingabe), fall.code);
  }
  EXPECT_TRUE(aus.zeilen.empty());

  int zerstoert = 0;
  auto* kontext = new ZaehlenderKontext(zerstoert);
  auto dienst = modul().schemaValidationService(nullptr, kontext);
  EXPECT_EQ(dienst->getContext(), kontext);
  EXPECT_EQ(
      static_cast<const vesk::plugin2::iface::ISchemaValidationService&>(*dienst).getContext(),
      kontext);
}

}  // namespace
}  // namespace dvtest
