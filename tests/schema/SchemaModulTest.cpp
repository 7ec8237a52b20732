// The schema validation service through the loaded module: result code and
// every log line, and the same code with a disabled logger and with none.
#include "support/ModulTest.h"
#include "tests/schema/SchemaTestHilfen.h"

namespace dvtest {
namespace {

using SchemaValidationService = ModulTest;
using dvhost::TextEingabe;

// Positions are computed from the document text (just past the offending tag)
// or counted by hand; the messages are the parser library's wording.
TEST_F(SchemaValidationService, CodesUndZeilen) {
  const std::string ohnePraeambel = muster("ungueltig_ohne_praeambel.xml");
  const std::string schemafehler = muster("ungueltig_schemafehler.xml");
  const std::string tief = muster("ungueltig_zu_tief.xml");
  const std::string kTiefe = validierungsZeile(
      "An error occurred in 'Eingabe XML-Daten'! Exception message: "
      "Elemente sind tiefer als 2000 Ebenen verschachtelt");
  const struct {
    std::string name, dokument;
    int code;
    std::vector<std::string> zeilen;
  } kFaelle[] = {
      {"gueltig_est.xml", muster("gueltig_est.xml"), 0, {}},
      {"ungueltig_encoding_utf8.xml", muster("ungueltig_encoding_utf8.xml"), 610301108,
       {kFalschesEncoding}},
      // The missing declaration wins over the validation error reported before it.
      {"ungueltig_ohne_praeambel.xml", ohnePraeambel, 610301108,
       {berichtZeile(positionNach(ohnePraeambel, "Unbekannt</DatenArt>"),
                     "value 'Unbekannt' not in enumeration"),
        kOhnePraeambel}},
      {"ungueltig_schemafehler.xml", schemafehler, 610301200,
       {berichtZeile(positionNach(schemafehler, "ESt_2030</DatenArt>"),
                     "value 'ESt_2030' not in enumeration"),
        berichtZeile(positionNach(schemafehler, "<Empfaenger id=\"F\">"),
                     "attribute 'id' has value 'F' that does not match its #FIXED value 'L'"),
        berichtZeile(positionNach(schemafehler, "XX</Ziel>"), "value 'XX' not in enumeration"),
        berichtZeile(positionNach(schemafehler, "4021</HerstellerID>"),
                     "value '4021' does not match regular expression facet '[0-9]{5}'")}},
      // An element left open: the parser stops at the name of the next end tag
      // (line 88 "          </Steuerfall>", column 13).
      {"ungueltig_nicht_wohlgeformt.xml", muster("ungueltig_nicht_wohlgeformt.xml"), 610301006,
       {berichtZeile("Zeile 88 in Spalte 13", "expected end of tag 'Offen'")}},
      {"ungueltig_zu_tief.xml", tief, 610301200, {kTiefe}},
      // ... and without its declaration the encoding rule wins over the depth bound too.
      {"zu tief, ohne Deklaration", tief.substr(tief.find('\n')), 610301108,
       {kTiefe, kOhnePraeambel}},
      {"ungueltig_externe_entitaet.xml", muster("ungueltig_externe_entitaet.xml"), 610301201,
       {validierungsZeile(
           "Entity 'http://127.0.0.1:9/arbel.dtd' konnte nicht aufgeloest werden.")}},
      // The missing declaration wins over fatal errors.
      {"ohne Deklaration, fatal", "<a>", 610301108,
       {berichtZeile("Zeile 1 in Spalte 4", "no declaration found for element 'a'"),
        berichtZeile("Zeile 1 in Spalte 4",
                     "input ended before all started tags were ended; last tag started is 'a'"),
        kOhnePraeambel}},
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
}

}  // namespace
}  // namespace dvtest
