#pragma once

#include <boost/date_time/posix_time/ptime.hpp>
#include <string>

#include "rules/IDaten.h"
#include "rules/IIdentifier.h"
#include "rules/ILogger.h"

namespace zudadavizu_20_0 {

// Validation-specific messages over a borrowed ILogger. Rule and timing messages are only
// formed when the delegate's ist3() asks for them.
class ValidationLogger {
 public:
  explicit ValidationLogger(ILogger& delegate) : delegate_(delegate) {}
  virtual ~ValidationLogger() = default;

  // "Regel <name> wird nicht ausgewertet. " + grund, to log2.
  virtual void regelNichtAusgewertet(const std::string& regel, const std::string& grund);
  // "Regel 'name' feuert für 'field'", to log2.
  virtual void regelFeuert(const std::string& regel, const IIdentifier& feld, const IDaten& daten);
  virtual void debug(const std::string& meldung) { delegate_.log2(meldung); }
  virtual void info(const std::string& meldung) { delegate_.log3(meldung); }
  virtual void trace(const std::string& meldung) { delegate_.log1(meldung); }
  virtual void error(const std::string& meldung) { delegate_.log5(meldung); }
  virtual void fatal(const std::string& meldung) { delegate_.log6(meldung); }
  virtual void warn(const std::string& meldung) { delegate_.log4(meldung); }
  virtual bool istTrace() const { return delegate_.ist1(); }
  virtual bool istInfo() const { return delegate_.ist3(); }
  virtual bool istDebug() const { return delegate_.ist2(); }
  virtual bool istWarn() const { return delegate_.ist4(); }
  virtual bool istError() const { return delegate_.ist5(); }
  virtual bool istFatal() const { return delegate_.ist6(); }
  // Local time in microseconds when timings are wanted, else not_a_date_time.
  virtual boost::posix_time::ptime zeitstempel() const;
  // text + ": " + elapsed microseconds + " microsec", to log3.
  virtual void logDauer(const std::string& text, const boost::posix_time::ptime& start);
  // text + "(" + zahl + "): " + elapsed microseconds + " microsec", to log3.
  virtual void logDauer(const std::string& text, int zahl, const boost::posix_time::ptime& start);

 private:
  ILogger& delegate_;
};

}  // namespace zudadavizu_20_0
