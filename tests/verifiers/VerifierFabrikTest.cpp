#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "tests/verifiers/TestDefdaten.h"
#include "verifiers/Verifiers.h"

namespace zudadavizu_20_0 {
namespace {

const char* const kTypen[] = {"IDNr",           "Steuernummer", "Bundesfinanzamtsnummer",
                              "Laenderkuerzel", "UStIdNr",      "Bundessteuernummer",
                              "EMail",          "IBAN",         "BIC",
                              "DATUM_MMJJ",     "DATUM_TTMMJJ"};

std::string fehlertext(const std::string& typ) {
  try {
    verifierFuer(typ);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(no exception)";
}

TEST(VerifierFabrik, ElfTypenJeEinObjekt) {
  std::set<IFeldtypVordefiniert*> objekte;
  for (const char* typ : kTypen) {
    IFeldtypVordefiniert* verifier = &verifierFuer(typ);
    EXPECT_EQ(verifier, &verifierFuer(typ)) << typ;
    objekte.insert(verifier);
  }
  EXPECT_EQ(objekte.size(), 11u);
  EXPECT_EQ(&verifierFuer("Steuernummer"), &steuernummerVerifier());
  EXPECT_EQ(&verifierFuer("Bundessteuernummer"), &bundessteuernummerVerifier());
  EXPECT_EQ(&verifierFuer("Bundesfinanzamtsnummer"), &bundesfinanzamtsnummerVerifier());
}

TEST(VerifierFabrik, UnbekannteNamen) {
  for (std::string typ : kTypen) {
    std::transform(typ.begin(), typ.end(), typ.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(fehlertext(typ), "Ungültiger Vordefinierter Typ") << typ;
  }
  for (const char* typ : {"", "Steuernummer ", " IBAN", "Datum", "BundesSteuernummer"}) {
    EXPECT_EQ(fehlertext(typ), "Ungültiger Vordefinierter Typ") << typ;
  }
}

// Only the tax number verifier converts; every other type hands its input back.
TEST(VerifierFabrik, KonvertierungNurFuerSteuernummern) {
  dvtest::TestDefdaten defdaten;
  for (const char* typ : kTypen) {
    if (std::string(typ) == "Steuernummer") continue;
    for (IDefdatenSteuernummer* mit : {static_cast<IDefdatenSteuernummer*>(nullptr),
                                       static_cast<IDefdatenSteuernummer*>(&defdaten)}) {
      for (const char* wert : {"181/123/45678@91", "9181012345678", ""}) {
        EXPECT_EQ(verifierFuer(typ).convert(wert, mit), KonvertierungsErgebnis(wert, "")) << typ;
        EXPECT_EQ(verifierFuer(typ).convertBack(wert, mit), KonvertierungsErgebnis(wert, ""))
            << typ;
      }
    }
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
