#include "rules/DatumLeser.h"

#include <stdexcept>
#include <tuple>
#include <utility>

#include "rules/Datumspruefung.h"
#include "rules/IFormaleFehlerConstants.h"
#include "rules/Ziffern.h"

namespace zudadavizu_20_0 {

namespace {

char komponenteVon(char buchstabe) {
  switch (buchstabe) {
    case 'T':
    case 'd':
      return 'T';
    case 'M':
      return 'M';
    case 'J':
    case 'y':
      return 'J';
    default:
      return 0;
  }
}

std::string& teilFuer(DatumsTeile& teile, char art) {
  return art == 'T' ? teile.tag : art == 'M' ? teile.monat : teile.jahr;
}

const std::string& teilFuer(const DatumsTeile& teile, char art) {
  return art == 'T' ? teile.tag : art == 'M' ? teile.monat : teile.jahr;
}

}  // namespace

DatumsSchreibweise::DatumsSchreibweise(const std::string& muster) {
  std::string gesehen;
  for (std::size_t i = 0; i < muster.size();) {
    const char art = komponenteVon(muster[i]);
    if (art == 0) {
      if (elemente_.empty() || elemente_.back().art != 0) elemente_.push_back({0, 0, ""});
      elemente_.back().text += muster[i++];
      continue;
    }
    std::size_t ende = i;
    while (ende < muster.size() && muster[ende] == muster[i]) ++ende;
    const int breite = static_cast<int>(ende - i);
    const bool breiteOk = art == 'J' ? (breite == 2 || breite == 4) : (breite == 1 || breite == 2);
    if (!breiteOk || gesehen.find(art) != std::string::npos) {
      throw std::invalid_argument("Ungueltiges Datumsmuster '" + muster + "'");
    }
    gesehen += art;
    elemente_.push_back({art, breite, ""});
    i = ende;
  }
  if (gesehen.empty()) throw std::invalid_argument("Ungueltiges Datumsmuster '" + muster + "'");
}

DatumsSchreibweise DatumsSchreibweise::fuerDarstellung(const DatumDarstellung& darstellung) const {
  if (!darstellung.istGesetzt()) return *this;
  DatumsSchreibweise anzeige;
  anzeige.nullenOptional_ = darstellung.sindNullenOptional();
  for (const Datumsbestandteil* bestandteil : darstellung.getReihenfolge()) {
    for (const Element& element : elemente_) {
      if (element.art != bestandteil->getBuchstabe()) continue;
      if (!anzeige.elemente_.empty() && !darstellung.getTrenner().empty()) {
        anzeige.elemente_.push_back({0, 0, darstellung.getTrenner()});
      }
      anzeige.elemente_.push_back(element);
    }
  }
  return anzeige;
}

std::string DatumsSchreibweise::formatText() const {
  std::string text;
  for (const Element& element : elemente_) {
    text += element.art == 0 ? element.text : std::string(element.breite, element.art);
  }
  return text;
}

bool DatumsSchreibweise::lies(const std::string& wert, std::size_t& pos, DatumsTeile& teile) const {
  for (const Element& element : elemente_) {
    if (element.art == 0) {
      if (wert.compare(pos, element.text.size(), element.text) != 0) return false;
      pos += element.text.size();
      continue;
    }
    const std::size_t mindestens =
        nullenOptional_ && element.art != 'J' ? 1 : static_cast<std::size_t>(element.breite);
    std::size_t anzahl = 0;
    while (anzahl < static_cast<std::size_t>(element.breite) && pos + anzahl < wert.size() &&
           istZiffer(wert[pos + anzahl])) {
      ++anzahl;
    }
    if (anzahl < mindestens) return false;
    teilFuer(teile, element.art) = wert.substr(pos, anzahl);
    pos += anzahl;
  }
  return true;
}

void DatumsSchreibweise::schreibe(const DatumsTeile& teile, std::string& ziel) const {
  for (const Element& element : elemente_) {
    if (element.art == 0) {
      ziel += element.text;
      continue;
    }
    const std::string& teil = teilFuer(teile, element.art);
    if (teil.size() < static_cast<std::size_t>(element.breite)) {
      ziel.append(element.breite - teil.size(), '0');
    }
    ziel += teil;
  }
}

int DatumsSchreibweise::jahresBreite() const {
  for (const Element& element : elemente_) {
    if (element.art == 'J') return element.breite;
  }
  return 0;
}

bool Datum::operator<(const Datum& b) const {
  return std::tie(jahr, monat, tag) < std::tie(b.jahr, b.monat, b.tag);
}

Datumsbefund pruefeDatumsTeile(const DatumsTeile& teile, const DatumsSchreibweise& schreibweise,
                               int teilBekanntArt) {
  Datumsbefund befund;
  befund.fehlerId = teilbekanntFehler(teile.tag, teile.monat, teile.jahr, teilBekanntArt);
  if (befund.fehlerId != 0) return befund;
  Datum& datum = befund.datum;
  datum.tag = dezimal(teile.tag);
  datum.monat = dezimal(teile.monat);
  datum.jahr = dezimal(teile.jahr);
  const int jahresBreite = schreibweise.jahresBreite();
  if (jahresBreite == 2) datum.jahr = jahrAusZweiStellen(datum.jahr);
  // A fully known date may lie in year 0000: the date test does not look at the year.
  const bool jahrUnbekannt = teilBekanntArt != BEKANNT && jahresBreite != 0 && datum.jahr == 0;
  befund.jahrBekannt = jahresBreite != 0 && !jahrUnbekannt;
  const bool unbekannte =
      (!teile.tag.empty() && datum.tag == 0) || (!teile.monat.empty() && datum.monat == 0);
  bool gueltig = teilBekanntArt != BEKANNT || !unbekannte;
  if (gueltig && datum.monat > 12) gueltig = false;
  if (gueltig && datum.tag != 0) {
    // An unknown month allows 31 days and year 0000, a leap year, 29 February; without a year
    // in the layout February has 28 days, as in istGueltigesDatum.
    const int jahr = jahresBreite == 0 ? -1 : datum.jahr;
    gueltig = datum.tag <= (datum.monat == 0 ? 31 : tageImMonat(datum.monat, jahr));
  }
  if (!gueltig) befund.fehlerId = IFormaleFehlerConstants::ID_DATUM_UNGUELTIG;
  return befund;
}

DatumLeser::DatumLeser(const DatumsSchreibweise& gespeichert, const DatumDarstellung& darstellung,
                       std::string bereichTrenner)
    : gespeichert_(gespeichert),
      anzeige_(&gespeichert),
      speicherTrenner_(std::move(bereichTrenner)),
      anzeigeTrenner_(speicherTrenner_) {
  if (!darstellung.istGesetzt()) return;
  eigeneAnzeige_ = gespeichert.fuerDarstellung(darstellung);
  anzeige_ = &*eigeneAnzeige_;
  if (!speicherTrenner_.empty()) anzeigeTrenner_ = darstellung.getBereichTrenner();
}

std::string DatumLeser::getFormatText() const {
  const std::string einzeln = anzeige_->formatText();
  return anzeigeTrenner_.empty() ? einzeln : einzeln + anzeigeTrenner_ + einzeln;
}

std::size_t DatumLeser::liesAnzeige(const std::string& wert, DatumsTeile (&teile)[2]) const {
  return lies(wert, *anzeige_, anzeigeTrenner_, teile);
}

std::string DatumLeser::konvertiere(const std::string& wert, bool zurAnzeige) const {
  const DatumsSchreibweise& von = zurAnzeige ? gespeichert_ : *anzeige_;
  const DatumsSchreibweise& nach = zurAnzeige ? *anzeige_ : gespeichert_;
  const std::string& vonTrenner = zurAnzeige ? speicherTrenner_ : anzeigeTrenner_;
  const std::string& nachTrenner = zurAnzeige ? anzeigeTrenner_ : speicherTrenner_;
  DatumsTeile teile[2];
  const std::size_t anzahl = lies(wert, von, vonTrenner, teile);
  if (anzahl == 0) return wert;
  std::string ziel;
  nach.schreibe(teile[0], ziel);
  if (anzahl == 2) {
    ziel += nachTrenner;
    nach.schreibe(teile[1], ziel);
  }
  return ziel;
}

std::size_t DatumLeser::lies(const std::string& wert, const DatumsSchreibweise& schreibweise,
                             const std::string& trenner, DatumsTeile (&teile)[2]) const {
  std::size_t pos = 0;
  if (!schreibweise.lies(wert, pos, teile[0])) return 0;
  if (!trenner.empty()) {
    if (wert.compare(pos, trenner.size(), trenner) != 0) return 0;
    pos += trenner.size();
    if (!schreibweise.lies(wert, pos, teile[1])) return 0;
  }
  return pos == wert.size() ? (trenner.empty() ? 1 : 2) : 0;
}

}  // namespace zudadavizu_20_0
