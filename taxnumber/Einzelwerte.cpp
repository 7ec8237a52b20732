#include "taxnumber/Einzelwerte.h"

#include <optional>
#include <string_view>
#include <vector>

#include "errortexts/Hostcodes.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxnumber/Negativmuster.h"
#include "taxnumber/RegelDefinitionen.h"

namespace vesk::divideVira::einzelwerte {

namespace {

using namespace std::string_view_literals;
namespace zdv = zudadavizu_20_0;
using Ids = zdv::IFeldtypVordefiniertFehlerIds;

using wex2::TabellenDefdaten;

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
// applies, nothing when the completion needs digits of the tax office number that it lacks.
std::optional<std::string> ergaenzeKurzform(const std::string& normalisiert,
                                            const std::string& praefix, const std::string& bufa) {
  if (praefix == "26"sv) return normalisiert.size() == 12 ? "0" + normalisiert : std::string();
  if (praefix == "91"sv || praefix == "92"sv) {
    if (normalisiert.size() != 9) return std::string();
    if (bufa.empty()) return std::nullopt;
    return bufa.substr(1, 3) + "/" + normalisiert;
  }
  if (praefix != "11"sv || normalisiert.size() >= 12) return std::string();
  const std::vector<std::string> t = teile(normalisiert, '/');
  if (t.size() != 2 && t.size() != 3) return std::string();
  const std::string& bezirk = t[t.size() - 2];
  const std::string& rest = t.back();
  if (rest.size() < 2 || rest.size() > 5 || bezirk.empty() || bezirk.size() > 3) {
    return std::string();
  }
  if (t.size() == 2 && bufa.size() < 2) return std::nullopt;
  const std::string kopf = t.size() == 3 ? t[0] : bufa.substr(2, 2);
  return kopf + "/" + linksAufgefuellt(bezirk, 3) + "/" + linksAufgefuellt(rest, 5);
}

}  // namespace

int formatiereSteuernummer(const std::string& steuernummer,
                           plugin2::iface::IFinanzamtsdatenService& service, std::string& ausgabe) {
  TabellenDefdaten defdaten(&service);
  std::string meldung;
  ausgabe = konvertiereFeldtyp(steuernummer, true, defdaten, meldung);
  if (ausgabe.empty()) return ergebnisAlsHostCode(Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN);
  const std::size_t at = ausgabe.find('@');
  if (at != std::string::npos) ausgabe.erase(at);
  return 0;
}

int pruefeBIC(const std::string& bic) {
  return ergebnisAlsHostCode(pruefeFeldtyp(zdv::Feldtyp::kBic, bic, nullptr).fehlerId);
}

int erzeugeSteuernummer(const std::string& steuernummer, const std::string& landNummer,
                        const std::string& buFaNummer,
                        plugin2::iface::IFinanzamtsdatenService& service, std::string& ausgabe) {
  const std::string praefix = landNummer.empty() ? buFaNummer.substr(0, 2) : landNummer;
  const char trenner = praefix == "24"sv || praefix == "26"sv ? ' ' : '/';
  std::string normalisiert = steuernummer;
  for (char& c : normalisiert) {
    if (istTrennzeichen(c)) c = trenner;
  }
  const std::optional<std::string> kurzform = ergaenzeKurzform(normalisiert, praefix, buFaNummer);
  if (!kurzform) return hostcode::kBufanummerUngueltig;
  std::string eingabe = kurzform->empty() ? normalisiert : *kurzform;

  // The office number decides the Land of the conversion when both are given.
  if (!buFaNummer.empty()) {
    eingabe += "@" + buFaNummer.substr(0, 2);
  } else if (!landNummer.empty()) {
    eingabe += "@" + landNummer;
  } else {
    return ergebnisAlsHostCode(Ids::STEUERNUMMER_OHNE_LAND);
  }

  TabellenDefdaten defdaten(&service);
  std::string meldung;
  ausgabe = konvertiereFeldtyp(eingabe, false, defdaten, meldung);
  if (ausgabe.empty()) return ergebnisAlsHostCode(Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN);
  // A result outside the given Land or office means the inputs do not belong together.
  if (ausgabe.size() < 2 || (!landNummer.empty() && ausgabe.compare(0, 2, landNummer) != 0) ||
      ausgabe.size() < 4 || (!buFaNummer.empty() && ausgabe.compare(0, 4, buFaNummer) != 0)) {
    ausgabe.clear();
    return ergebnisAlsHostCode(Ids::STEUERNUMMER_KONVERTIERUNG_FEHLGESCHLAGEN);
  }
  return ergebnisAlsHostCode(
      pruefeFeldtyp(zdv::Feldtyp::kSteuernummer, ausgabe, &defdaten).fehlerId);
}

int pruefeIBAN(const std::string& iban) {
  return ergebnisAlsHostCode(pruefeFeldtyp(zdv::Feldtyp::kIban, iban, nullptr).fehlerId);
}

int pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt) {
  const zdv::PruefResultat resultat = pruefeFeldtyp(zdv::Feldtyp::kIdNr, idNummer, nullptr);
  // The dispatcher's notice status marks a valid number of the test range.
  if (resultat.status == zdv::STATUS_HINWEIS)
    return testnummernErlaubt ? 0 : hostcode::kIdNrBeginntMitNull;
  return ergebnisAlsHostCode(resultat.fehlerId);
}

int pruefeSteuernummer(const std::string& steuernummer,
                       plugin2::iface::IFinanzamtsdatenService& service) {
  TabellenDefdaten defdaten(&service);
  return ergebnisAlsHostCode(
      pruefeFeldtyp(zdv::Feldtyp::kSteuernummer, steuernummer, &defdaten).fehlerId);
}

}  // namespace vesk::divideVira::einzelwerte
