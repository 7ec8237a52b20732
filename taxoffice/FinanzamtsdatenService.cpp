// Directory operations of the tax office data service (slots 5 to 8, 10, 15,
// 16, 20); the tax number operations live in taxnumber/.
#include "taxoffice/FinanzamtsdatenService.h"

#include <boost/lexical_cast.hpp>
#include <cstdlib>
#include <vector>

#include "taxoffice/FinanzamtListenXml.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "verifiers/Pruefziffern.h"

namespace vesk::divideVira {

namespace {

constexpr int kOk = 0;
constexpr int kKeineZahl = 610001002;
constexpr int kKeineDaten = 610001008;
constexpr int kFinanzamtnummerFalsch = 610001038;
constexpr int kLandFehlt = 610001400;
constexpr int kLandUnbekannt = 610001404;

// A text that is an integer as a whole (no blanks, nothing after the digits); the one way
// the service reads numbers, apart from the Land key of holeFinanzaemter.
bool alsGanzzahl(const std::string& text, int& zahl) {
  return boost::conversion::try_lexical_convert(text, zahl);
}

void uebertrage(const FinanzamtEintrag& eintrag, plugin2::iface::IFinanzamtsdaten& daten) {
  // One std::string per setter call is what the host interface asks for.
#define DV_SETZE(feld, breite) daten.set##feld(eintrag.feld);
  DV_FINANZAMT_FELDER(DV_SETZE)
#undef DV_SETZE
}

}  // namespace

int FinanzamtsdatenService::holeFinanzamtLandNummern(std::string& xml, bool mitNrwTestschluesseln) {
  std::vector<FinanzamtListenPaar> paare;
  erzeugeListenPaare(FINANZAMT_LAND_LISTE, 2, mitNrwTestschluesseln, paare);
  listeAlsXml(paare, "VeskHoleFinanzamtLandNummern", XmlListenform::kLaender, xml, logger_);
  return kOk;
}

int FinanzamtsdatenService::holeTestfinanzaemter(std::string& xml) {
  std::vector<FinanzamtListenPaar> paare;
  erzeugeListenPaare(TESTFINANZAMT_LISTE, 4, true, paare);
  listeAlsXml(paare, "VeskHoleTestfinanzaemter", XmlListenform::kFinanzaemter, xml, logger_);
  return kOk;
}

int FinanzamtsdatenService::holeFinanzaemter(const std::string& landNummer, std::string& xml) {
  // atoi on purpose: leading digits count, "28abc" is 28.
  const int land = std::atoi(landNummer.c_str());
  if (land == 0) return kLandFehlt;
  // Exactly the keys with a selection list are accepted.
  const FinanzamtListenEintrag* liste = holeFinanzamtListe(land);
  if (liste == nullptr) return kLandUnbekannt;
  std::vector<FinanzamtListenPaar> paare;
  erzeugeListenPaare(liste, 4, false, paare);
  listeAlsXml(paare, "VeskHoleFinanzaemter", XmlListenform::kFinanzaemter, xml, logger_);
  return kOk;
}

int FinanzamtsdatenService::holeFinanzamtsdaten(const std::string& buFaNummer,
                                                IFinanzamtsdaten& daten,
                                                bool ohneTestfinanzaemter) {
  int nummer = 0;
  if (!alsGanzzahl(buFaNummer, nummer)) return kKeineZahl;
  if (istTestfinanzamt(nummer)) {
    if (ohneTestfinanzaemter) return kKeineDaten;
    daten.setName(findeTestfinanzamtName(buFaNummer));
    return kOk;
  }
  const FinanzamtEintrag* eintrag = findeFinanzamtEintrag(buFaNummer);
  if (eintrag == nullptr) return kKeineDaten;
  uebertrage(*eintrag, daten);
  return kOk;
}

int FinanzamtsdatenService::pruefeFinanzamtNummer(const std::string& nummer) {
  if (nummer.size() != 4 && nummer.size() != 13) {
    protokolliere("Die Finanzamt- oder Steuernummer hat nicht 4 bzw. 13 Stellen");
    return kFinanzamtnummerFalsch;
  }
  const std::string finanzamt = nummer.substr(0, 4);
  if (!zudadavizu_20_0::nurZiffern(finanzamt)) {
    protokolliere("Die Finanzamtnummer \"" + finanzamt + "\" darf nur Ziffern enthalten");
    return kFinanzamtnummerFalsch;
  }
  int n = 0;
  alsGanzzahl(finanzamt, n);  // four digits, checked above
  if (istListenFinanzamt(n) || istTestfinanzamt(n)) return kOk;
  protokolliere("Die Finanzamtnummer \"" + finanzamt + "\" wurde nicht gefunden");
  return kFinanzamtnummerFalsch;
}

bool FinanzamtsdatenService::existiertFinanzamt(int buFaNummer) {
  return istListenFinanzamt(buFaNummer) || istTestfinanzamt(buFaNummer);
}

std::string FinanzamtsdatenService::holeBundeslandKuerzel(int landNummer) {
  return divideVira::holeBundeslandKuerzel(landNummer);
}

bool FinanzamtsdatenService::istBundeslandKuerzel(const std::string& kuerzel) {
  return divideVira::istBundeslandKuerzel(kuerzel);
}

FinanzamtsdatenService* erzeugeFinanzamtsdatenService(plugin2::iface::IPluginLogger* logger,
                                                      plugin2::iface::IServiceContext* kontext) {
  return new FinanzamtsdatenService(logger, kontext);
}

}  // namespace vesk::divideVira
