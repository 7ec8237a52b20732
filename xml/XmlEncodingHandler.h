#pragma once

#include <stdexcept>
#include <string>

#include "xml/AbstractXmlDocumentHandler.h"

namespace vesk::util::xml {

// The document declares an encoding other than the expected one.
class WrongEncodingException : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Watches the XML declaration: records whether it names an encoding and throws
// WrongEncodingException out of the parse when that encoding is not the expected
// one (compared without letter case and surrounding blanks).
class XmlEncodingHandler : public AbstractXmlDocumentHandler {
 public:
  explicit XmlEncodingHandler(std::string expectedEncoding);
  void XMLDecl(const XMLCh* const versionStr, const XMLCh* const encodingStr,
               const XMLCh* const standaloneStr, const XMLCh* const autoEncodingStr) override;
  // Whether an XML declaration with an encoding was seen.
  bool encodingDeclared() const { return encodingDeclared_; }

 private:
  std::string expectedEncoding_;
  std::string declaredEncoding_ = "ISO-8859-15";
  bool encodingDeclared_ = false;
};

}  // namespace vesk::util::xml
