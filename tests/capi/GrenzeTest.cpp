// What every entry point does at its edge: UTF-8 in, misuse codes, buffers, static texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "capi/Grenze.h"
#include "dividevira/dividevira.h"

namespace {

TEST(Grenze, Utf8NachLatin9) {
  // Expected bytes by hand from the ISO-8859-15 code chart.
  const struct {
    std::string utf8;
    bool gueltig;
    std::string latin9;
  } faelle[] = {
      {"", true, ""},
      {"DE89", true, "DE89"},
      {std::string("a\0b", 3), true, std::string("a\0b", 3)},
      {u8"\u00FC\u00DF\u00FF", true, "\xFC\xDF\xFF"},  // ü ß ÿ: same place as Latin-1
      // The eight signs ISO-8859-15 puts where Latin-1 has others.
      {u8"\u20AC\u0160\u0161\u017D\u017E\u0152\u0153\u0178", true,
       "\xA4\xA6\xA8\xB4\xB8\xBC\xBD\xBE"},
      {u8"\u00A4", false, ""},  // the Latin-1 currency sign that the euro replaced
      {u8"\u00BD", false, ""},  // one half, replaced by oe
      {u8"\u0100", false, ""},  // first code point beyond both
      {u8"\U0001F600", false, ""},
      {"\xC0\xAF", false, ""},          // overlong '/'
      {"\xE0\x80\xAF", false, ""},      // overlong in three bytes
      {"\xF0\x80\x80\xAF", false, ""},  // overlong in four bytes
      {"\xED\xA0\x80", false, ""},      // surrogate U+D800
      {"\xED\xBF\xBF", false, ""},      // surrogate U+DFFF
      {"\xF4\x90\x80\x80", false, ""},  // U+110000
      {"\xF8\x88\x80\x80\x80", false, ""},
      {"\x80", false, ""},   // continuation byte without lead
      {"a\xC3", false, ""},  // cut sequence at the end
      {"\xC3(", false, ""},  // lead byte followed by no continuation
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(testing::PrintToString(fall.utf8));
    std::string latin9 = "alt";
    ASSERT_EQ(dividevira::utf8AlsLatin9(fall.utf8, latin9), fall.gueltig);
    if (!fall.gueltig) continue;
    EXPECT_EQ(latin9, fall.latin9);
    EXPECT_EQ(dividevira::latin9AlsUtf8(latin9), fall.utf8);
  }
  // Every ISO-8859-15 byte survives the way there and back.
  std::string alle, zurueck;
  for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
  ASSERT_TRUE(dividevira::utf8AlsLatin9(dividevira::latin9AlsUtf8(alle), zurueck));
  EXPECT_EQ(zurueck, alle);
}

TEST(Grenze, Missbrauch) {
  const std::string iban = "DE89370400440532013000";
  char ziel[64];
  const char* felder[DV_FINANZAMT_FELDANZAHL];
  EXPECT_EQ(dv_pruefe(nullptr, "x", 1), DV_FEHLER_NULL);
  EXPECT_EQ(dv_pruefe("IBAN", nullptr, 0), DV_FEHLER_NULL);
  EXPECT_EQ(dv_pruefe("iban", iban.data(), iban.size()), DV_FEHLER_TYP);  // names are exact
  EXPECT_EQ(dv_pruefe("", iban.data(), iban.size()), DV_FEHLER_TYP);
  EXPECT_EQ(dv_pruefe("IBAN", "\xC3", 1), DV_FEHLER_ZEICHEN);
  EXPECT_EQ(dv_pruefe_text("IBAN", iban.data(), iban.size(), nullptr, 0, nullptr, 9),
            DV_FEHLER_NULL);
  EXPECT_EQ(dv_pruefe_text("IBAN", iban.data(), iban.size(), "\xFF", 0, ziel, sizeof ziel),
            DV_FEHLER_ZEICHEN);
  EXPECT_EQ(dv_steuernummer_bund(nullptr, 0, "11", nullptr, ziel, sizeof ziel), DV_FEHLER_NULL);
  EXPECT_EQ(dv_steuernummer_bund("27/123/45673", 12, "1\xC3", nullptr, ziel, sizeof ziel),
            DV_FEHLER_ZEICHEN);
  EXPECT_EQ(dv_steuernummer_land("1127012345673", 13, nullptr, 64), DV_FEHLER_NULL);
  EXPECT_EQ(dv_steuernummer_pruefen(nullptr, 13), DV_FEHLER_NULL);
  EXPECT_EQ(dv_finanzamt(2801, nullptr), DV_FEHLER_NULL);
  EXPECT_EQ(dv_finanzamt(-1, felder), DV_FEHLER_NICHT_GEFUNDEN);
  EXPECT_EQ(dv_finanzamtsliste(28, nullptr, 1), DV_FEHLER_NULL);
  EXPECT_EQ(dv_finanzamtsliste(54, nullptr, 0), DV_FEHLER_NICHT_GEFUNDEN);  // no list
  EXPECT_EQ(dv_verzeichnishinweis("IBAN", "1", 1, ziel, sizeof ziel), DV_FEHLER_TYP);
  EXPECT_EQ(dv_verzeichnishinweis(nullptr, "1", 1, ziel, sizeof ziel), DV_FEHLER_NULL);
  EXPECT_EQ(dv_meldung(nullptr, 601), nullptr);
  EXPECT_EQ(dv_meldung("IBAN", 0), nullptr);
  EXPECT_EQ(dv_meldung("IBAN", 605), nullptr);  // outside the IBAN codes
  EXPECT_EQ(dv_meldung("IBAN", -3), nullptr);
  EXPECT_EQ(dv_text(610001003), nullptr);  // between two codes
  int codes[2];
  EXPECT_EQ(dv_feldtyp_codes(nullptr, codes, 2), DV_FEHLER_NULL);
  EXPECT_EQ(dv_feldtyp_codes("iban", codes, 2), DV_FEHLER_TYP);
  EXPECT_EQ(dv_feldtyp_codes("IBAN", nullptr, 1), DV_FEHLER_NULL);
  EXPECT_EQ(dv_finanzamt_feldname(-1), nullptr);
  EXPECT_EQ(dv_finanzamt_feldname(DV_FINANZAMT_FELDANZAHL), nullptr);
  EXPECT_STREQ(dv_finanzamt_feldname(DV_FINANZAMT_FELDANZAHL - 1), "BezugText");
}

// The codes of a type come back whole or cut to the caller's room, the total either way:
// IBAN's four (structure, country, country format, check digits) from its verifier's table.
TEST(Grenze, FeldtypCodes) {
  int codes[4] = {-1, -1, -1, -1};
  EXPECT_EQ(dv_feldtyp_codes("IBAN", nullptr, 0), 4);
  EXPECT_EQ(dv_feldtyp_codes("IBAN", codes, 2), 4);
  EXPECT_EQ(codes[2], -1);  // nothing written past the room given
  EXPECT_EQ(dv_feldtyp_codes("IBAN", codes, 4), 4);
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      EXPECT_LT(codes[i - 1], codes[i]);
    }
    EXPECT_NE(dv_meldung("IBAN", codes[i]), nullptr) << codes[i];
  }
  EXPECT_EQ(dv_feldtyp_codes("EMail", codes, 4), 1);
}

TEST(Grenze, LaengeUndPuffer) {
  // 4,096 bytes are checked (and fail as IBAN), one more is refused before any check.
  const std::string lang(DV_MAX_LAENGE, 'A');
  EXPECT_EQ(dv_pruefe("IBAN", lang.data(), lang.size()), 601);
  EXPECT_EQ(dv_pruefe("IBAN", lang.data(), lang.size() + 1), DV_FEHLER_LAENGE);
  // "1127012345673" is 27/123/45673 in Berlin's notation (12 characters + NUL).
  char ziel[13];
  EXPECT_EQ(dv_steuernummer_land("1127012345673", 13, ziel, 13), 0);
  EXPECT_STREQ(ziel, "27/123/45673");
  std::strcpy(ziel, "alt");
  EXPECT_EQ(dv_steuernummer_land("1127012345673", 13, ziel, 12), DV_FEHLER_PUFFER);
  EXPECT_STREQ(ziel, "");
  EXPECT_EQ(dv_steuernummer_land("1127012345673", 13, ziel, 0), DV_FEHLER_PUFFER);
  EXPECT_EQ(dv_steuernummer_bund("27/123/45673", 12, "11", nullptr, ziel, 13), DV_FEHLER_PUFFER);
  // A failure leaves the empty text, not the input.
  EXPECT_EQ(dv_steuernummer_land("1127012345674", 13, ziel, sizeof ziel), 610001034);
  EXPECT_STREQ(ziel, "");
  // A value with an embedded NUL is checked whole: not a valid IBAN.
  const char mitNul[] = "DE89370400440532013000\0";
  EXPECT_EQ(dv_pruefe("IBAN", mitNul, sizeof mitNul - 1), 601);
  EXPECT_EQ(dv_pruefe("IBAN", mitNul, sizeof mitNul - 2), 0);
  // The message buffer: too small gives the misuse code, one byte more the message.
  char meldung[DV_MELDUNG_MAX];
  const int code = dv_pruefe_text("IDNr", "1", 1, nullptr, 0, meldung, sizeof meldung);
  ASSERT_EQ(code, 703);
  const std::size_t n = std::strlen(meldung);
  EXPECT_EQ(dv_pruefe_text("IDNr", "1", 1, nullptr, 0, meldung, n), DV_FEHLER_PUFFER);
  EXPECT_EQ(dv_pruefe_text("IDNr", "1", 1, nullptr, 0, meldung, n + 1), 703);
}

TEST(Grenze, TexteUndMeldungen) {
  // Texts of the host table and the lookups, the field named by its type or the caller.
  EXPECT_STREQ(dv_text(610001034), u8"Ungültige Steuernummer.");
  EXPECT_STREQ(dv_meldung("IBAN", 604),
               u8"Feld 'IBAN': Ungültige IBAN: Die Prüfziffernberechnung zur angegebenen IBAN "
               u8"führt zu einer abweichenden Prüfziffer.");
  // Keys with one text for every code.
  EXPECT_STREQ(dv_meldung("Steuernummer", 12345),
               u8"Feld 'Steuernummer': Sie haben eine ungültige Steuernummer angegeben.");
  EXPECT_EQ(dv_meldung("IDNr", 701), dv_meldung("IDNr", 704));  // one static text
  char meldung[DV_MELDUNG_MAX];
  EXPECT_EQ(
      dv_pruefe_text("DATUM_TTMMJJ", "31.02.01", 8, "Geburtsdatum", 0, meldung, sizeof meldung),
      401);
  EXPECT_STREQ(meldung,
               u8"Das Datum im Feld 'Geburtsdatum' ist nicht gültig. (Erforderliches "
               u8"Format: TT.MM.JJ).");
  EXPECT_EQ(dv_pruefe_text("IDNr", "02345678901", 11, nullptr, 0, meldung, sizeof meldung), 0);
  EXPECT_STREQ(meldung,
               u8"Feld 'IDNr' ist eine Test-Identifikationsnummer und nur für den "
               u8"Testbetrieb zugelassen.");
  // Without definitions every Land abbreviation passes.
  EXPECT_EQ(dv_pruefe("Laenderkuerzel", "XX", 2), 801);
  EXPECT_EQ(dv_pruefe_text("Laenderkuerzel", "XX", 2, nullptr, DV_OHNE_DEFINITIONEN, meldung,
                           sizeof meldung),
            0);
  EXPECT_STREQ(meldung, "");
  EXPECT_STREQ(dv_version(), "21.5.4");
}

}  // namespace
