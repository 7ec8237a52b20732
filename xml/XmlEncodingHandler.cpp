#include "xml/XmlEncodingHandler.h"

#include <utility>

#include "xml/XStr.h"

namespace vesk::util::xml {

namespace {

// ASCII letters in lower case, without leading and trailing blanks and line ends.
std::string normalisiert(const std::string& name) {
  std::string ergebnis;
  for (char c : name) ergebnis += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  const char* const leer = " \t\r\n";
  const auto anfang = ergebnis.find_first_not_of(leer);
  if (anfang == std::string::npos) return {};
  return ergebnis.substr(anfang, ergebnis.find_last_not_of(leer) - anfang + 1);
}

}  // namespace

XmlEncodingHandler::XmlEncodingHandler(std::string expectedEncoding)
    : expectedEncoding_(std::move(expectedEncoding)) {}

void XmlEncodingHandler::XMLDecl(const XMLCh* const, const XMLCh* const encodingStr,
                                 const XMLCh* const, const XMLCh* const) {
  if (encodingStr == nullptr || *encodingStr == 0) return;
  encodingDeclared_ = true;
  if (expectedEncoding_.empty()) return;
  declaredEncoding_ = StrX(encodingStr, StrX::kStreng).text();
  if (normalisiert(expectedEncoding_) != normalisiert(declaredEncoding_)) {
    throw WrongEncodingException("Falsches Encoding der XML-Daten: \"" + declaredEncoding_ +
                                 "\". Erwartetes Encoding ist \"" + expectedEncoding_ + "\"");
  }
}

}  // namespace vesk::util::xml
