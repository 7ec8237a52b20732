#include "verifiers/MusterCache.h"

#include <mutex>

namespace zudadavizu_20_0 {

const Regex& MusterCache::hole(const std::string& muster) {
  {
    std::shared_lock<std::shared_mutex> lesen(sperre_);
    auto it = muster_.find(muster);
    if (it != muster_.end()) return it->second;
  }
  // Compiled outside the lock; when two threads race, the first insertion wins.
  Regex kompiliert = Regex::compile(muster);
  std::unique_lock<std::shared_mutex> schreiben(sperre_);
  return muster_.emplace(muster, std::move(kompiliert)).first->second;
}

boost::xpressive::smatch& trefferPuffer() {
  thread_local boost::xpressive::smatch treffer;
  return treffer;
}

bool passtGanz(const std::string& text, const Regex& muster) {
  return boost::xpressive::regex_match(text, trefferPuffer(), muster);
}

}  // namespace zudadavizu_20_0
