// The module exports no field-type check, but its checks all run through the rules
// library's dispatcher, whose verifiers are shared singletons with caches (compiled
// patterns, the VAT validator registry). Here eight threads run all eleven types and the
// tax number conversions through that dispatcher from the first use on, against the
// answers of a single-threaded run in a child process.
//
// The only test of its binary: the process must not have used the library before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "concurrency/Eingaben.h"
#include "concurrency/Gleichzeitig.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace dvtest {
namespace {

using vesk::divideVira::FinanzamtsdatenService;

constexpr std::size_t kThreads = 8;

std::vector<std::string> datumsTexte() {
  std::vector<std::string> texte = {"",         "1.1.04",   "29.02.04", "29.02.01",
                                    "31.04.10", "32.01.10", "00.01.10", "01.00.10",
                                    "01.13.10", "01.01.1O", "01-01-10"};
  for (int monat = 0; monat <= 13; ++monat) {
    for (int jahr : {0, 4, 49, 50, 99}) {
      char mmjj[8];
      std::snprintf(mmjj, sizeof mmjj, "%02d.%02d", monat, jahr);
      texte.push_back(mmjj);
      texte.push_back(std::string("28.") + mmjj);
    }
  }
  return texte;
}

std::vector<std::string> kuerzel() {
  std::vector<std::string> texte = {"", "B", "BYY", "by"};
  for (char x = 'A'; x <= 'Z'; ++x) {
    for (char y = 'A'; y <= 'Z'; ++y) texte.push_back({x, y});
  }
  return texte;
}

std::vector<std::string> bundesnummern() {
  std::vector<std::string> texte = {"", "0000", "12345", "abcd", "9116080000000", "911608000000"};
  for (int amt : aemter()) texte.push_back(std::to_string(amt));
  for (char p = '0'; p <= '9'; ++p) texte.push_back(std::string("911608123456") + p);
  return texte;
}

std::vector<Aufgabe> feldtypAufgaben(FinanzamtsdatenService& dienst) {
  const std::pair<const char*, std::vector<std::string>> typen[] = {
      {"Steuernummer", steuernummern()},
      {"Bundessteuernummer", bundesnummern()},
      {"Bundesfinanzamtsnummer", bundesnummern()},
      {"Laenderkuerzel", kuerzel()},
      {"IDNr", idNummern()},
      {"UStIdNr", ustIdNummern()},
      {"IBAN", ibans()},
      {"BIC", bics()},
      {"EMail",
       {"", "a@b.de", "max.mustermann@example.de", "x@localhost", "@example.de", "a@@b.de",
        "a b@c.de", "a@b", "\xE4@b.de", "a.@b.de"}},
      {"DATUM_MMJJ", datumsTexte()},
      {"DATUM_TTMMJJ", datumsTexte()},
  };
  std::vector<Aufgabe> aufgaben;
  for (const auto& [typ, werte] : typen) {
    for (bool mitDefinitionen : {true, false}) {
      aufgaben.push_back(
          {std::string(typ) + (mitDefinitionen ? "" : " ohne Definitionen"),
           [&dienst, typ = typ, werte = werte, mitDefinitionen] {
             std::string a;
             for (const std::string& wert : werte) {
               vesk::wex2::DefdatenSteuernummerImpl definitionen(&dienst);
               std::string meldung;
               try {
                 a += std::to_string(vesk::divideVira::pruefeFeldtyp(
                     typ, wert, mitDefinitionen ? &definitionen : nullptr, &meldung));
               } catch (const std::exception& e) {
                 a += std::string("Ausnahme ") + e.what();
               }
               a += ":" + meldung + ";";
             }
             return a;
           }});
    }
  }
  // 13 digits to Land notation and back again.
  aufgaben.push_back(
      {"Steuernummer konvertiert", [&dienst] {
         std::string a;
         for (const std::string& nummer : steuernummern()) {
           vesk::wex2::DefdatenSteuernummerImpl definitionen(&dienst);
           std::string meldung;
           try {
             const std::string land =
                 vesk::divideVira::konvertiereFeldtyp(nummer, true, definitionen, meldung);
             a += land + ":" + meldung + ":";
             a += vesk::divideVira::konvertiereFeldtyp(land, false, definitionen, meldung);
           } catch (const std::exception& e) {
             a += std::string("Ausnahme ") + e.what();
           }
           a += ":" + meldung + ";";
         }
         return a;
       }});
  return aufgaben;
}

TEST(GleichzeitigeFeldtypen, AchtThreadsAbDerErstenPruefung) {
  const std::vector<std::string> referenz = imKindprozess([] {
    std::unique_ptr<FinanzamtsdatenService> dienst(
        vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
    return fuehreAus(feldtypAufgaben(*dienst));
  });
  std::unique_ptr<FinanzamtsdatenService> dienst(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  const std::vector<Aufgabe> aufgaben = feldtypAufgaben(*dienst);
  ASSERT_EQ(referenz.size(), aufgaben.size());
  // Sound reference: the first sample of these lists is valid (code 0, no message).
  for (const char* typ : {"IDNr", "UStIdNr", "IBAN", "BIC"}) {
    const auto it = std::find_if(aufgaben.begin(), aufgaben.end(),
                                 [&](const Aufgabe& a) { return a.name == typ; });
    ASSERT_NE(it, aufgaben.end()) << typ;
    EXPECT_EQ(referenz[static_cast<std::size_t>(it - aufgaben.begin())].substr(0, 3), "0:;") << typ;
  }

  std::vector<std::vector<std::string>> fehler(kThreads);
  laufeGleichzeitig(kThreads, [&](std::size_t t, Schranke& schranke) {
    fehler[t] = abweichungen(aufgaben, referenz, schranke, t * aufgaben.size() / kThreads);
  });
  for (std::size_t t = 0; t < kThreads; ++t) {
    EXPECT_TRUE(fehler[t].empty()) << "Thread " << t << ": " << fehler[t].size()
                                   << " Abweichungen, zuerst " << fehler[t].front();
  }
}

}  // namespace
}  // namespace dvtest
