#include "rules/Darstellung.h"

#include "rules/RulesExceptions.h"

namespace zudadavizu_20_0 {

namespace {

bool istErlaubterSchluessel(const std::string& schluessel) {
  static const char* const kErlaubt[] = {"DezimalTrenner",
                                         "WertWahr",
                                         "WertFalsch",
                                         "DatumTrenner",
                                         "DatumBereichTrenner",
                                         "DatumNullenOptional",
                                         "DatumReihenfolge",
                                         "KonvertiereEnumerationen",
                                         "KonvertiereSteuernummer"};
  for (const char* erlaubt : kErlaubt) {
    if (schluessel == erlaubt) return true;
  }
  return false;
}

}  // namespace

Darstellung::Darstellung(char standardDezimalTrenner, const Darstellungsinformation& info, int jahr)
    : eintraege_(info),
      datum_(eintraege_, jahr),
      standardDezimalTrenner_(standardDezimalTrenner),
      dezimalTrenner_(standardDezimalTrenner) {
  for (const auto& eintrag : eintraege_.getEintraege()) {
    const std::string& schluessel = eintrag.first.first;
    if (!istErlaubterSchluessel(schluessel)) {
      throw UngueltigeDarstellungsInformationException("Ungueltiger Schluessel '" + schluessel +
                                                       "' in Darstellungsinformation verwendet.");
    }
  }
  const std::string& dezimalTrenner = eintraege_.wertVon("DezimalTrenner");
  if (dezimalTrenner != Darstellungsinformation::nullText()) {
    if (dezimalTrenner != "." && dezimalTrenner != ",") {
      throw UngueltigeDarstellungsInformationException(
          "Ungueltiger Dezimaltrenner '" + dezimalTrenner + "' in Darstellungsinformation.");
    }
    dezimalTrenner_ = dezimalTrenner.front();
    dezimalTrennerGesetzt_ = true;
  }
  wertWahr_ = eintraege_.wertVon("WertWahr");
  wertFalsch_ = eintraege_.wertVon("WertFalsch");
  konvertiereSteuernummer_ = eintraege_.wertVon("KonvertiereSteuernummer") == "j";
  konvertiereEnumerationen_ = eintraege_.wertVon("KonvertiereEnumerationen") == "j";
}

}  // namespace zudadavizu_20_0
