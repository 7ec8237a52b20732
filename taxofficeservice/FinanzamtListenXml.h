#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "taxoffice/Finanzamtstabellen.h"
#include "veskplugin2/IPluginLogger.h"
#include "xml/XmlStreamWriter.h"

namespace vesk::divideVira {

// Namespace base of the list documents; "1.0/" and the root element name follow.
inline constexpr char kXmlNamensraumBasis[] = "http://divide-vira.example/finanzamtsdaten/";

// Number (zero-padded to a fixed width) and name of one list entry.
using FinanzamtListenPaar = std::pair<std::string, std::string>;

// The two kinds of list document: element names and the text of the log line.
enum class XmlListenform { kFinanzaemter, kLaender };

// Appends one pair per entry up to the terminating 0, numbers padded to breite.
// Entries 54 to 56 and 5400 to 5699 are taken only with mitNrwTest.
void erzeugeListenPaare(const FinanzamtListenEintrag* liste, int breite, bool mitNrwTest,
                        std::vector<FinanzamtListenPaar>& paare);

// Overwrites ausgabe with the list document under the root element wurzel.
void listeAlsXml(const std::vector<FinanzamtListenPaar>& paare, const std::string& wurzel,
                 XmlListenform form, std::string& ausgabe, plugin2::iface::IPluginLogger* logger);

// Runs inhalt on a pretty-printing ISO-8859-15 writer over the emptied ausgabe.
// Whatever it throws is logged (when there is a logger), ausgabe is emptied
// and the exception is rethrown unchanged.
void schreibeXml(std::string& ausgabe, XmlListenform form, plugin2::iface::IPluginLogger* logger,
                 const std::function<void(util::xml::XmlStreamWriter&)>& inhalt);

}  // namespace vesk::divideVira
