#include "rules/ValidationLogger.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

namespace zudadavizu_20_0 {

namespace {

// Elapsed microseconds since start; -1 when start is no time (taken while timings were off).
std::string mikrosekundenSeit(const boost::posix_time::ptime& start) {
  if (start.is_special()) return "-1";
  const auto dauer = boost::posix_time::microsec_clock::local_time() - start;
  return std::to_string(dauer.total_microseconds());
}

}  // namespace

void ValidationLogger::regelNichtAusgewertet(const std::string& regel, const std::string& grund) {
  if (!delegate_.ist3()) return;
  delegate_.log2("Regel <" + regel + "> wird nicht ausgewertet. " + grund);
}

void ValidationLogger::regelFeuert(const std::string& regel, const IIdentifier& feld,
                                   const IDaten& daten) {
  if (!delegate_.ist3()) return;
  delegate_.log2("Regel '" + regel + "' feuert für '" + daten.toText(feld) + "'");
}

boost::posix_time::ptime ValidationLogger::zeitstempel() const {
  if (!delegate_.ist3()) return boost::posix_time::ptime(boost::posix_time::not_a_date_time);
  return boost::posix_time::microsec_clock::local_time();
}

void ValidationLogger::logDauer(const std::string& text, const boost::posix_time::ptime& start) {
  if (!delegate_.ist3()) return;
  delegate_.log3(text + ": " + mikrosekundenSeit(start) + " microsec");
}

void ValidationLogger::logDauer(const std::string& text, int zahl,
                                const boost::posix_time::ptime& start) {
  if (!delegate_.ist3()) return;
  delegate_.log3(text + "(" + std::to_string(zahl) + ")" + ": " + mikrosekundenSeit(start) +
                 " microsec");
}

}  // namespace zudadavizu_20_0
