#include "rules/Heute.h"

#include <atomic>
#include <boost/date_time/gregorian/gregorian_types.hpp>

namespace zudadavizu_20_0 {

namespace {

// Day number of the fixed date; 0 (a day before the calendar's range) means "use the clock".
std::atomic<boost::gregorian::date::date_int_type> festerTag{0};

}  // namespace

boost::gregorian::date heute() {
  const auto tag = festerTag.load(std::memory_order_relaxed);
  if (tag != 0) return boost::gregorian::date(tag);
  return boost::gregorian::day_clock::local_day();
}

void setzeHeute(const boost::gregorian::date& datum) {
  festerTag.store(datum.is_special() ? 0 : datum.day_number(), std::memory_order_relaxed);
}

}  // namespace zudadavizu_20_0
