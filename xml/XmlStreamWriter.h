#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>

namespace vesk::util::xml {

class XmlStreamWriterException : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Marks a namespace URI argument, which would otherwise be indistinguishable
// from a prefix.
struct NamespaceUri {
  std::string uri;
};

// Forward-only XML writer appending to a string owned by the caller. Texts are
// single-byte; nothing is transcoded. A failing operation throws
// XmlStreamWriterException and appends nothing (writeEndElement and the
// namespace form of writeEmptyElement close a pending start tag first).
class XmlStreamWriter {
 public:
  // ausgabe must outlive the writer; prettyPrint adds CR LF and tab indentation.
  XmlStreamWriter(std::string* ausgabe, const std::string& encoding, bool prettyPrint);

  // <?xml version="..." encoding="..."?>, version "1.0" by default.
  void writeStartDocument();
  void writeStartDocument(const std::string& version);

  // Start tag; stays open for attributes until the next write.
  void writeStartElement(const std::string& localName);
  void writeStartElement(const std::string& prefix, const std::string& localName);
  void writeStartElement(const NamespaceUri& ns, const std::string& localName);

  // Tag closed with "/>" by the next write.
  void writeEmptyElement(const std::string& localName);
  void writeEmptyElement(const std::string& prefix, const std::string& localName);
  void writeEmptyElement(const NamespaceUri& ns, const std::string& localName);

  // Ends the innermost open element; throws when none is open.
  void writeEndElement();
  // Ends every open element.
  void writeEndDocument();

  // Element with text content; an empty text gives an empty-element tag.
  void writeTextElement(const std::string& localName, const std::string& text);
  void writeTextElement(const NamespaceUri& ns, const std::string& localName,
                        const std::string& text);
  // As writeTextElement, but nothing at all for an empty text.
  void writeTextElementIfNotEmpty(const std::string& localName, const std::string& text);
  void writeTextElementIfNotEmpty(const NamespaceUri& ns, const std::string& localName,
                                  const std::string& text);

  // Attribute of the start tag just written; throws when there is none.
  void writeAttribute(const std::string& localName, const std::string& value);
  void writeAttribute(const std::string& prefix, const std::string& localName,
                      const std::string& value);
  void writeAttribute(const NamespaceUri& ns, const std::string& localName,
                      const std::string& value);
  // xmlns:prefix="uri" and xmlns="uri" on the start tag just written.
  void writeNamespace(const std::string& prefix, const std::string& uri);
  void writeDefaultNamespace(const std::string& uri);

  // Escaped character data.
  void writeCharacters(const std::string& text);
  void writeCharacters(const char* text, std::size_t laenge);
  // CDATA section(s) reproducing text exactly, split around every "]]>".
  void writeCData(const std::string& text);
  void writeComment(const std::string& text);
  void writeDTD(const std::string& text);
  void writeProcessingInstruction(const std::string& target);
  void writeProcessingInstruction(const std::string& target, const std::string& data);
  // Appended unchanged.
  void writeRaw(const std::string& text);
  void writeRaw(const char* text, std::size_t laenge);

  // Prefix used for uri from now on; writes nothing.
  void setPrefix(const std::string& prefix, const std::string& uri);
  // Declared on the first element written; writes nothing.
  void setDefaultNamespace(const std::string& uri);

 private:
  enum StartTag : std::int32_t { kKeiner = 0, kLeer = 1, kOffen = 2 };

  void haenge(const char* text, std::size_t laenge);
  void haenge(const std::string& text) { haenge(text.data(), text.size()); }
  void haengeMaskiert(const char* text, std::size_t laenge, bool attribut);
  void schliesseStartTag();
  void zeilenumbruch();
  void beginneTag(const std::string& qualifiziert, StartTag zustand);
  void schreibeAttribut(const std::string& qualifiziert, const std::string& value);
  std::string praefixFuer(const std::string& uri) const;
  static std::string qualifiziere(const std::string& prefix, const std::string& localName);

  std::string encoding_;
  std::string* output_;
  std::deque<std::string> openElements_;
  std::map<std::string, std::string> prefixes_;
  std::string defaultNamespace_;
  bool defaultNamespaceWritten_ = false;
  std::int32_t startTagState_ = kKeiner;
  bool prettyPrint_;
  bool anythingWritten_ = false;
  bool endTagOnNewLine_ = false;
};

}  // namespace vesk::util::xml
