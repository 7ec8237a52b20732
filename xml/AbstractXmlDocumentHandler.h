#pragma once

#include <xercesc/framework/XMLDocumentHandler.hpp>

namespace vesk::util::xml {

// Advanced document handler that ignores every callback; subclasses override
// only what they need.
class AbstractXmlDocumentHandler : public xercesc::XMLDocumentHandler {
 public:
  void docCharacters(const XMLCh* const, const XMLSize_t, const bool) override {}
  void docComment(const XMLCh* const) override {}
  void docPI(const XMLCh* const, const XMLCh* const) override {}
  void endDocument() override {}
  void endElement(const xercesc::XMLElementDecl&, const unsigned int, const bool,
                  const XMLCh* const) override {}
  void endEntityReference(const xercesc::XMLEntityDecl&) override {}
  void ignorableWhitespace(const XMLCh* const, const XMLSize_t, const bool) override {}
  void resetDocument() override {}
  void startDocument() override {}
  void startElement(const xercesc::XMLElementDecl&, const unsigned int, const XMLCh* const,
                    const xercesc::RefVectorOf<xercesc::XMLAttr>&, const XMLSize_t, const bool,
                    const bool) override {}
  void startEntityReference(const xercesc::XMLEntityDecl&) override {}
  void XMLDecl(const XMLCh* const, const XMLCh* const, const XMLCh* const,
               const XMLCh* const) override {}
};

}  // namespace vesk::util::xml
