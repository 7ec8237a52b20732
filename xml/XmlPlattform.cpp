#include "xml/XmlPlattform.h"

#include <stdexcept>
#include <string>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace vesk::util::xml {

namespace {

using namespace xercesc;

// Remembers the last transcoder made; in this module always the ISO-8859-15 one.
class TranscoderCache {
 public:
  XMLTranscoder* transcoderFuer(const std::string& name) {
    if (name == name_ && transcoder_ != nullptr) return transcoder_;
    name_ = name;
    XMLTransService::Codes ergebnis = XMLTransService::Ok;
    try {
      transcoder_ = XMLPlatformUtils::fgTransService->makeNewTranscoderFor(
          name.c_str(), ergebnis, 4096, XMLPlatformUtils::fgMemoryManager);
    } catch (const OutOfMemoryException&) {
      throw SpeicherMangel();
    }
    if (ergebnis != XMLTransService::Ok || transcoder_ == nullptr) {
      name_.clear();
      transcoder_ = nullptr;
      throw std::runtime_error("StrX Internal Error: Could not create " + name +
                               "-std::string transcoder.");
    }
    return transcoder_;
  }

 private:
  // Allocated by the parser library; lives as long as the library, which is never terminated.
  XMLTranscoder* transcoder_ = nullptr;
  std::string name_;
};

}  // namespace

XMLTranscoder* xmlPlattform() {
  // One guarded initialisation; a failed attempt is repeated by the next caller.
  static XMLTranscoder* const transcoder = [] {
    XMLPlatformUtils::Initialize("de_DE.ISO-8859-15", nullptr, nullptr, nullptr);
    static TranscoderCache cache;
    return cache.transcoderFuer(kLatin9);
  }();
  return transcoder;
}

}  // namespace vesk::util::xml
