#pragma once

#include <string>
#include <vector>
#include <xercesc/util/XercesDefs.hpp>

namespace vesk::util::xml {

// ISO-8859-15 bytes as the parser's zero-terminated 16-bit characters.
class XStr {
 public:
  explicit XStr(const char* text);
  explicit XStr(const std::string& text);
  // Zero-terminated; valid as long as this holder.
  const XMLCh* unicodeForm() const { return zeichen_.data(); }
  std::size_t laenge() const { return zeichen_.size() - 1; }

 private:
  XStr(const char* text, std::size_t laenge);
  std::vector<XMLCh> zeichen_;
};

// The parser's 16-bit characters as ISO-8859-15 bytes. Strict mode throws
// std::runtime_error for a character the encoding lacks; lenient mode turns
// the whole text into ASCII with '?' for everything else instead.
class StrX {
 public:
  enum Modus { kStreng, kNachsichtig };
  StrX(const XMLCh* text, Modus modus);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace vesk::util::xml
