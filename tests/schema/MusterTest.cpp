// The sample transfer documents in schema/samples/: result code and every log line.
#include <gtest/gtest.h>

#include "tests/schema/SchemaTestHilfen.h"

namespace {

using namespace dvtest;

TEST(Muster, GueltigeDokumente) {
  // Different operations, payloads, prefixes, optional parts and version spellings.
  for (const char* name : {"gueltig_abholung.xml", "gueltig_est.xml", "gueltig_ustva.xml",
                           "gueltig_zwei_bloecke.xml"}) {
    SCOPED_TRACE(name);
    const auto ergebnis = validiere(muster(name));
    EXPECT_EQ(ergebnis.code, 0);
    EXPECT_TRUE(ergebnis.zeilen.empty()) << ergebnis.zeilen.front();
  }
}

// Positions are computed from the sample text (just past the offending tag);
// the messages are the parser library's wording.
TEST(Muster, UngueltigeDokumenteJeFehlerklasse) {
  const std::string ohnePraeambel = muster("ungueltig_ohne_praeambel.xml");
  const std::string schemafehler = muster("ungueltig_schemafehler.xml");
  const struct {
    const char* name;
    int code;
    std::vector<std::string> zeilen;
  } FAELLE[] = {
      {"ungueltig_encoding_utf8.xml", 610301108, {kFalschesEncoding}},
      // The missing declaration wins over the validation error reported before it.
      {"ungueltig_ohne_praeambel.xml",
       610301108,
       {berichtZeile(positionNach(ohnePraeambel, "Unbekannt</DatenArt>"),
                     "value 'Unbekannt' not in enumeration"),
        kOhnePraeambel}},
      {"ungueltig_schemafehler.xml",
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
       610301006,
       {berichtZeile("Zeile 88 in Spalte 13", "expected end of tag 'Offen'")}},
      // Skipped payload nested past the depth cap: the parse ends with an exception.
      {"ungueltig_zu_tief.xml",
       610301200,
       {validierungsZeile("An error occurred in 'Eingabe XML-Daten'! Exception message: "
                          "Elemente sind tiefer als 2000 Ebenen verschachtelt")}},
      {"ungueltig_externe_entitaet.xml",
       610301201,
       {validierungsZeile(
           "Entity 'http://127.0.0.1:9/arbel.dtd' konnte nicht aufgeloest werden.")}},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.name);
    const auto ergebnis = validiere(muster(fall.name));
    EXPECT_EQ(ergebnis.code, fall.code);
    EXPECT_EQ(ergebnis.zeilen, fall.zeilen);
  }
}

}  // namespace
