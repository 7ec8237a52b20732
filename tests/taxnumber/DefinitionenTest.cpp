#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "taxoffice/FinanzamtsdatenService.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "tests/taxnumber/Referenz.h"

namespace vesk::divideVira {
namespace {

namespace ref = dvtest::referenz;
using plugin2::iface::IVeskFormatierung;
using plugin2::iface::IVeskPruefziffernverfahrenDefinition;
using plugin2::iface::Negativmuster;

template <class Aufruf>
std::string fehlertext(Aufruf aufruf) {
  try {
    aufruf();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(no exception)";
}

class Definitionen : public ::testing::Test {
 protected:
  FinanzamtsdatenService service_{nullptr, nullptr};

  std::unique_ptr<IVeskFormatierung> formatierung(int land) {
    return std::unique_ptr<IVeskFormatierung>(service_.holeFormatierung(land));
  }
  std::unique_ptr<IVeskPruefziffernverfahrenDefinition> verfahren(int land, int amt, int bezirk) {
    return std::unique_ptr<IVeskPruefziffernverfahrenDefinition>(
        service_.holePruefziffernverfahrenDefinition(land, amt, bezirk));
  }
};

// The notation of every Land, read back out of its pattern ("0ff bbb uuuup").
TEST_F(Definitionen, FormatierungJedesLandes) {
  for (const ref::Land& land : ref::kLaender) {
    SCOPED_TRACE(land.schluessel);
    const auto f = formatierung(land.schluessel);
    const std::string muster = land.landesform;
    const std::size_t erstesF = muster.find('f');
    EXPECT_EQ(f->getPraefix(), muster.substr(0, erstesF));
    EXPECT_EQ(f->getAnzahlStellenFinanzamt(), ref::stellen(land, 'f'));
    EXPECT_EQ(f->getAnzahlStellenBezirk(), ref::stellen(land, 'b'));
    EXPECT_EQ(f->getAnzahlStellenUnterscheidungsnummer(), ref::stellen(land, 'u'));
    EXPECT_EQ(f->getAnzahlStellenPruefziffer(), 1);
    const std::size_t nachF = muster.rfind('f') + 1, erstesB = muster.find('b');
    const std::size_t nachB = muster.rfind('b') + 1, erstesU = muster.find('u');
    EXPECT_EQ(f->getTrenner1(), muster.substr(nachF, erstesB - nachF));
    EXPECT_EQ(f->getTrenner2(), muster.substr(nachB, erstesU - nachB));
    EXPECT_EQ(f->getTrenner3(), "");
  }
  const auto hessen = formatierung(26);
  EXPECT_EQ(hessen->getPraefix(), "0");
  EXPECT_EQ(hessen->getTrenner1(), " ");
}

TEST_F(Definitionen, UnbekanntesLand) {
  for (int land : {5, 25, 0, -1, 57, 90, 93}) {
    EXPECT_EQ(fehlertext([&] { formatierung(land); }), "Bundesland existiert nicht.") << land;
    EXPECT_EQ(fehlertext([&] { verfahren(land, land * 100 + 1, 100); }),
              "Bundesland existiert nicht.")
        << land;
  }
}

TEST_F(Definitionen, VerfahrenJedesLandes) {
  for (const ref::Land& land : ref::kLaender) {
    if (land.schluessel == 11) continue;  // per office, below
    SCOPED_TRACE(land.schluessel);
    const auto v = verfahren(land.schluessel, land.schluessel * 100 + 1, 100);
    const char* namen[] = {"11er-Verfahren", "2er-Verfahren", "modifiziertes 11er-Verfahren",
                           "11er-Verfahren-NRW"};
    EXPECT_EQ(v->getVerfahren(), namen[static_cast<int>(land.verfahren)]);
    EXPECT_EQ(v->getFaktoren(), std::vector<int>(land.faktoren.begin(), land.faktoren.end()));
    const std::vector<int> summanden =
        land.verfahren == ref::Verfahren::Zweier
            ? std::vector<int>(ref::kZweierSummanden.begin(), ref::kZweierSummanden.end())
            : std::vector<int>();
    EXPECT_EQ(v->getSummanden(), summanden);
  }
  // The published examples.
  const auto bw = verfahren(28, 2801, 100);
  EXPECT_EQ(bw->getVerfahren(), "2er-Verfahren");
  EXPECT_EQ(bw->getFaktoren(), (std::vector<int>{0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2}));
  EXPECT_EQ(bw->getSummanden(), (std::vector<int>{0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1}));
  const auto by = verfahren(91, 9101, 100);
  EXPECT_EQ(by->getVerfahren(), "11er-Verfahren");
  EXPECT_TRUE(by->getSummanden().empty());
}

// Every boundary of the Berlin rule; expectations from the rule as published.
TEST_F(Definitionen, BerlinerGewichte) {
  const std::vector<int> a(ref::kBerlinA.begin(), ref::kBerlinA.end());
  const std::vector<int> b(ref::kBerlinB.begin(), ref::kBerlinB.end());
  struct Fall {
    int amt, bezirk;
    bool berlinB;
  };
  std::vector<Fall> faelle = {
      {1127, 300, false}, {1129, 300, false}, {1130, 250, false}, {1116, 0, false},
      {1116, 1, true},    {1116, 29, true},   {1116, 30, false},  {1116, 200, false},
      {1116, 201, true},  {1116, 693, true},  {1116, 694, false}, {1119, 200, false},
      {1119, 201, true},  {1119, 639, true},  {1119, 640, false}, {1119, 650, false},
      {1119, 679, false}, {1119, 680, true},  {1119, 681, false}, {1119, 683, false},
      {1119, 684, true},  {1119, 685, false}, {1119, 693, false}, {1118, 0, true},
      {1118, 999, true},  {1131, 5, true},    {1137, 5, true},    {1194, 5, true},
      {1197, 0, true},    {1198, 999, true},
  };
  for (int amt : {1113, 1114, 1117, 1120, 1121, 1123, 1124, 1125, 1140}) {
    for (const auto& [bezirk, berlinB] : std::vector<std::pair<int, bool>>{
             {1, false}, {200, false}, {201, true}, {693, true}, {694, false}, {999, false}}) {
      faelle.push_back({amt, bezirk, berlinB});
    }
  }
  for (const Fall& fall : faelle) {
    EXPECT_EQ(verfahren(11, fall.amt, fall.bezirk)->getFaktoren(), fall.berlinB ? b : a)
        << fall.amt << " district " << fall.bezirk;
  }
  for (int amt : {1112, 1115, 1122, 1126, 1128, 1138, 1139, 1141, 1193, 1199, 2801, -1}) {
    EXPECT_EQ(fehlertext([&] { verfahren(11, amt, 300); }), "Bufanummer existiert nicht.") << amt;
  }
}

TEST_F(Definitionen, Negativmuster) {
  const Negativmuster bayern = service_.holeNegativmuster(92);
  ASSERT_EQ(bayern.size(), 3u);
  EXPECT_EQ(bayern[0],
            Negativmuster::value_type(
                "[0-9]{4}09{8}", "Steuernummer mit Aufbau 9xxx099999999 ist in Bayern ungültig."));
  EXPECT_EQ(bayern[1],
            Negativmuster::value_type("[0-9]{4}00[0-9]{7}", "Ungültiger Bezirk (Bezirk < 100) !"));
  EXPECT_EQ(bayern[2], Negativmuster::value_type("[0-9]{5}(000|998|999)[0-9]{5}",
                                                 "Die Bezirke 000, 998 und 999 sind gesperrt."));
  const Negativmuster nrw = service_.holeNegativmuster(54);
  EXPECT_EQ(
      nrw,
      (Negativmuster{
          {"[0-9]{9}000[0-9]{1}",
           "In NRW muss die Kombination aus Unterscheidungsnummer und Prüfziffer immer "
           "größer als 0009 sein."},
          {"[0-9]{5}(0000|0998|0999)[0-9]{4}", "Die Bezirke 0000, 0998 und 0999 sind gesperrt."}}));

  // Every key of the Land table gets the list of its abbreviation.
  for (int land = 0; land < 100; ++land) {
    const std::string kuerzel = holeBundeslandKuerzel(land);
    if (kuerzel.empty()) {
      EXPECT_EQ(
          fehlertext([&] { service_.holeNegativmuster(land); }),
          "Kein Bundeslandkürzel für die Bundeslandnummer " + std::to_string(land) + " gefunden");
      continue;
    }
    const Negativmuster liste = service_.holeNegativmuster(land);
    if (kuerzel == "BY") {
      EXPECT_EQ(liste, bayern);
    } else if (kuerzel == "NW") {
      EXPECT_EQ(liste, nrw);
    } else if (kuerzel == "BB" || kuerzel == "MV" || kuerzel == "SL" || kuerzel == "SN" ||
               kuerzel == "ST" || kuerzel == "TH") {
      EXPECT_EQ(liste, Negativmuster(bayern.begin() + 1, bayern.end())) << land;
    } else {
      EXPECT_TRUE(liste.empty()) << land << " " << kuerzel;
    }
  }
  EXPECT_TRUE(service_.holeNegativmuster(5).empty());
  EXPECT_EQ(fehlertext([&] { service_.holeNegativmuster(25); }),
            "Kein Bundeslandkürzel für die Bundeslandnummer 25 gefunden");
}

}  // namespace
}  // namespace vesk::divideVira
