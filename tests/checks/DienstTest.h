#pragma once

#include <memory>

#include "tests/support/ModulTest.h"

namespace dvtest {

// The tax office data service of the loaded module, fresh for each test.
class DienstTest : public ModulTest {
 protected:
  void SetUp() override {
    ModulTest::SetUp();
    dienst_ = modul().finanzamtsdatenService();
  }
  void TearDown() override { dienst_.reset(); }
  vesk::plugin2::iface::IFinanzamtsdatenService& dienst() { return *dienst_; }

  // The first office of a Land key for which the predicate holds, 0 when none.
  template <class Praedikat>
  int erstesAmt(int land, Praedikat praedikat) {
    for (int amt = land * 100; amt < land * 100 + 100; ++amt) {
      if (praedikat(amt)) return amt;
    }
    return 0;
  }
  int erstesAmt(int land) {
    return erstesAmt(land, [this](int amt) { return dienst_->existiertFinanzamt(amt); });
  }

 private:
  std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst_;
};

}  // namespace dvtest
