#include "xml/XStr.h"

#include <cstring>
#include <sstream>
#include <stdexcept>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLString.hpp>

#include "xml/XmlPlattform.h"

namespace vesk::util::xml {

using namespace xercesc;

XStr::XStr(const char* text) : XStr(text, std::strlen(text)) {}

XStr::XStr(const std::string& text) : XStr(text.data(), text.size()) {}

XStr::XStr(const char* text, std::size_t laenge) : zeichen_(laenge + 1, 0) {
  XMLTranscoder* transcoder = xmlPlattform();
  if (laenge == 0) return;
  std::vector<unsigned char> zeichenGroessen(laenge + 2);
  XMLSize_t verbraucht = 0;
  const XMLSize_t erzeugt =
      transcoder->transcodeFrom(reinterpret_cast<const XMLByte*>(text), laenge, zeichen_.data(),
                                laenge + 1, verbraucht, zeichenGroessen.data());
  zeichen_.resize(erzeugt + 1);
  zeichen_[erzeugt] = 0;
}

namespace {

// Characters below 128 as they are, anything else as '?'.
std::string alsAscii(const XMLCh* text) {
  std::string ergebnis;
  for (; *text != 0; ++text) ergebnis += *text < 128 ? static_cast<char>(*text) : '?';
  return ergebnis;
}

}  // namespace

StrX::StrX(const XMLCh* text, Modus modus) {
  if (text == nullptr || *text == 0) return;
  XMLTranscoder* transcoder = xmlPlattform();
  try {
    TranscodeToStr bytes(text, XMLString::stringLen(text), transcoder);
    text_.assign(reinterpret_cast<const char*>(bytes.str()), bytes.length());
  } catch (const OutOfMemoryException&) {
    throw SpeicherMangel();
  } catch (const XMLException& e) {
    if (modus == kNachsichtig) {
      text_ = alsAscii(text);
      return;
    }
    std::ostringstream meldung;
    meldung << "Fehler beim Transkodieren von Unicode zu " << kLatin9 << ". Nachricht: \""
            << StrX(e.getMessage(), kNachsichtig).text() << "\" Fehlercode: " << e.getCode();
    throw std::runtime_error(meldung.str());
  }
}

}  // namespace vesk::util::xml
