#include "rules/FormatDefinitionDatum.h"

#include <boost/algorithm/string/replace.hpp>
#include <stdexcept>

#include "rules/Fehlermeldung.h"
#include "rules/IFormaleFehlerConstants.h"

namespace zudadavizu_20_0 {

namespace {

std::string teilBekanntArtName(int code) {
  static const char* const kNamen[] = {"Bekannt", "TagOptional", "MonatOptional", "JahrOptional"};
  if (code < 0 || code > 3) {
    throw std::invalid_argument("Unbekannte Art der Teilbekanntheit: '" + std::to_string(code));
  }
  return kNamen[code];
}

// "TT.MM.JJJJ" -> "dd.MM.yyyy".
std::string alsFormatAttribut(std::string muster) {
  for (char& c : muster) {
    if (c == 'T') c = 'd';
    if (c == 'J') c = 'y';
  }
  return muster;
}

}  // namespace

FormatDefinitionDatum::FormatDefinitionDatum(const std::string& muster, bool pruefeAb1900,
                                             int teilBekanntArtCode)
    : FormatDefinitionDatum(muster, pruefeAb1900, teilBekanntArtCode, "Datum", muster) {}

FormatDefinitionDatum::FormatDefinitionDatum(const std::string& muster, bool pruefeAb1900,
                                             int teilBekanntArtCode, const std::string& musterName,
                                             const std::string& attributMuster)
    : teilBekanntArt_(teilBekanntArtName(teilBekanntArtCode)),
      muster_(musterName),
      formatAttribut_(alsFormatAttribut(attributMuster)),
      laenge_(static_cast<int>(attributMuster.size())),
      format_(muster),
      pruefeAb1900_(pruefeAb1900),
      teilBekanntArtCode_(teilBekanntArtCode),
      schreibweise_(muster) {}

std::string FormatDefinitionDatum::fuelleFormat(const std::string& vorlage) const {
  return boost::algorithm::replace_all_copy(vorlage, "%7", schreibweise_.formatText());
}

int FormatDefinitionDatum::pruefeWert(const Pruefkontext& kontext,
                                      const IRegelmenge& /*regelmenge*/) const {
  using C = IFormaleFehlerConstants;
  if (kontext.logger != nullptr && kontext.logger->istTrace()) {
    kontext.logger->trace("Validiere Datum <" + kontext.wert + "> .");
  }
  const DatumLeser leser(schreibweise_, datumsDarstellung(kontext), std::string());
  DatumsTeile teile[2];
  if (leser.liesAnzeige(kontext.wert, teile) == 0) {
    return melde(C::ID_DATUM_UNGUELTIG, C::DATUM_FORMAT_FALSCH, leser.getFormatText(), kontext);
  }
  const Datumsbefund befund = pruefeDatumsTeile(teile[0], schreibweise_, teilBekanntArtCode_);
  if (befund.fehlerId != 0) {
    // Read but no date: recorded without putting in the format, so "%7" stays in the text.
    return meldeFehler(C::DATUM_FALSCH, formaleTexte(befund.fehlerId, kontext), kontext);
  }
  if (pruefeAb1900_ && befund.jahrBekannt && befund.datum.jahr < 1900) {
    return melde(C::ID_DATUM_VOR_1900, C::DATUM_FALSCH, leser.getFormatText(), kontext);
  }
  return 0;
}

const Attribut& FormatDefinitionDatum::getAttribut(const std::string& name) const {
  if (name == FormatAttribute::MIN_LAENGE || name == FormatAttribute::MAX_LAENGE) return laenge_;
  if (name == FormatAttribute::MUSTER) return muster_;
  if (name == FormatAttribute::FORMAT) return formatAttribut_;
  if (name == FormatAttribute::TEIL_BEKANNT_ART) return teilBekanntArt_;
  return leer_;
}

std::string FormatDefinitionDatum::konvertiereWert(const std::string& wert,
                                                   const Darstellung& darstellung,
                                                   bool richtung) const {
  const DatumLeser leser(schreibweise_, darstellung.getDatum(), std::string());
  return leser.konvertiere(wert, !richtung);
}

const DatumDarstellung& FormatDefinitionDatum::datumsDarstellung(const Pruefkontext& kontext) {
  static const DatumDarstellung ohneEinstellungen(Darstellungsinformation(), 0);
  return kontext.darstellung != nullptr ? kontext.darstellung->getDatum() : ohneEinstellungen;
}

int FormatDefinitionDatum::melde(int fehlerId, const std::string& schluessel,
                                 const std::string& formatText, const Pruefkontext& kontext) {
  const std::string vorlage =
      boost::algorithm::replace_all_copy(formaleTexte(fehlerId, kontext), "%7", formatText);
  return meldeFehler(schluessel, vorlage, kontext);
}

}  // namespace zudadavizu_20_0
