// Lookup and substitutions of the plausibility texts, in-process.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "errortexts/FehlertextEintrag.h"
#include "errortexts/PlausiFehlertexte.h"

namespace vesk::divideVira {
namespace {

// Reference: the two replacements done literally one after the other, each
// continuing behind the text it inserted.
std::string ersetzeAlle(std::string s, const std::string& muster, const std::string& ersatz) {
  for (std::size_t pos = s.find(muster); pos != std::string::npos;
       pos = s.find(muster, pos + ersatz.size())) {
    s.replace(pos, muster.size(), ersatz);
  }
  return s;
}
std::string referenz(const char* text) {
  return ersetzeAlle(ersetzeAlle(text, "&quote;", "\""), "<br>", "\n");
}

TEST(PlausiErsetzung, FaelleAusHandrechnung) {
  struct Fall {
    const char* eingabe;
    const char* erwartet;
    const char* warum;
  };
  const Fall kFaelle[] = {
      {"", "", "empty stays empty"},
      {"ohne Markierung", "ohne Markierung", "nothing to replace"},
      {"&quote;", "\"", "whole text is one entity"},
      {"&quote;&quote;", "\"\"", "adjacent occurrences both replaced"},
      {"a &quote;b&quote; c", "a \"b\" c", "typical quoting"},
      {"&quote", "&quote", "entity without ';' is no match"},
      {"&Quote;", "&Quote;", "match is case-sensitive"},
      {"&&quote;;", "&\";", "'&' before and ';' after stay"},
      {"&quote;quote;", "\"quote;", "no rescan: tail after insertion is plain text"},
      {"<br>", "\n", "line break"},
      {"<br><br>", "\n\n", "adjacent line breaks"},
      {"<<br>br>>", "<\nbr>>", "no rescan: '<' before the insertion does not re-form <br>"},
      {"<br", "<br", "unfinished tag"},
      {"<BR>", "<BR>", "tag is case-sensitive"},
      {"&quote;<br>", "\"\n", "both kinds in one text"},
      {"<br&quote;>", "<br\">", "quote first: the inserted '\"' never completes <br>"},
      {"&quo<br>te;", "&quo\nte;", "<br> splits an entity, only the tag matches"},
      {"x&<y", "x&<y", "bare '&' and '<'"},
      {"Kz &quote;56&quote;<br>Zeile 3", "Kz \"56\"\nZeile 3", "mixed, in order"},
  };
  for (const auto& f : kFaelle) {
    EXPECT_EQ(ersetzeMarkierungen(f.eingabe), f.erwartet) << f.warum;
    EXPECT_EQ(ersetzeMarkierungen(f.eingabe), referenz(f.eingabe)) << f.warum;
  }
}

TEST(PlausiLookup, Grenzen) {
  struct Fall {
    int nummer;
    const char* erwartet;  // nullptr: present, text checked against the table below
    const char* warum;
  };
  const Fall kFaelle[] = {
      {INT_MIN, "", "smallest int"},
      {-1, "", "negative"},
      {0, "", "below the first code"},
      {1, "", "below the first code"},
      {2, "Speicheranforderung fehlgeschlagen bei Modul Plausibilitätsprüfung.", "first record"},
      {3, nullptr, "present by the table's promise"},
      {46,
       "Es wurde das Ankreuzfeld \"geh- u. stehbehindert\" gesetzt, bitte geben Sie hierzu "
       "auch den Grad der Behinderung (Kz 56) an (Stpfl./Ehemann).",
       "published row, quotes substituted"},
      {9991, "Wertlänge 0 ist nicht erlaubt.", "flag 1 answered like any other"},
      {8990999,
       "Fehler im übergebenen Datensatz (Vorsatz): Bei der Körperschaftsteuer sind nur "
       "die Vorgänge 01 und 04 gültig.",
       "last record"},
      {8991000, "", "above the last code"},
      {9999999, "", "above the last code"},
      {INT_MAX, "", "largest int"},
  };
  for (const auto& f : kFaelle) {
    std::string text = plausiFehlertext(f.nummer);
    if (f.erwartet != nullptr) {
      EXPECT_EQ(text, f.erwartet) << f.nummer << ": " << f.warum;
    } else {
      EXPECT_FALSE(text.empty()) << f.nummer << ": " << f.warum;
    }
    EXPECT_EQ(text.find("&quote;"), std::string::npos) << f.nummer;
  }
}

// Every record is found with its substituted text, and the numbers right next
// to a record that are not records themselves are absent.
TEST(PlausiLookup, JederEintragUndJedeNachbarluecke) {
  const FehlertextEintrag* t = PLAUSI_FEHLERTEXTE;
  const std::size_t n = PLAUSI_FEHLERTEXTE_ANZAHL;
  int luecken = 0;
  for (std::size_t i = 0; i < n; ++i) {
    ASSERT_EQ(plausiFehlertext(t[i].code), referenz(t[i].text)) << t[i].code;
    if (i + 1 == n || t[i + 1].code != t[i].code + 1) {
      ASSERT_EQ(plausiFehlertext(t[i].code + 1), "") << t[i].code + 1;
      ++luecken;
    }
    if (i == 0 || t[i - 1].code != t[i].code - 1) {
      ASSERT_EQ(plausiFehlertext(t[i].code - 1), "") << t[i].code - 1;
    }
  }
  EXPECT_GT(luecken, 100);  // the codes are not one dense run
}

}  // namespace
}  // namespace vesk::divideVira
