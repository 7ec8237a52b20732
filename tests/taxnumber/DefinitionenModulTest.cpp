// Slots 17 to 19 of the tax office data service, through the loaded module.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/ModulTest.h"

namespace dvtest {
namespace {

using vesk::plugin2::iface::IFinanzamtsdatenService;
using vesk::plugin2::iface::IVeskFormatierung;
using vesk::plugin2::iface::IVeskPruefziffernverfahrenDefinition;
using vesk::plugin2::iface::Negativmuster;

class DefinitionenModul : public ModulTest {
 protected:
  void SetUp() override {
    ModulTest::SetUp();
    dienst_ = modul().finanzamtsdatenService();
  }
  void TearDown() override { dienst_.reset(); }

  std::unique_ptr<IVeskFormatierung> formatierung(int land) {
    return std::unique_ptr<IVeskFormatierung>(dienst_->holeFormatierung(land));
  }
  std::unique_ptr<IVeskPruefziffernverfahrenDefinition> verfahren(int land, int amt, int bezirk) {
    return std::unique_ptr<IVeskPruefziffernverfahrenDefinition>(
        dienst_->holePruefziffernverfahrenDefinition(land, amt, bezirk));
  }
  template <class Aufruf>
  std::string fehlertext(Aufruf aufruf) {
    try {
      aufruf();
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "(no exception)";
  }

  std::unique_ptr<IFinanzamtsdatenService> dienst_;
};

TEST_F(DefinitionenModul, HoleFormatierung) {
  const auto hessen = formatierung(26);
  EXPECT_EQ(hessen->getAnzahlStellenFinanzamt(), 2);
  EXPECT_EQ(hessen->getAnzahlStellenBezirk(), 3);
  EXPECT_EQ(hessen->getAnzahlStellenUnterscheidungsnummer(), 4);
  EXPECT_EQ(hessen->getAnzahlStellenPruefziffer(), 1);
  EXPECT_EQ(hessen->getPraefix(), "0");
  EXPECT_EQ(hessen->getTrenner1(), " ");
  EXPECT_EQ(hessen->getTrenner2(), " ");
  EXPECT_EQ(hessen->getTrenner3(), "");
  const auto bw = formatierung(28);
  EXPECT_EQ(bw->getTrenner1(), "");
  EXPECT_EQ(bw->getTrenner2(), "/");
  EXPECT_EQ(fehlertext([&] { formatierung(5); }), "Bundesland existiert nicht.");
}

TEST_F(DefinitionenModul, HolePruefziffernverfahrenDefinition) {
  const auto bw = verfahren(28, 2801, 100);
  EXPECT_EQ(bw->getVerfahren(), "2er-Verfahren");
  EXPECT_EQ(bw->getFaktoren(), (std::vector<int>{0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2}));
  EXPECT_EQ(bw->getSummanden(), (std::vector<int>{0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1}));
  const auto by = verfahren(91, 9101, 100);
  EXPECT_EQ(by->getVerfahren(), "11er-Verfahren");
  EXPECT_TRUE(by->getSummanden().empty());

  const std::vector<int> berlinA = {0, 0, 0, 0, 0, 7, 6, 5, 8, 4, 3, 2};
  const std::vector<int> berlinB = {0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2};
  EXPECT_EQ(verfahren(11, 1119, 680)->getFaktoren(), berlinB);
  EXPECT_EQ(verfahren(11, 1119, 650)->getFaktoren(), berlinA);
  EXPECT_EQ(verfahren(11, 1116, 29)->getFaktoren(), berlinB);
  EXPECT_EQ(verfahren(11, 1116, 30)->getFaktoren(), berlinA);
  EXPECT_EQ(verfahren(11, 1197, 0)->getFaktoren(), berlinB);
  EXPECT_EQ(fehlertext([&] { verfahren(11, 1115, 300); }), "Bufanummer existiert nicht.");
  EXPECT_EQ(fehlertext([&] { verfahren(5, 501, 100); }), "Bundesland existiert nicht.");
}

TEST_F(DefinitionenModul, HoleNegativmuster) {
  const Negativmuster bayern = dienst_->holeNegativmuster(92);
  ASSERT_EQ(bayern.size(), 3u);
  EXPECT_EQ(bayern[0].second, "Steuernummer mit Aufbau 9xxx099999999 ist in Bayern ungültig.");
  EXPECT_TRUE(dienst_->holeNegativmuster(28).empty());
  const Negativmuster nrw = dienst_->holeNegativmuster(54);
  ASSERT_EQ(nrw.size(), 2u);
  EXPECT_EQ(nrw[1].first, "[0-9]{5}(0000|0998|0999)[0-9]{4}");
  EXPECT_TRUE(dienst_->holeNegativmuster(5).empty());
  EXPECT_EQ(fehlertext([&] { dienst_->holeNegativmuster(25); }),
            "Kein Bundeslandkürzel für die Bundeslandnummer 25 gefunden");
}

}  // namespace
}  // namespace dvtest
