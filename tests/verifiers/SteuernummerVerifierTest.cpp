// The check-digit methods on hand-computed cases, the tax number verifiers' codes in their
// order, their conversions and exceptions, and the verifier of each type name.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tests/verifiers/TestDefdaten.h"
#include "verifiers/Pruefziffernverfahren.h"
#include "verifiers/SteuernummerAusnahmen.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

using dvtest::TestDefdaten;

template <class Aufruf>
std::string fehlertext(Aufruf aufruf) {
  try {
    aufruf();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(no exception)";
}

TEST(Pruefziffernverfahren, HandgerechneteFaelle) {
  using Verfahren = std::function<bool(const std::string&, int)>;
  const std::vector<int> elfer = {0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
  const std::vector<int> vierer = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4};
  const Verfahren elf = [&](const std::string& w, int c) { return elferVerfahren(w, elfer, c); };
  const Verfahren zwei = [](const std::string& w, int c) {
    return zweierVerfahren(w, {0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2},
                           {0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1}, c);
  };
  const Verfahren modifiziert = [](const std::string& w, int c) {
    return modifiziertesElferVerfahren(w, {0, 0, 1, 2, 0, 1, 2, 1, 2, 1, 2, 1}, c);
  };
  const Verfahren modVier = [&](const std::string& w, int c) {
    return modifiziertesElferVerfahren(w, vierer, c);
  };
  const Verfahren nrw = [](const std::string& w, int c) {
    return elferVerfahrenNrw(w, {0, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1}, c);
  };
  // The 12 leading digits and the only check digit that passes (-1: none).
  const struct {
    const Verfahren& verfahren;
    const char* stellen;
    int gueltig;
  } faelle[] = {
      {elf, "918101234567", 8},   // 5+32+3+2+14+18+20+20+18+14 = 146 = 13*11 + 3 -> 8
      {elf, "918101234560", 0},   // 132 = 12*11 -> 0
      {elf, "918101234566", -1},  // 144 = 13*11 + 1 -> 10 is no digit
      // (0+9)%10*512 = 4608 -> 18 -> 9; (3+8)%10*256 = 256 -> 13 -> 4; (8+1)%10*2 = 18 -> 9;
      // all other products 0: 22 -> 8.
      {zwei, "280303456788", 8},
      {zwei, "281303456788", 7},  // (1+9)%10 = 0 drops the 9 of 4608: 13 -> 7
      {zwei, "281203456789", 0},  // every (digit + addend) % 10 with a weight is 0
      // 2*5 = 10 -> 1, 1*5, 2*6 = 12 -> 3, 1, 2*2, 3, 2*4, 5: 30 -> 0.
      {modifiziert, "270505612345", 0},
      {modifiziert, "270505612346", 9},  // 31 -> 9
      {modVier, "000000000005", 9},      // 4*5 = 20 counts 1
      {modVier, "000000000003", 7},      // 4*3 = 12 counts 3
      {nrw, "512301234123", 4},          // 3+4+3+7+12+15+16+3+4+3 = 70 = 6*11 + 4
      {nrw, "512301234129", -1},         // 76 = 6*11 + 10, no digit
      {nrw, "000000000000", 0},
  };
  for (const auto& fall : faelle) {
    std::vector<int> passend;
    for (int c = 0; c <= 9; ++c) {
      if (fall.verfahren(fall.stellen + std::to_string(c), c)) passend.push_back(c);
    }
    EXPECT_EQ(passend, fall.gueltig < 0 ? std::vector<int>{} : std::vector<int>{fall.gueltig})
        << fall.stellen;
  }
  for (std::size_t anzahl : {0u, 11u, 13u}) {
    EXPECT_EQ(
        fehlertext([&] { zweierVerfahren("2803034567888", elfer, std::vector<int>(anzahl), 8); }),
        "Der Array mit den im Prüfziffernverfahren notwendigen Summanden hat nicht die "
        "erwartete Länge 12.");
  }
}

// Test data: office 9181 of Land 91 (3 office, 3 district, 4 distinguishing digits) with the
// "11er-Verfahren" weights above: 918101234567 sums to 146, check digit 8.
const std::string kGueltig = "9181012345678";

int pruefe(const std::string& wert, TestDefdaten& defdaten) {
  return steuernummerVerifier().verify(wert, &defdaten);
}

TEST(SteuernummerVerifier, CodesInIhrerReihenfolge) {
  // alles: a negative pattern that matches every number.
  const struct {
    std::string wert;
    bool alles;
    int code;
    const char* grund;
  } faelle[] = {
      {kGueltig, false, 0, "valid"},
      {"9181012345600", false, 0, "sum 132, check digit 0"},
      {"9181112345678", false, 1001, "fifth digit not 0"},
      {"918101234567", false, 1001, "12 digits"},
      {"91810123456789", false, 1001, "14 digits"},
      {"9181O12345678", false, 1001, "letter O"},
      {" 9181012345678", false, 1001, "leading blank"},
      {"", false, 1001, "empty"},
      {"9182012345678", false, 1002, "office unknown"},
      {"9181000045678", false, 1003, "district 000"},
      {"9181012345677", false, 1005, "check digit off by one"},
      {"9181012345660", false, 1005, "remainder 1: no digit passes"},
      {"9182000045670", true, 1002, "office before district"},
      {"9181000045670", true, 1003, "district before negative patterns"},
      {"9181012345677", true, 1004, "negative patterns before check digit"},
  };
  for (const auto& fall : faelle) {
    TestDefdaten defdaten;
    if (fall.alles) defdaten.negativmuster = {{".*", "alles"}};
    EXPECT_EQ(pruefe(fall.wert, defdaten), fall.code) << fall.wert << ": " << fall.grund;
    if (fall.code != 0 && fall.code != 1005) {
      EXPECT_TRUE(defdaten.gefragteVerfahren.empty()) << "method fetched before its step";
    }
  }
  TestDefdaten unbekanntesVerfahren;
  unbekanntesVerfahren.verfahren.name = "12er-Verfahren";
  EXPECT_EQ(pruefe(kGueltig, unbekanntesVerfahren), 1005);
  // Negative patterns must match the whole number.
  TestDefdaten teilweise;
  teilweise.negativmuster = {{"[0-9]{4}01", "prefix"}, {"2345678", "suffix"}};
  EXPECT_EQ(pruefe(kGueltig, teilweise), 0);
  // Without definitions every value passes.
  for (IFeldtypVordefiniert* verifier : {&steuernummerVerifier(), &bundessteuernummerVerifier(),
                                         &bundesfinanzamtsnummerVerifier()}) {
    for (const char* wert : {"", "abc", "9181012345677"}) {
      EXPECT_EQ(verifier->verify(wert, nullptr), 0) << wert;
    }
  }
}

TEST(SteuernummerVerifier, LiestFinanzamtUndBezirk) {
  TestDefdaten defdaten;
  EXPECT_EQ(pruefe(kGueltig, defdaten), 0);
  EXPECT_EQ(defdaten.gefragteFinanzaemter, std::vector<int>{9181});
  EXPECT_EQ(defdaten.gefragteVerfahren, (std::vector<std::tuple<int, int, int>>{{91, 9181, 123}}));
  // Four district digits: 0000 is district 0, 0001 is not (918100001234 sums to 70 -> 7).
  TestDefdaten vierstellig;
  vierstellig.formate[91].bezirk = 4;
  EXPECT_EQ(pruefe("9181000005675", vierstellig), 1003);
  EXPECT_EQ(pruefe("9181000012347", vierstellig), 0);
  EXPECT_EQ(std::get<2>(vierstellig.gefragteVerfahren.back()), 1);
  // No district digits: the district stays -1 and its step passes.
  TestDefdaten ohneBezirk;
  ohneBezirk.formate[91].bezirk = 0;
  EXPECT_EQ(pruefe("9181000345678", ohneBezirk), 1005);
  EXPECT_EQ(std::get<2>(ohneBezirk.gefragteVerfahren.back()), -1);
}

TEST(SteuernummerVerifier, Ausnahmen) {
  for (std::size_t anzahl : {0u, 11u, 13u}) {
    TestDefdaten defdaten;
    defdaten.verfahren.faktoren.assign(anzahl, 1);
    EXPECT_EQ(fehlertext([&] { pruefe(kGueltig, defdaten); }),
              "Der Array mit den im Prüfziffernverfahren notwendigen Faktoren hat nicht die "
              "erwartete Länge 12.");
  }
  // A pattern that does not compile fails every time, not only when first compiled.
  TestDefdaten kaputt;
  kaputt.negativmuster = {{"([0-9]{13}", "kaputt"}};
  for (int versuch = 0; versuch < 2; ++versuch) {
    EXPECT_EQ(fehlertext([&] { pruefe(kGueltig, kaputt); }),
              "Das Negativmuster \"([0-9]{13}\" hat eine ungültige Syntax.");
  }
  const std::string ohneDefdaten =
      "Die Convert-Methode im SteuernummerVerifier benötigt eine gültige defdatenSteuernummer! "
      "(IMetafeld::convert)";
  EXPECT_EQ(fehlertext([] { steuernummerVerifier().convert("181/123/45678@91", nullptr); }),
            ohneDefdaten);
  EXPECT_EQ(fehlertext([] { steuernummerVerifier().convertBack("9181012345678", nullptr); }),
            ohneDefdaten);
  TestDefdaten defdaten;
  EXPECT_EQ(fehlertext([&] { steuernummerVerifier().convert("181/123/45678", &defdaten); }),
            "Der übergebene String \"181/123/45678\" muss neben der Steuernummer in "
            "Oberflächendarstellung, getrennt durch das Zeichen '@', auch die Bundeslandnummer "
            "enthalten.");
}

TEST(SteuernummerVerifier, KonvertierungInBeideRichtungen) {
  // Land 91 as above, and Land 26 with prefix "0", 2 office digits and blanks as separators:
  // 261301234567 sums to 149 with the test weights, 149 = 13*11 + 6 -> check digit 5.
  TestDefdaten defdaten;
  TestDefdaten::Formatierung hessen;
  hessen.finanzamt = 2;
  hessen.praefix = "0";
  hessen.trenner1 = hessen.trenner2 = " ";
  defdaten.formate[26] = hessen;
  defdaten.formate[9] = TestDefdaten::Formatierung();
  defdaten.finanzaemter.insert(2613);
  const struct {
    const char* anzeige;
    const char* nummer;  // empty: not converted
  } faelle[] = {
      {"181/123/45678@91", "9181012345678"},
      {"013 123 45675@26", "2613012345675"},
      {"913 123 45675@26", "2613012345675"},  // the prefix is read as any digit
      {"181/123/45678@", ""},                 // nothing after '@'
      {"181/123/45678@x1", ""},               // Land key not a number
      {"181/123/45678@ 91", ""},              // nor with a blank
      {"181/123/45678@9", ""},                // Land 9 exists, but the key needs two digits
      {"181/123/45678@77", ""},               // no such Land: its exception is caught
      {"181-123-45678@91", ""},               // wrong separators
      {"181/123/4567@91", ""},                // a digit short
      {"181/123/45678@91@91", ""},            // text after the first '@' is no number
  };
  const std::string ungueltig = "Feld '$%1$': Sie haben eine ungültige Steuernummer angegeben.";
  for (const auto& fall : faelle) {
    const std::string nummer = fall.nummer;
    EXPECT_EQ(steuernummerVerifier().convert(fall.anzeige, &defdaten),
              nummer.empty() ? KonvertierungsErgebnis(fall.anzeige, ungueltig)
                             : KonvertierungsErgebnis(nummer, ""));
    // The row read with prefix 9 comes back with the prefix 0.
    if (nummer.empty() || fall.anzeige[0] == '9') continue;
    EXPECT_EQ(steuernummerVerifier().convertBack(nummer, &defdaten),
              KonvertierungsErgebnis(fall.anzeige, ""));
  }
  for (const char* falsch : {"9181012345677", "2613012345676", "abc", ""}) {
    EXPECT_EQ(steuernummerVerifier().convertBack(falsch, &defdaten),
              KonvertierungsErgebnis(falsch, "Konvertiere nur gültige Steuernummmern."));
  }
  // Separators go into the display pattern unescaped.
  defdaten.formate[91].trenner1 = ".";
  EXPECT_EQ(steuernummerVerifier().convert("181x123/45678@91", &defdaten).first, "9181012345678");
  defdaten.formate[91].trenner1 = "(";  // does not compile: a failed conversion, no exception
  EXPECT_EQ(steuernummerVerifier().convert("181(123/45678@91", &defdaten).second, ungueltig);
}

TEST(BundesVerifier, Codes) {
  // 911608123456 sums to 120 with the test weights, 120 = 10*11 + 10 -> check digit 1. The
  // federal tax number asks for no office; the office number is read as a number.
  const struct {
    IFeldtypVordefiniert& verifier;
    std::string wert;
    int code;
    std::vector<int> gefragt;
  } faelle[] = {
      {bundessteuernummerVerifier(), "9116081234561", 0, {}},
      {bundessteuernummerVerifier(), "9116081234562", 301, {}},
      {bundessteuernummerVerifier(), "9181012345678", 301, {}},  // not the federal office
      {bundessteuernummerVerifier(), "911608123456", 301, {}},
      {bundessteuernummerVerifier(), "9116080004561", 301, {}},  // district 000
      {bundesfinanzamtsnummerVerifier(), "9181", 0, {9181}},
      {bundesfinanzamtsnummerVerifier(), "9182", 202, {9182}},
      {bundesfinanzamtsnummerVerifier(), "0123", 202, {123}},
      {bundesfinanzamtsnummerVerifier(), "918", 201, {}},
      {bundesfinanzamtsnummerVerifier(), "91811", 201, {}},
      {bundesfinanzamtsnummerVerifier(), "91a1", 201, {}},
  };
  for (const auto& fall : faelle) {
    TestDefdaten defdaten;
    EXPECT_EQ(fall.verifier.verify(fall.wert, &defdaten), fall.code) << fall.wert;
    EXPECT_EQ(defdaten.gefragteFinanzaemter, fall.gefragt) << fall.wert;
    if (fall.code == 0 && fall.gefragt.empty()) {
      EXPECT_EQ(defdaten.gefragteVerfahren,
                (std::vector<std::tuple<int, int, int>>{{91, -1, 812}}));
    }
  }
}

TEST(VerifierFabrik, ElfTypenJeEinObjekt) {
  std::set<IFeldtypVordefiniert*> objekte;
  for (const char* typ :
       {"IDNr", "Steuernummer", "Bundesfinanzamtsnummer", "Laenderkuerzel", "UStIdNr",
        "Bundessteuernummer", "EMail", "IBAN", "BIC", "DATUM_MMJJ", "DATUM_TTMMJJ"}) {
    objekte.insert(&verifierFuer(typ));
  }
  EXPECT_EQ(objekte.size(), 11u);
  EXPECT_EQ(&verifierFuer("Steuernummer"), &steuernummerVerifier());
  for (const char* typ : {"", "iban", "Steuernummer ", "Datum", "BundesSteuernummer"}) {
    EXPECT_EQ(fehlertext([&] { verifierFuer(typ); }), "Ungültiger Vordefinierter Typ") << typ;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
