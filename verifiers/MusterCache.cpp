#include "verifiers/MusterCache.h"


namespace zudadavizu_20_0 {

const Regex& MusterCache::hole(const std::string& muster) {
  // Matching may fork a regex's shared implementation, so a compiled regex is
  // never shared between threads: each thread keeps its own, compiled once.
  thread_local std::map<std::string, Regex, std::less<>> kompiliert;
  auto it = kompiliert.find(muster);
  if (it != kompiliert.end()) return it->second;
  return kompiliert.emplace(muster, Regex::compile(muster)).first->second;
}

boost::xpressive::smatch& trefferPuffer() {
  thread_local boost::xpressive::smatch treffer;
  return treffer;
}

bool passtGanz(const std::string& text, const Regex& muster) {
  return boost::xpressive::regex_match(text, trefferPuffer(), muster);
}

}  // namespace zudadavizu_20_0
