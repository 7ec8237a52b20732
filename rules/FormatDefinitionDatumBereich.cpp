#include "rules/FormatDefinitionDatumBereich.h"

#include <boost/algorithm/string/replace.hpp>

#include "rules/Datumspruefung.h"
#include "rules/IFormaleFehlerConstants.h"
#include "rules/IRegelmenge.h"

namespace zudadavizu_20_0 {

FormatDefinitionDatumBereich::FormatDefinitionDatumBereich(const std::string& muster,
                                                           bool pruefeAb1900, char bereichTrenner)
    : FormatDefinitionDatum(muster, pruefeAb1900, BEKANNT, "DatumBereich",
                            muster + bereichTrenner + muster),
      bereichTrenner_(bereichTrenner) {}

std::string FormatDefinitionDatumBereich::getBereichMuster() const {
  return getFormat() + bereichTrenner_ + getFormat();
}

std::string FormatDefinitionDatumBereich::fuelleFormat(const std::string& vorlage) const {
  const std::string format = getSchreibweise().formatText();
  return boost::algorithm::replace_all_copy(vorlage, "%7", format + bereichTrenner_ + format);
}

int FormatDefinitionDatumBereich::pruefeWert(const Pruefkontext& kontext,
                                             const IRegelmenge& regelmenge) const {
  using C = IFormaleFehlerConstants;
  const DatumLeser leser(getSchreibweise(), datumsDarstellung(kontext),
                         std::string(1, bereichTrenner_));
  if (kontext.wert.find(leser.getAnzeigeTrenner()) == std::string::npos) {
    return melde(C::ID_DATUM_BEREICH_UNGUELTIG, C::DATUM_BEREICH_TRENNER_FEHLT,
                 leser.getFormatText(), kontext);
  }
  DatumsTeile teile[2];
  Datumsbefund anfang;
  Datumsbefund ende;
  const bool gelesen = leser.liesAnzeige(kontext.wert, teile) == 2;
  if (gelesen) {
    anfang = pruefeDatumsTeile(teile[0], getSchreibweise(), BEKANNT);
    ende = pruefeDatumsTeile(teile[1], getSchreibweise(), BEKANNT);
  }
  if (!gelesen || anfang.fehlerId != 0 || ende.fehlerId != 0) {
    return melde(C::ID_DATUM_BEREICH_UNGUELTIG, C::DATUM_BEREICH_FORMAT_FALSCH,
                 leser.getFormatText(), kontext);
  }
  if (regelmenge.pruefeWirtschaftsjahr() && getFormat() == "yyyy") {
    return pruefeWirtschaftsjahr(anfang, ende, leser, kontext, regelmenge);
  }
  if ((anfang.jahrBekannt && anfang.datum.jahr < 1900) ||
      (ende.jahrBekannt && ende.datum.jahr < 1900)) {
    return melde(C::ID_DATUM_BEREICH_VOR_1900, C::DATUM_BEREICH_DATUM_FALSCH, leser.getFormatText(),
                 kontext);
  }
  if (ende.datum < anfang.datum) {
    return melde(C::ID_DATUM_BEREICH_ENDE_VOR_ANFANG, C::DATUM_BEREICH_NICHT_GUELTIG,
                 leser.getFormatText(), kontext);
  }
  return 0;
}

int FormatDefinitionDatumBereich::pruefeWirtschaftsjahr(const Datumsbefund& anfang,
                                                        const Datumsbefund& ende,
                                                        const DatumLeser& leser,
                                                        const Pruefkontext& kontext,
                                                        const IRegelmenge& regelmenge) const {
  using C = IFormaleFehlerConstants;
  const int start = anfang.datum.jahr;
  const int schluss = ende.datum.jahr;
  const int veranlagungsjahr = regelmenge.getVeranlagungsjahr();
  if (start < 1960) {
    return melde(C::ID_WJ_ANFANG_VOR_1960, C::DATUM_BEREICH_ANFANG_VOR_1960, leser.getFormatText(),
                 kontext);
  }
  if (veranlagungsjahr != 0 && schluss > veranlagungsjahr + 1) {
    return melde(C::ID_WJ_ENDE_NACH_VZ_PLUS_EINS, C::DATUM_BEREICH_ENDE_NACH_VZ_PLUS_EINS,
                 leser.getFormatText(), kontext);
  }
  if (schluss - start > 1) {
    return melde(C::ID_WJ_MEHR_ALS_EIN_JAHR, C::DATUM_BEREICH_UMFASST_MEHR_ALS_EIN_JAHR,
                 leser.getFormatText(), kontext);
  }
  if (schluss < start) {
    return melde(C::ID_WJ_ENDE_VOR_ANFANG, C::DATUM_BEREICH_ENDE_VOR_ANFANG, leser.getFormatText(),
                 kontext);
  }
  return 0;
}

std::string FormatDefinitionDatumBereich::konvertiereWert(const std::string& wert,
                                                          const Darstellung& darstellung,
                                                          bool richtung) const {
  const DatumLeser leser(getSchreibweise(), darstellung.getDatum(),
                         std::string(1, bereichTrenner_));
  return leser.konvertiere(wert, !richtung);
}

}  // namespace zudadavizu_20_0
