#pragma once

#include <boost/date_time/gregorian/gregorian_types.hpp>

#include "rules/Heute.h"

namespace zudadavizu_20_0 {

// Fixes today's date for one scope.
class HeuteFest {
 public:
  explicit HeuteFest(const boost::gregorian::date& datum) { setzeHeute(datum); }
  ~HeuteFest() { setzeHeute(boost::gregorian::date(boost::gregorian::not_a_date_time)); }
  HeuteFest(const HeuteFest&) = delete;
  HeuteFest& operator=(const HeuteFest&) = delete;
};

}  // namespace zudadavizu_20_0
