#pragma once

#include <boost/xpressive/xpressive_dynamic.hpp>
#include <string_view>

namespace zudadavizu_20_0 {

// Whether the whole text matches. The match state is kept per thread and reused: a fresh
// match_results allocates on every call and costs several times the match itself.
inline bool volltreffer(const boost::xpressive::cregex& muster, std::string_view text) {
  thread_local boost::xpressive::cmatch treffer;
  return boost::xpressive::regex_match(text.data(), text.data() + text.size(), treffer, muster);
}

}  // namespace zudadavizu_20_0
