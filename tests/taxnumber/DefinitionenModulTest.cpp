// Slots 17 to 19 of the tax office data service through the loaded module, against the
// reference reading of the Land tables.
#include <cctype>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/checks/DienstTest.h"
#include "tests/taxnumber/Referenz.h"

namespace dvtest {
namespace {

namespace ref = referenz;
using vesk::plugin2::iface::IVeskFormatierung;
using vesk::plugin2::iface::IVeskPruefziffernverfahrenDefinition;
using vesk::plugin2::iface::Negativmuster;

template <class Aufruf>
std::string fehlertext(Aufruf aufruf) {
  try {
    aufruf();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(no exception)";
}

class DefinitionenModul : public DienstTest {
 protected:
  std::unique_ptr<IVeskFormatierung> formatierung(int land) {
    return std::unique_ptr<IVeskFormatierung>(dienst().holeFormatierung(land));
  }
  std::unique_ptr<IVeskPruefziffernverfahrenDefinition> verfahren(int land, int amt, int bezirk) {
    return std::unique_ptr<IVeskPruefziffernverfahrenDefinition>(
        dienst().holePruefziffernverfahrenDefinition(land, amt, bezirk));
  }
};

TEST_F(DefinitionenModul, FormatierungUndVerfahrenJedesLandes) {
  const char* const namen[] = {"11er-Verfahren", "2er-Verfahren", "modifiziertes 11er-Verfahren",
                               "11er-Verfahren-NRW"};
  for (const ref::Land& land : ref::kLaender) {
    SCOPED_TRACE(land.schluessel);
    // Prefix and separators are the notation pattern without its letters, e.g. "0ff bbb uuuup".
    const auto f = formatierung(land.schluessel);
    std::string trenner;
    for (const char* p = land.landesform; *p; ++p) {
      if (!std::isalpha(*p)) trenner += *p;
    }
    EXPECT_EQ(f->getPraefix() + f->getTrenner1() + f->getTrenner2() + f->getTrenner3(), trenner);
    const auto stellen = [&](char art) { return std::to_string(ref::stellen(land, art)); };
    EXPECT_EQ(std::to_string(f->getAnzahlStellenFinanzamt()) +
                  std::to_string(f->getAnzahlStellenBezirk()) +
                  std::to_string(f->getAnzahlStellenUnterscheidungsnummer()) +
                  std::to_string(f->getAnzahlStellenPruefziffer()),
              stellen('f') + stellen('b') + stellen('u') + stellen('p'));
    if (land.schluessel == 11) continue;  // per office, below
    const auto v = verfahren(land.schluessel, land.schluessel * 100, 100);
    EXPECT_EQ(v->getVerfahren(), namen[static_cast<int>(land.verfahren)]);
    EXPECT_EQ(v->getFaktoren(), std::vector<int>(land.faktoren.begin(), land.faktoren.end()));
    EXPECT_EQ(v->getSummanden(),
              land.verfahren == ref::Verfahren::Zweier
                  ? std::vector<int>(ref::kZweierSummanden.begin(), ref::kZweierSummanden.end())
                  : std::vector<int>());
  }
  for (int land : {5, 25, 0, -1, 57, 90, 93}) {
    EXPECT_EQ(fehlertext([&] { formatierung(land); }) + fehlertext([&] { verfahren(land, 1, 1); }),
              "Bundesland existiert nicht.Bundesland existiert nicht.")
        << land;
  }
}

TEST_F(DefinitionenModul, BerlinerGewichteAnJederGrenze) {
  // Each office's district ranges of weight row B, as published: both ends and the
  // districts just outside.
  std::vector<std::pair<int, int>> faelle = {{1127, 300}, {1130, 250}, {1118, 0},
                                             {1131, 5},   {1137, 5},   {1198, 999}};
  for (int bezirk : {0, 29, 30, 200, 201, 693, 694}) faelle.push_back({1116, bezirk});
  for (int bezirk : {200, 201, 639, 640, 679, 680, 681, 683, 684, 685}) {
    faelle.push_back({1119, bezirk});
  }
  for (int amt : {1113, 1114, 1117, 1120, 1121, 1123, 1124, 1125, 1140}) {
    for (int bezirk : {200, 201, 693, 694}) faelle.push_back({amt, bezirk});
  }
  for (const auto& [amt, bezirk] : faelle) {
    const ref::Zwoelf& erwartet = *ref::berlin(amt, bezirk);
    EXPECT_EQ(verfahren(11, amt, bezirk)->getFaktoren(),
              std::vector<int>(erwartet.begin(), erwartet.end()))
        << amt << " district " << bezirk;
  }
  for (int amt : {1112, 1115, 1126, 1128, 1138, 1193, 1199, 2801, -1}) {
    EXPECT_EQ(fehlertext([&] { verfahren(11, amt, 300); }), "Bufanummer existiert nicht.") << amt;
  }
}

TEST_F(DefinitionenModul, NegativmusterJedesLandesschluessels) {
  const Negativmuster bezirke = {
      {"[0-9]{4}00[0-9]{7}", "Ungültiger Bezirk (Bezirk < 100) !"},
      {"[0-9]{5}(000|998|999)[0-9]{5}", "Die Bezirke 000, 998 und 999 sind gesperrt."}};
  Negativmuster bayern = {
      {"[0-9]{4}09{8}", "Steuernummer mit Aufbau 9xxx099999999 ist in Bayern ungültig."}};
  bayern.insert(bayern.end(), bezirke.begin(), bezirke.end());
  const Negativmuster nrw = {
      {"[0-9]{9}000[0-9]{1}",
       "In NRW muss die Kombination aus Unterscheidungsnummer und Prüfziffer immer größer als "
       "0009 sein."},
      {"[0-9]{5}(0000|0998|0999)[0-9]{4}", "Die Bezirke 0000, 0998 und 0999 sind gesperrt."}};
  const std::string mitBezirken = "BB MV SL SN ST TH";
  // Every key with an abbreviation gets the list of its abbreviation; the others an error.
  for (int land = 0; land < 100; ++land) {
    const std::string kuerzel = dienst().holeBundeslandKuerzel(land);
    SCOPED_TRACE(std::to_string(land) + " " + kuerzel);
    if (kuerzel.empty()) {
      EXPECT_EQ(
          fehlertext([&] { dienst().holeNegativmuster(land); }),
          "Kein Bundeslandkürzel für die Bundeslandnummer " + std::to_string(land) + " gefunden");
      continue;
    }
    const Negativmuster liste = dienst().holeNegativmuster(land);
    if (kuerzel == "BY") {
      EXPECT_EQ(liste, bayern);
    } else if (kuerzel == "NW") {
      EXPECT_EQ(liste, nrw);
    } else if (mitBezirken.find(kuerzel) != std::string::npos) {
      EXPECT_EQ(liste, bezirke);
    } else {
      EXPECT_TRUE(liste.empty());
    }
  }
  EXPECT_EQ(dienst().holeBundeslandKuerzel(92) + dienst().holeBundeslandKuerzel(54), "BYNW");
}

}  // namespace
}  // namespace dvtest
