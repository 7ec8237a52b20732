#include "xml/XmlStreamWriter.h"

namespace vesk::util::xml {

namespace {

constexpr char kZeilenumbruch[] = "\r\n";
constexpr char kKeinElement[] =
    "Kann Attribut nicht schreiben, weil kein aktuelles Element vorhanden ist";
constexpr char kKeinOffenesElement[] =
    "Fehler beim schreiben eines Elementendes: Es gibt kein offenes Element.";
constexpr char kNamensraumFehlt[] = "Namensraum nicht gefunden";

bool mussMaskiert(char c, bool attribut) {
  return c == '&' || c == '<' || c == '>' || (attribut && c == '"');
}

// Replaces every occurrence of muster in text (muster is never empty).
std::string ersetzeAlle(const std::string& text, const std::string& muster,
                        const std::string& ersatz) {
  std::string ergebnis;
  std::size_t von = 0;
  for (std::size_t fund = text.find(muster); fund != std::string::npos;
       fund = text.find(muster, von)) {
    ergebnis.append(text, von, fund - von).append(ersatz);
    von = fund + muster.size();
  }
  return ergebnis.append(text, von, std::string::npos);
}

}  // namespace

XmlStreamWriter::XmlStreamWriter(std::string* ausgabe, const std::string& encoding,
                                 bool prettyPrint)
    : encoding_(encoding), output_(ausgabe), prettyPrint_(prettyPrint) {}

void XmlStreamWriter::haenge(const char* text, std::size_t laenge) {
  // Most pieces are a character or two; push_back is inlined, append is not.
  if (laenge <= 2) {
    for (std::size_t i = 0; i < laenge; ++i) output_->push_back(text[i]);
  } else {
    output_->append(text, laenge);
  }
  anythingWritten_ = true;
}

void XmlStreamWriter::haengeMaskiert(const char* text, std::size_t laenge, bool attribut) {
  std::size_t i = 0;
  while (i < laenge && !mussMaskiert(text[i], attribut)) ++i;
  if (i == laenge) return haenge(text, laenge);

  std::string maskiert(text, i);
  maskiert.reserve(laenge + 16);
  for (; i < laenge; ++i) {
    switch (text[i]) {
      case '&':
        maskiert += "&amp;";
        break;
      case '<':
        maskiert += "&lt;";
        break;
      case '>':
        maskiert += "&gt;";
        break;
      case '"':
        if (attribut) {
          maskiert += "&quot;";
          break;
        }
        [[fallthrough]];
      default:
        maskiert += text[i];
    }
  }
  haenge(maskiert);
}

void XmlStreamWriter::schliesseStartTag() {
  if (startTagState_ == kOffen) haenge(">", 1);
  if (startTagState_ == kLeer) haenge("/>", 2);
  startTagState_ = kKeiner;
}

void XmlStreamWriter::zeilenumbruch() {
  if (!prettyPrint_ || !anythingWritten_) return;
  haenge(kZeilenumbruch, 2);
  for (std::size_t ebene = 0; ebene < openElements_.size(); ++ebene) output_->push_back('\t');
}

std::string XmlStreamWriter::qualifiziere(const std::string& prefix, const std::string& localName) {
  return prefix.empty() ? localName : prefix + ':' + localName;
}

std::string XmlStreamWriter::praefixFuer(const std::string& uri) const {
  if (uri == defaultNamespace_) return std::string();
  auto eintrag = prefixes_.find(uri);
  if (eintrag == prefixes_.end() || eintrag->second.empty()) {
    throw XmlStreamWriterException(kNamensraumFehlt);
  }
  return eintrag->second;
}

void XmlStreamWriter::beginneTag(const std::string& qualifiziert, StartTag zustand) {
  schliesseStartTag();
  zeilenumbruch();
  haenge("<", 1);
  haenge(qualifiziert);
  if (!defaultNamespaceWritten_) {
    defaultNamespaceWritten_ = true;
    if (!defaultNamespace_.empty()) {
      haenge(" xmlns=\"", 8);
      haengeMaskiert(defaultNamespace_.data(), defaultNamespace_.size(), true);
      haenge("\"", 1);
    }
  }
  startTagState_ = zustand;
}

void XmlStreamWriter::writeStartDocument() { writeStartDocument("1.0"); }

void XmlStreamWriter::writeStartDocument(const std::string& version) {
  writeProcessingInstruction("xml", "version=\"" + version + "\" encoding=\"" + encoding_ + "\"");
}

void XmlStreamWriter::writeStartElement(const std::string& localName) {
  beginneTag(localName, kOffen);
  openElements_.push_back(localName);
  endTagOnNewLine_ = false;
}

void XmlStreamWriter::writeStartElement(const std::string& prefix, const std::string& localName) {
  writeStartElement(qualifiziere(prefix, localName));
}

void XmlStreamWriter::writeStartElement(const NamespaceUri& ns, const std::string& localName) {
  writeStartElement(qualifiziere(praefixFuer(ns.uri), localName));
}

void XmlStreamWriter::writeEmptyElement(const std::string& localName) {
  beginneTag(localName, kLeer);
  endTagOnNewLine_ = true;
}

void XmlStreamWriter::writeEmptyElement(const std::string& prefix, const std::string& localName) {
  writeEmptyElement(qualifiziere(prefix, localName));
}

void XmlStreamWriter::writeEmptyElement(const NamespaceUri& ns, const std::string& localName) {
  schliesseStartTag();
  writeEmptyElement(qualifiziere(praefixFuer(ns.uri), localName));
}

void XmlStreamWriter::writeEndElement() {
  schliesseStartTag();
  if (openElements_.empty()) throw XmlStreamWriterException(kKeinOffenesElement);
  std::string name = std::move(openElements_.back());
  openElements_.pop_back();
  if (endTagOnNewLine_) zeilenumbruch();
  haenge("</", 2);
  haenge(name);
  haenge(">", 1);
  endTagOnNewLine_ = true;
}

void XmlStreamWriter::writeEndDocument() {
  schliesseStartTag();
  while (!openElements_.empty()) writeEndElement();
}

void XmlStreamWriter::writeTextElement(const std::string& localName, const std::string& text) {
  if (text.empty()) return writeEmptyElement(localName);
  writeStartElement(localName);
  writeCharacters(text);
  writeEndElement();
}

void XmlStreamWriter::writeTextElement(const NamespaceUri& ns, const std::string& localName,
                                       const std::string& text) {
  if (text.empty()) return writeEmptyElement(ns, localName);
  writeStartElement(ns, localName);
  writeCharacters(text);
  writeEndElement();
}

void XmlStreamWriter::writeTextElementIfNotEmpty(const std::string& localName,
                                                 const std::string& text) {
  if (!text.empty()) writeTextElement(localName, text);
}

void XmlStreamWriter::writeTextElementIfNotEmpty(const NamespaceUri& ns,
                                                 const std::string& localName,
                                                 const std::string& text) {
  if (!text.empty()) writeTextElement(ns, localName, text);
}

void XmlStreamWriter::schreibeAttribut(const std::string& qualifiziert, const std::string& value) {
  if (startTagState_ == kKeiner) throw XmlStreamWriterException(kKeinElement);
  haenge(" ", 1);
  haenge(qualifiziert);
  haenge("=\"", 2);
  haengeMaskiert(value.data(), value.size(), true);
  haenge("\"", 1);
}

void XmlStreamWriter::writeAttribute(const std::string& localName, const std::string& value) {
  schreibeAttribut(localName, value);
}

void XmlStreamWriter::writeAttribute(const std::string& prefix, const std::string& localName,
                                     const std::string& value) {
  schreibeAttribut(qualifiziere(prefix, localName), value);
}

void XmlStreamWriter::writeAttribute(const NamespaceUri& ns, const std::string& localName,
                                     const std::string& value) {
  if (startTagState_ == kKeiner) throw XmlStreamWriterException(kKeinElement);
  schreibeAttribut(qualifiziere(praefixFuer(ns.uri), localName), value);
}

void XmlStreamWriter::writeNamespace(const std::string& prefix, const std::string& uri) {
  writeAttribute("xmlns", prefix, uri);
}

void XmlStreamWriter::writeDefaultNamespace(const std::string& uri) {
  writeAttribute("xmlns", uri);
}

void XmlStreamWriter::writeCharacters(const std::string& text) {
  writeCharacters(text.data(), text.size());
}

void XmlStreamWriter::writeCharacters(const char* text, std::size_t laenge) {
  schliesseStartTag();
  haengeMaskiert(text, laenge, false);
}

void XmlStreamWriter::writeCData(const std::string& text) {
  schliesseStartTag();
  haenge("<![CDATA[", 9);
  std::size_t von = 0;
  // Each "]]>" is cut after its brackets; its '>' opens the next section.
  for (std::size_t fund = text.find("]]>"); fund != std::string::npos;
       fund = text.find("]]>", von)) {
    haenge(text.data() + von, fund + 2 - von);
    haenge("]]><![CDATA[", 12);
    von = fund + 2;
  }
  haenge(text.data() + von, text.size() - von);
  haenge("]]>", 3);
}

void XmlStreamWriter::writeComment(const std::string& text) {
  schliesseStartTag();
  haenge("<!--", 4);
  haenge(ersetzeAlle(text, "-->", "--&gt;"));
  haenge("-->", 3);
}

void XmlStreamWriter::writeDTD(const std::string& text) {
  schliesseStartTag();
  haenge("<!DOCTYPE ", 10);
  haenge(text);
  haenge(">", 1);
}

void XmlStreamWriter::writeProcessingInstruction(const std::string& target) {
  schliesseStartTag();
  zeilenumbruch();
  haenge("<?", 2);
  haenge(target);
  haenge("?>", 2);
}

void XmlStreamWriter::writeProcessingInstruction(const std::string& target,
                                                 const std::string& data) {
  schliesseStartTag();
  zeilenumbruch();
  haenge("<?", 2);
  haenge(target);
  haenge(" ", 1);
  haenge(ersetzeAlle(data, "?>", "?&gt;"));
  haenge("?>", 2);
}

void XmlStreamWriter::writeRaw(const std::string& text) { writeRaw(text.data(), text.size()); }

void XmlStreamWriter::writeRaw(const char* text, std::size_t laenge) {
  schliesseStartTag();
  haenge(text, laenge);
}

void XmlStreamWriter::setPrefix(const std::string& prefix, const std::string& uri) {
  prefixes_[uri] = prefix;
}

void XmlStreamWriter::setDefaultNamespace(const std::string& uri) { defaultNamespace_ = uri; }

}  // namespace vesk::util::xml
