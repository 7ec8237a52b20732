// The verifier's own tests (form, lengths, prefix) and the validator registry.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "verifiers/Verifiers.h"
#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {
namespace {

struct Fall {
  std::string wert;
  int erwartet;
  const char* warum;
};

// Expected codes by hand from the order form -> DE length -> general length -> validator.
const Fall kFaelle[] = {
    {"", 901, "no prefix"},
    {"D", 901, "one letter"},
    {"de136695976", 901, "prefix in lower case"},
    {"De136695976", 901, "second prefix letter in lower case"},
    {"1E136695976", 901, "digit in the prefix"},
    {"DE 136695976", 901, "blank"},
    {"DE13669597-6", 901, "hyphen"},
    {"DE136695976\n", 901, "trailing line break is part of the value"},
    {"AT\xC4U1358562", 901, "non-ASCII letter (ISO-8859-15 A umlaut)"},
    {"de12", 901, "form before length"},
    {"DE", 902, "DE with empty national part"},
    {"DE13669597", 902, "DE with 8 characters"},
    {"DE1366959760", 902, "DE with 10 characters, not 904"},
    {"DE1366959760123", 902, "DE with 13 characters, not 904"},
    {"DE1366", 902, "DE with 4 characters, not 903"},
    {"AT", 903, "empty national part"},
    {"ATU135", 903, "4 characters"},
    {"XX1234", 903, "length is tested before the prefix is looked up"},
    {"AT1234567890123", 904, "13 characters"},
    {"XX1234567890123", 904, "13 characters, unknown prefix"},
    {"GBGD001", 0, "5 characters is the shortest accepted length"},
    {"NL004495445B01", 0, "12 characters is the longest accepted length"},
    {"DE136695976", 0, "published sample"},
    {"GR094259216", 905, "Greece is EL, GR has no validator"},
    {"EL094259216", 0, "the same number under EL"},
    {"XX12345", 905, "no validator"},
    {"US123456789", 905, "no validator"},
    {"DE136695977", 905, "validator rejects"},
};

TEST(UStIdNrVerifier, CodesInOrderOfPrecedence) {
  IFeldtypVordefiniert& verifier = ustIdNrVerifier();
  for (const Fall& fall : kFaelle) {
    EXPECT_EQ(fall.erwartet, verifier.verify(fall.wert, nullptr))
        << fall.wert << ": " << fall.warum;
  }
}

TEST(UStIdNrVerifier, ConversionsAreTheIdentity) {
  IFeldtypVordefiniert& verifier = ustIdNrVerifier();
  EXPECT_EQ(KonvertierungsErgebnis("de 1", ""), verifier.convert("de 1", nullptr));
  EXPECT_EQ(KonvertierungsErgebnis("DE136695976", ""),
            verifier.convertBack("DE136695976", nullptr));
}

const char* const kPraefixe[] = {"AT", "BE", "GB", "BG", "DK", "DE", "EE", "FI", "FR", "EL",
                                 "IE", "IT", "LV", "LT", "LU", "MT", "NL", "PL", "PT", "RO",
                                 "SE", "SK", "SI", "ES", "CZ", "HU", "CY", "HR"};

TEST(UstIdNrValidatorRegistry, ExactlyTheTwentyEightPrefixesHaveValidators) {
  std::vector<std::string> gefunden;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) {
      const std::string kuerzel{a, b};
      const IUstIdNrValidator* validator = ustIdNrValidatorFuer(kuerzel);
      if (validator == nullptr) continue;
      EXPECT_EQ(kuerzel, validator->getLaenderkuerzel());
      EXPECT_EQ(validator, ustIdNrValidatorFuer(kuerzel)) << "one object per prefix";
      gefunden.push_back(kuerzel);
    }
  }
  std::vector<std::string> erwartet(std::begin(kPraefixe), std::end(kPraefixe));
  std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(erwartet, gefunden);
}

TEST(UstIdNrValidatorRegistry, PrefixesAreCaseSensitiveAndTwoLetters) {
  EXPECT_EQ(nullptr, ustIdNrValidatorFuer("at"));
  EXPECT_EQ(nullptr, ustIdNrValidatorFuer("At"));
  EXPECT_EQ(nullptr, ustIdNrValidatorFuer("GR"));
  EXPECT_EQ(nullptr, ustIdNrValidatorFuer("A"));
  EXPECT_EQ(nullptr, ustIdNrValidatorFuer("ATU"));
  EXPECT_EQ(nullptr, ustIdNrValidatorFuer(""));
}

TEST(VerifierFabrik, ServesTheFiveTypesOfThisGroupAsSingletons) {
  EXPECT_EQ(&ustIdNrVerifier(), &verifierFuer("UStIdNr"));
  EXPECT_EQ(&eMailVerifier(), &verifierFuer("EMail"));
  EXPECT_EQ(&datumMMJJVerifier(), &verifierFuer("DATUM_MMJJ"));
  EXPECT_EQ(&datumTTMMJJVerifier(), &verifierFuer("DATUM_TTMMJJ"));
  EXPECT_EQ(&laenderkuerzelVerifier(), &verifierFuer("Laenderkuerzel"));
  EXPECT_EQ(&verifierFuer("UStIdNr"), &verifierFuer("UStIdNr"));
  for (const char* name : {"ustidnr", "USTIDNR", "Email", "datum_mmjj", "laenderkuerzel"}) {
    EXPECT_THROW(verifierFuer(name), std::runtime_error) << name;
  }
}

TEST(VerifierFabrik, IdentityConversionsOfTheSmallVerifiers) {
  for (const char* name : {"EMail", "DATUM_MMJJ", "DATUM_TTMMJJ", "Laenderkuerzel"}) {
    IFeldtypVordefiniert& verifier = verifierFuer(name);
    EXPECT_EQ(KonvertierungsErgebnis("x@y", ""), verifier.convert("x@y", nullptr)) << name;
    EXPECT_EQ(KonvertierungsErgebnis("", ""), verifier.convertBack("", nullptr)) << name;
  }
}

// Shared singletons, thread-local match state: parallel checks must agree with serial ones.
TEST(UStIdNrVerifier, ParallelChecksGiveTheSerialResults) {
  IFeldtypVordefiniert& verifier = verifierFuer("UStIdNr");
  std::vector<int> erwartet;
  for (const Fall& fall : kFaelle) erwartet.push_back(verifier.verify(fall.wert, nullptr));
  std::vector<int> abweichungen(4, 0);
  std::vector<std::thread> faeden;
  for (std::size_t t = 0; t < abweichungen.size(); ++t) {
    faeden.emplace_back([&, t] {
      for (int runde = 0; runde < 200; ++runde) {
        for (std::size_t i = 0; i < std::size(kFaelle); ++i) {
          if (verifier.verify(kFaelle[i].wert, nullptr) != erwartet[i]) ++abweichungen[t];
        }
      }
    });
  }
  for (auto& faden : faeden) faden.join();
  EXPECT_EQ(std::vector<int>(4, 0), abweichungen);
}

}  // namespace
}  // namespace zudadavizu_20_0
