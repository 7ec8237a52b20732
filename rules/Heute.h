#pragma once

#include <boost/date_time/gregorian/greg_date.hpp>

namespace zudadavizu_20_0 {

// Today's local date, the one source of "today" for the library (two-digit years, VAT rules).
// Throws std::runtime_error when the clock cannot be converted to local time.
boost::gregorian::date heute();

// Fixes the date heute() returns, for tests; a not_a_date_time date returns to the clock.
void setzeHeute(const boost::gregorian::date& datum);

}  // namespace zudadavizu_20_0
