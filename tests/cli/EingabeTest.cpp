// dvhost's input handling without a process: the bounded line reader over a file, the forms
// of pruefe auto, and file names in JSON. Expected values are worked out by hand from the
// documented rules (limits, character classes, UTF-8 well-formedness).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli/Json.h"
#include "cli/Wertart.h"
#include "cli/Zeilenleser.h"

namespace dvhost {
namespace {

using namespace std::string_literals;
using E = Zeilenleser::Ergebnis;
constexpr std::size_t kMax = Zeilenleser::kMaxZeile;

struct Zeile {
  E ergebnis;
  std::string text;  // for kZuLang: the stored first bytes
  std::size_t nummer;
};

// Reads eingabe through a Zeilenleser until the end, a NUL byte or an error.
std::vector<Zeile> lies(const std::string& eingabe) {
  std::FILE* datei = std::tmpfile();
  std::fwrite(eingabe.data(), 1, eingabe.size(), datei);
  std::fflush(datei);
  std::rewind(datei);
  Zeilenleser leser(fileno(datei));
  std::vector<Zeile> zeilen;
  std::string text;
  for (;;) {
    const E e = leser.naechste(text);
    if (e == E::kEnde) break;
    zeilen.push_back({e, text, leser.zeilennummer()});
    if (e != E::kZeile && e != E::kZuLang) break;
  }
  std::fclose(datei);
  return zeilen;
}

TEST(Zeilenleser, ZeilenGrenzenUndNulBytes) {
  const std::string voll(kMax, 'a'), ueber(kMax + 1, 'b'), riesig(3 * kMax + 7, 'c');
  const struct {
    const char* name;
    std::string eingabe;
    std::vector<Zeile> erwartet;
  } faelle[] = {
      {"leer", "", {}},
      {"ohne_lf_am_ende", "x\ny", {{E::kZeile, "x", 1}, {E::kZeile, "y", 2}}},
      {"leere_zeilen", "\n\n", {{E::kZeile, "", 1}, {E::kZeile, "", 2}}},
      {"cr_bleibt", "a\r\n", {{E::kZeile, "a\r", 1}}},
      {"genau_die_grenze", voll + "\nz\n", {{E::kZeile, voll, 1}, {E::kZeile, "z", 2}}},
      {"ein_byte_zu_viel",
       ueber + "\nz\n",
       {{E::kZuLang, std::string(kMax, 'b'), 1}, {E::kZeile, "z", 2}}},
      // Longer than the read buffer: the rest spans several reads and is read past.
      {"ueber_mehrere_puffer",
       riesig + "\nz",
       {{E::kZuLang, std::string(kMax, 'c'), 1}, {E::kZeile, "z", 2}}},
      {"zu_lang_am_ende", ueber, {{E::kZuLang, std::string(kMax, 'b'), 1}}},
      {"nul_in_zeile_zwei", "a\nb\0c\nd\n"s, {{E::kZeile, "a", 1}, {E::kNulByte, "", 2}}},
      // A NUL byte in the part of an overlong line that is read past still ends the input.
      {"nul_im_ueberlesenen_rest", ueber + std::string(1, '\0') + "\nz\n", {{E::kNulByte, "", 1}}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const auto zeilen = lies(fall.eingabe);
    ASSERT_EQ(zeilen.size(), fall.erwartet.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      EXPECT_EQ(zeilen[i].ergebnis, fall.erwartet[i].ergebnis) << i;
      EXPECT_EQ(zeilen[i].nummer, fall.erwartet[i].nummer) << i;
      if (zeilen[i].ergebnis != E::kNulByte) {
        EXPECT_EQ(zeilen[i].text, fall.erwartet[i].text);
      }
    }
  }
}

TEST(Wertart, FormenAnIhrenGrenzen) {
  using W = Wertart;
  const struct {
    const char* wert;
    std::vector<W> arten;
  } faelle[] = {
      {"DE89370400440532013000", {W::kIBAN}},
      {"NO9386011117947", {W::kIBAN}},                     // 15 characters, the shortest
      {"NO938601111794", {W::kUStIdNr}},                   // 14: too short for an IBAN
      {"LC55HEMM000100010012001200023015", {W::kIBAN}},    // 32
      {"XX12345678901234567890123456789012", {W::kIBAN}},  // 34, the longest
      {"XX123456789012345678901234567890123", {}},         // 35
      {"DE8937040044053201300a", {}},                      // lower case
      {"DEUTDEFF", {W::kBIC}},                             // no digit: no VAT form
      {"DEUTDEFF500", {W::kBIC, W::kUStIdNr}},
      {"DEUTDE55", {W::kBIC, W::kUStIdNr}},
      {"DEUTDEFF5", {W::kUStIdNr}},  // 9 characters: no BIC
      {"DEU1DEFF", {W::kUStIdNr}},   // digit among the first six
      {"86095742719", {W::kIdNr}},
      {"1127012345673", {W::kSteuernummer}},
      {"112701234567", {}},  // 12 digits
      {"DE136695976", {W::kUStIdNr}},
      {"DE12", {W::kUStIdNr}},  // 2 after the country
      {"DE1", {}},
      {"ATU13585627", {W::kUStIdNr}},
      {"", {}},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(formPasstZu(fall.wert), fall.arten) << fall.wert;
  }
}

TEST(JsonDatei, BytesOhneUtf8WerdenSurrogate) {
  const std::pair<std::string, std::string> faelle[] = {
      {"Erkl\xC3\xA4rung.xml", "Erkl\xC3\xA4rung.xml"},      // UTF-8 stays
      {"Erkl\xE4rung.xml", "Erkl\\udce4rung.xml"},           // Latin-1 a-umlaut
      {"\xC0\xAF", "\\udcc0\\udcaf"},                        // overlong slash
      {"\xED\xA0\x80", "\\udced\\udca0\\udc80"},             // encoded surrogate
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},              // four bytes, U+1F600
      {"\xF4\x90\x80\x80", "\\udcf4\\udc90\\udc80\\udc80"},  // above U+10FFFF
      {"a\xE2\x82", "a\\udce2\\udc82"},                      // cut off at the end
      {"a\"b\x01", "a\\\"b\\u0001"},                         // JSON escapes as usual
  };
  for (const auto& [name, json] : faelle) {
    EXPECT_EQ(JsonObjekt().datei("datei", name).str(), "{\"datei\": \"" + json + "\"}") << json;
  }
}

}  // namespace
}  // namespace dvhost
