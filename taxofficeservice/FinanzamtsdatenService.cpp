// The tax office data service: the directory operations over the tables, the per-Land
// definitions and the checks and conversions handed on to the tax number library.
#include "taxofficeservice/FinanzamtsdatenService.h"

#include <boost/lexical_cast.hpp>
#include <cstdlib>
#include <vector>

#include "errortexts/Hostcodes.h"
#include "plugin/ServiceBasis.h"
#include "taxnumber/Einzelwerte.h"
#include "taxnumber/FadatDefinitionen.h"
#include "taxnumber/Negativmuster.h"
#include "taxoffice/Finanzamtstabellen.h"
#include "taxofficeservice/FinanzamtListenXml.h"
#include "verifiers/Pruefziffern.h"

namespace vesk::divideVira {

namespace {

using plugin2::iface::IFinanzamtsdaten;

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

class FinanzamtsdatenService : public ServiceBasis<plugin2::iface::IFinanzamtsdatenService> {
 public:
  using ServiceBasis::ServiceBasis;

  int holeFinanzamtLandNummern(std::string& xml, bool mitNrwTestschluesseln) override {
    std::vector<FinanzamtListenPaar> paare;
    erzeugeListenPaare(FINANZAMT_LAND_LISTE, 2, mitNrwTestschluesseln, paare);
    listeAlsXml(paare, "VeskHoleFinanzamtLandNummern", XmlListenform::kLaender, xml, logger_);
    return hostcode::kOk;
  }

  int holeTestfinanzaemter(std::string& xml) override {
    std::vector<FinanzamtListenPaar> paare;
    erzeugeListenPaare(TESTFINANZAMT_LISTE, 4, true, paare);
    listeAlsXml(paare, "VeskHoleTestfinanzaemter", XmlListenform::kFinanzaemter, xml, logger_);
    return hostcode::kOk;
  }

  int holeFinanzaemter(const std::string& landNummer, std::string& xml) override {
    // atoi on purpose: leading digits count, "28abc" is 28.
    const int land = std::atoi(landNummer.c_str());
    if (land == 0) return hostcode::kHilfsfunktionsfehler;
    // Exactly the keys with a selection list are accepted.
    const FinanzamtListenEintrag* liste = holeFinanzamtListe(land);
    if (liste == nullptr) return hostcode::kNimmtNichtTeil;
    std::vector<FinanzamtListenPaar> paare;
    erzeugeListenPaare(liste, 4, false, paare);
    listeAlsXml(paare, "VeskHoleFinanzaemter", XmlListenform::kFinanzaemter, xml, logger_);
    return hostcode::kOk;
  }

  int holeFinanzamtsdaten(const std::string& buFaNummer, IFinanzamtsdaten& daten,
                          bool ohneTestfinanzaemter) override {
    int nummer = 0;
    if (!alsGanzzahl(buFaNummer, nummer)) return hostcode::kNichtPlausibel;
    if (istTestfinanzamt(nummer)) {
      if (ohneTestfinanzaemter) return hostcode::kKeineDaten;
      daten.setName(findeTestfinanzamtName(buFaNummer));
      return hostcode::kOk;
    }
    const FinanzamtEintrag* eintrag = findeFinanzamtEintrag(buFaNummer);
    if (eintrag == nullptr) return hostcode::kKeineDaten;
    uebertrage(*eintrag, daten);
    return hostcode::kOk;
  }

  int pruefeFinanzamtNummer(const std::string& nummer) override {
    if (nummer.size() != 4 && nummer.size() != 13) {
      protokolliere("Die Finanzamt- oder Steuernummer hat nicht 4 bzw. 13 Stellen");
      return hostcode::kBufanummerUngueltig;
    }
    const std::string finanzamt = nummer.substr(0, 4);
    if (!zudadavizu_20_0::nurZiffern(finanzamt)) {
      protokolliere("Die Finanzamtnummer \"" + finanzamt + "\" darf nur Ziffern enthalten");
      return hostcode::kBufanummerUngueltig;
    }
    int n = 0;
    alsGanzzahl(finanzamt, n);  // four digits, checked above
    if (istListenFinanzamt(n) || istTestfinanzamt(n)) return hostcode::kOk;
    protokolliere("Die Finanzamtnummer \"" + finanzamt + "\" wurde nicht gefunden");
    return hostcode::kBufanummerUngueltig;
  }

  bool existiertFinanzamt(int buFaNummer) override {
    return istListenFinanzamt(buFaNummer) || istTestfinanzamt(buFaNummer);
  }

  std::string holeBundeslandKuerzel(int landNummer) override {
    return divideVira::holeBundeslandKuerzel(landNummer);
  }

  bool istBundeslandKuerzel(const std::string& kuerzel) override {
    return divideVira::istBundeslandKuerzel(kuerzel);
  }

  plugin2::iface::IVeskFormatierung* holeFormatierung(int landNummer) override {
    return fadat::erzeugeFormatierung(landNummer);
  }

  plugin2::iface::IVeskPruefziffernverfahrenDefinition* holePruefziffernverfahrenDefinition(
      int landNummer, int buFaNummer, int bezirk) override {
    return fadat::erzeugePruefziffernverfahrenDefinition(landNummer, buFaNummer, bezirk);
  }

  plugin2::iface::Negativmuster holeNegativmuster(int landNummer) override {
    return negativmusterFuer(landNummer);
  }

  int formatiereSteuernummer(const std::string& steuernummer, std::string& ausgabe) override {
    return einzelwerte::formatiereSteuernummer(steuernummer, *this, ausgabe);
  }

  int pruefeBIC(const std::string& bic) override { return einzelwerte::pruefeBIC(bic); }

  int erzeugeSteuernummer(const std::string& steuernummer, const std::string& landNummer,
                          const std::string& buFaNummer, std::string& ausgabe) override {
    return einzelwerte::erzeugeSteuernummer(steuernummer, landNummer, buFaNummer, *this, ausgabe);
  }

  int pruefeIBAN(const std::string& iban) override { return einzelwerte::pruefeIBAN(iban); }

  int pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt) override {
    return einzelwerte::pruefeIdNummer(idNummer, testnummernErlaubt);
  }

  int pruefeSteuernummer(const std::string& steuernummer) override {
    return einzelwerte::pruefeSteuernummer(steuernummer, *this);
  }
};

}  // namespace

plugin2::iface::IFinanzamtsdatenService* erzeugeFinanzamtsdatenService(
    plugin2::iface::IPluginLogger* logger, plugin2::iface::IServiceContext* kontext) {
  return new FinanzamtsdatenService(logger, kontext);
}

}  // namespace vesk::divideVira
