#pragma once

#include <string>

namespace zudadavizu_20_0 {

// Log sink of the rules library: six message kinds and a query per kind whether it is wanted.
// The library traces through kind 1, sends rule messages to kind 2 and timings to kind 3.
class ILogger {
 public:
  virtual ~ILogger() = default;
  virtual void log1(const std::string& meldung) = 0;
  virtual void log2(const std::string& meldung) = 0;
  virtual void log3(const std::string& meldung) = 0;
  virtual void log4(const std::string& meldung) = 0;
  virtual void log5(const std::string& meldung) = 0;
  virtual void log6(const std::string& meldung) = 0;
  virtual bool ist1() const = 0;
  virtual bool ist2() const = 0;
  virtual bool ist3() const = 0;
  virtual bool ist4() const = 0;
  virtual bool ist5() const = 0;
  virtual bool ist6() const = 0;
};

}  // namespace zudadavizu_20_0
