#include "taxofficeservice/FinanzamtListenXml.h"

#include <utility>

namespace vesk::divideVira {

namespace {

bool istNrwTestnummer(int nummer) {
  return (nummer >= 54 && nummer <= 56) || (nummer >= 5400 && nummer <= 5699);
}

}  // namespace

void erzeugeListenPaare(const FinanzamtListenEintrag* liste, int breite, bool mitNrwTest,
                        std::vector<FinanzamtListenPaar>& paare) {
  for (; liste->nummer != 0; ++liste) {
    if (!mitNrwTest && istNrwTestnummer(liste->nummer)) continue;
    std::string nummer = std::to_string(liste->nummer);
    if (static_cast<int>(nummer.size()) < breite) nummer.insert(0, breite - nummer.size(), '0');
    paare.emplace_back(std::move(nummer), liste->name);
  }
}

void schreibeXml(std::string& ausgabe, XmlListenform form, plugin2::iface::IPluginLogger* logger,
                 const std::function<void(util::xml::XmlStreamWriter&)>& inhalt) {
  try {
    ausgabe.clear();
    util::xml::XmlStreamWriter writer(&ausgabe, "ISO-8859-15", true);
    inhalt(writer);
  } catch (...) {
    if (logger != nullptr) {
      logger->log(form == XmlListenform::kLaender
                      ? "Unbekannte Ausnahme beim Erzeugen der XML-Daten in finanzamtLaenderAsXml"
                      : "Unbekannte Ausnahme beim Erzeugen der XML-Daten in finanzaemterAsXml");
    }
    ausgabe.clear();
    throw;
  }
}

void listeAlsXml(const std::vector<FinanzamtListenPaar>& paare, const std::string& wurzel,
                 XmlListenform form, std::string& ausgabe, plugin2::iface::IPluginLogger* logger) {
  const bool laender = form == XmlListenform::kLaender;
  const std::string eintragElement = laender ? "FinanzamtLand" : "Finanzamt";
  const std::string nummerElement = laender ? "FinanzamtLandNummer" : "BuFaNummer";
  schreibeXml(ausgabe, form, logger, [&](util::xml::XmlStreamWriter& writer) {
    ausgabe.reserve(256 + 96 * paare.size());  // one entry takes about 70 to 100 bytes
    writer.setDefaultNamespace(std::string(kXmlNamensraumBasis) + "1.0/" + wurzel);
    writer.writeStartDocument();
    writer.writeStartElement(wurzel);
    for (const auto& [nummer, name] : paare) {
      writer.writeStartElement(eintragElement);
      writer.writeTextElement(nummerElement, nummer);
      writer.writeTextElement("Name", name);
      writer.writeEndElement();
    }
    writer.writeEndDocument();
  });
}

}  // namespace vesk::divideVira
