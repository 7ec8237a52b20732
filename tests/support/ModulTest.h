#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "cli/ModulLader.h"

namespace dvtest {

// Fixture that loads the built module once per test and initialises it.
class ModulTest : public ::testing::Test {
 protected:
  void SetUp() override {
    modul_ = std::make_unique<dvhost::ModulLader>(dvhost::standardModulPfad());
    modul_->initialisiere();
  }
  dvhost::ModulLader& modul() { return *modul_; }

 private:
  std::unique_ptr<dvhost::ModulLader> modul_;
};

// Logger that keeps every line; isEnabled answers as configured.
class SammelnderLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  explicit SammelnderLogger(bool aktiv = true) : aktiv_(aktiv) {}
  void log(const std::string& zeile) override { zeilen.push_back(zeile); }
  bool isEnabled() override { return aktiv_; }
  std::vector<std::string> zeilen;

 private:
  bool aktiv_;
};

// Context that counts its own destruction.
class ZaehlenderKontext : public vesk::plugin2::iface::IServiceContext {
 public:
  ZaehlenderKontext(int& zerstoert, bool verfuegbar = true)
      : zerstoert_(zerstoert), verfuegbar_(verfuegbar) {}
  ~ZaehlenderKontext() override { ++zerstoert_; }
  bool isAvailable() const override { return verfuegbar_; }

 private:
  int& zerstoert_;
  bool verfuegbar_;
};

}  // namespace dvtest
