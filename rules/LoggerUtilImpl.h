#pragma once

#include <string>

#include "rules/ILogger.h"

namespace zudadavizu_20_0 {

// Discards every message and wants none.
class LoggerUtilImpl : public ILogger {
 public:
  void log1(const std::string&) override {}
  void log2(const std::string&) override {}
  void log3(const std::string&) override {}
  void log4(const std::string&) override {}
  void log5(const std::string&) override {}
  void log6(const std::string&) override {}
  bool ist1() const override { return false; }
  bool ist2() const override { return false; }
  bool ist3() const override { return false; }
  bool ist4() const override { return false; }
  bool ist5() const override { return false; }
  bool ist6() const override { return false; }
};

}  // namespace zudadavizu_20_0
