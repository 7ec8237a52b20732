#include "rules/DatumDarstellung.h"

#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {

namespace {

bool istReihenfolge(const std::string& wert) {
  static const char* const kErlaubt[] = {"JMT", "JTM", "MTJ", "MJT", "TMJ", "TJM"};
  for (const char* erlaubt : kErlaubt) {
    if (wert == erlaubt) return true;
  }
  return false;
}

[[noreturn]] void wirf(const std::string& meldung) {
  throw UngueltigeDarstellungsInformationException(meldung);
}

}  // namespace

DatumDarstellung::DatumDarstellung(const Darstellungsinformation& info, int jahr)
    : trenner_(info.wertVon("DatumTrenner")),
      bereichTrenner_(info.wertVon("DatumBereichTrenner")),
      nullenOptional_(false),
      jahr_(jahr) {
  const std::string& nichts = Darstellungsinformation::nullText();
  const std::string& reihenfolge = info.wertVon("DatumReihenfolge");
  if (reihenfolge != nichts) {
    if (!istReihenfolge(reihenfolge)) {
      wirf("Ungueltige Reihenfolge '" + reihenfolge + "' fuer Datumsbestandteile.");
    }
    for (char buchstabe : reihenfolge) reihenfolge_.push_back(&Datumsbestandteil::fuer(buchstabe));
  }
  const std::string& nullenOptional = info.wertVon("DatumNullenOptional");
  nullenOptional_ = nullenOptional == "j";
  if (nullenOptional != nichts && nullenOptional != "j" && nullenOptional != "n") {
    wirf("Schlüssel 'DatumNullenOptional' hat unzulässigen Wert '" + nullenOptional + "'");
  }
  const bool trennerGesetzt = trenner_ != nichts;
  const bool bereichTrennerGesetzt = bereichTrenner_ != nichts;
  if (trennerGesetzt) {
    if (trenner_ == " ") wirf("Datumstrenner darf nicht das Leerzeichen sein");
    if (trenner_.size() >= 2) {
      wirf("Datumstrenner darf nur ein Zeichen umfassen ('" + trenner_ + "')");
    }
  }
  if (bereichTrennerGesetzt && bereichTrenner_.size() != 1) {
    wirf("DatumsBereichtrenner darf nur ein Zeichen umfassen");
  }
  const int gesetzt = trennerGesetzt + bereichTrennerGesetzt + !reihenfolge_.empty();
  if (gesetzt != 0 && gesetzt != 3) {
    wirf(
        "Wenn für einen der Schlüssel 'DatumTrenner', 'DatumBereichTrenner' "
        "oder 'DatumReihenfolge' ein Wert spezifiziert wird, muss für die anderen Schlüssel "
        "auch ein Wert spezifiziert werden.");
  }
  if (nullenOptional_ && (!trennerGesetzt || trenner_.empty())) {
    wirf("DatumNullenOptional gewählt, aber keinen DatumTrenner spezifiziert.");
  }
  if (trennerGesetzt && trenner_ == bereichTrenner_) {
    wirf("DatumTrenner und DatumBereichTrenner müssen verschieden sein.");
  }
}

}  // namespace zudadavizu_20_0
