#pragma once

#include <boost/xpressive/xpressive_dynamic.hpp>
#include <functional>
#include <map>
#include <string>

namespace zudadavizu_20_0 {

using Regex = boost::xpressive::sregex;

// Regular expressions compiled from pattern texts, each compiled on its first use in a
// thread and kept for the life of that thread. Safe for concurrent use; a returned
// reference is for the calling thread only.
class MusterCache {
 public:
  // Throws boost::xpressive::regex_error (a std::runtime_error) for a text that does not
  // compile. Such a text is not kept, so every later use fails the same way.
  const Regex& hole(const std::string& muster);

};

// Match results of the calling thread, for reuse: fresh results allocate on every match.
// Valid until the thread's next match through this buffer.
boost::xpressive::smatch& trefferPuffer();

// Whether the whole text matches.
bool passtGanz(const std::string& text, const Regex& muster);

}  // namespace zudadavizu_20_0
