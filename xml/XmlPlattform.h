#pragma once

#include <new>
#include <xercesc/util/TransService.hpp>

namespace vesk::util::xml {

// Initialises the parser library on the first call in the process (it is never
// terminated) and returns the module's ISO-8859-15 transcoder. Throws
// std::runtime_error when the transcoder cannot be created.
xercesc::XMLTranscoder* xmlPlattform();

// The encoding of every text that crosses the module boundary.
inline constexpr const char* kLatin9 = "ISO-8859-15";

// Out of memory inside the parser library, as the host expects to see it.
class SpeicherMangel : public std::bad_alloc {
 public:
  const char* what() const noexcept override { return "bad allocation"; }
};

}  // namespace vesk::util::xml
