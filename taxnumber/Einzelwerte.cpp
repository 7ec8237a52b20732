#include "taxnumber/Einzelwerte.h"

#include <stdexcept>
#include <string_view>
#include <vector>

#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "taxnumber/Feldtyppruefung.h"

namespace vesk::divideVira::einzelwerte {

namespace {

using namespace std::string_view_literals;
namespace zdv = zudadavizu_20_0;
using Ids = zdv::IFeldtypVordefiniertFehlerIds;

constexpr int TESTNUMMER_NICHT_ERLAUBT = 610001523;
constexpr int BUFANUMMER_UNGUELTIG = 610001038;

bool istTrennzeichen(char c) { return c == ' ' || c == '/' || c == '\\' || c == '-' || c == '_'; }

std::vector<std::string> teile(const std::string& text, char trenner) {
  std::vector<std::string> ergebnis;
  ergebnis.reserve(4);
  ergebnis.emplace_back();
  for (char c : text) {
    if (c == trenner) {
      ergebnis.emplace_back();
    } else {
      ergebnis.back() += c;
    }
  }
  return ergebnis;
}

std::string linksAufgefuellt(const std::string& text, std::size_t laenge) {
  return text.size() >= laenge ? text : std::string(laenge - text.size(), '0') + text;
}

// Completes the short forms people write in Hessen, Bayern and Berlin; empty when none
// applies. Reads positions of the tax office number with substr, so a number too short
// for the completion throws std::out_of_range.
std::string ergaenzeKurzform(const std::string& normalisiert, const std::string& praefix,
                             const std::string& bufa) {
  if (praefix == "26"sv) return normalisiert.size() == 12 ? "0" + normalisiert : std::string();
  if (praefix == "91"sv || praefix == "92"sv) {
    return normalisiert.size() == 9 ? bufa.substr(1, 3) + "/" + normalisiert : std::string();
  }
  if (praefix != "11"sv || normalisiert.size() >= 12) return std::string();
  const std::vector<std::string> t = teile(normalisiert, '/');
  if (t.size() != 2 && t.size() != 3) return std::string();
  const std::string& bezirk = t[t.size() - 2];
  const std::string& rest = t.back();
  if (rest.size() < 2 || rest.size() > 5 || bezirk.empty() || bezirk.size() > 3) {
    return std::string();
  }
  const std::string kopf = t.size() == 3 ? t[0] : bufa.substr(2, 2);
  return kopf + "/" + linksAufgefuellt(bezirk, 3) + "/" + linksAufgefuellt(rest, 5);
}

}  // namespace

int formatiereSteuernummer(const std::string& steuernummer, zdv::IDefdatenSteuernummer& defdaten,
                           std::string& ausgabe) {
  std::string meldung;
  ausgabe = konvertiereFeldtyp(steuernummer, true, defdaten, meldung);
  if (ausgabe.empty()) return ergebnisAlsHostCode(Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN);
  const std::size_t at = ausgabe.find('@');
  if (at != std::string::npos) ausgabe.erase(at);
  return 0;
}

int pruefeBIC(const std::string& bic) {
  return ergebnisAlsHostCode(pruefeFeldtyp(zdv::Feldtyp::BIC, bic, nullptr).fehlerId);
}

int erzeugeSteuernummer(const std::string& steuernummer, const std::string& landNummer,
                        const std::string& buFaNummer, zdv::IDefdatenSteuernummer& defdaten,
                        std::string& ausgabe) {
  try {
    const std::string praefix = landNummer.empty() ? buFaNummer.substr(0, 2) : landNummer;
    const char trenner = praefix == "24"sv || praefix == "26"sv ? ' ' : '/';
    std::string normalisiert = steuernummer;
    for (char& c : normalisiert) {
      if (istTrennzeichen(c)) c = trenner;
    }
    std::string eingabe = ergaenzeKurzform(normalisiert, praefix, buFaNummer);
    if (eingabe.empty()) eingabe = normalisiert;

    // The office number decides the Land of the conversion when both are given.
    if (!buFaNummer.empty()) {
      eingabe += "@" + buFaNummer.substr(0, 2);
    } else if (!landNummer.empty()) {
      eingabe += "@" + landNummer;
    } else {
      return ergebnisAlsHostCode(Ids::STEUERNUMMER_OHNE_LAND);
    }

    std::string meldung;
    ausgabe = konvertiereFeldtyp(eingabe, false, defdaten, meldung);
    if (ausgabe.empty()) return ergebnisAlsHostCode(Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN);
    // A result outside the given Land or office means the inputs do not belong together.
    if (ausgabe.size() < 2 || (!landNummer.empty() && ausgabe.compare(0, 2, landNummer) != 0) ||
        ausgabe.size() < 4 || (!buFaNummer.empty() && ausgabe.compare(0, 4, buFaNummer) != 0)) {
      ausgabe.clear();
      return ergebnisAlsHostCode(Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN);
    }
    return pruefeSteuernummer(ausgabe, defdaten);
  } catch (const std::out_of_range&) {
    return BUFANUMMER_UNGUELTIG;
  }
}

int pruefeIBAN(const std::string& iban) {
  return ergebnisAlsHostCode(pruefeFeldtyp(zdv::Feldtyp::IBAN, iban, nullptr).fehlerId);
}

int pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt) {
  const zdv::PruefResultat resultat = pruefeFeldtyp(zdv::Feldtyp::IDNr, idNummer, nullptr);
  // The dispatcher's notice status marks a valid number of the test range.
  if (resultat.status == zdv::STATUS_HINWEIS)
    return testnummernErlaubt ? 0 : TESTNUMMER_NICHT_ERLAUBT;
  return ergebnisAlsHostCode(resultat.fehlerId);
}

int pruefeSteuernummer(const std::string& steuernummer, zdv::IDefdatenSteuernummer& defdaten) {
  return ergebnisAlsHostCode(
      pruefeFeldtyp(zdv::Feldtyp::Steuernummer, steuernummer, &defdaten).fehlerId);
}

}  // namespace vesk::divideVira::einzelwerte
