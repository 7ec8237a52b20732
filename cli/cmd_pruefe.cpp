// dvhost pruefe: checks tax numbers, IBANs, BICs, identification and VAT numbers.
#include <optional>
#include <stdexcept>

#include "cli/Befehl.h"
#include "cli/Pruefausgabe.h"
#include "cli/Verzeichnishinweis.h"
#include "cli/Wertart.h"
#include "cli/Zeichensatz.h"
#include "dividevira/dividevira.h"

namespace dvhost {
namespace {

using Dienst = vesk::plugin2::iface::IFinanzamtsdatenService;

// The module checks no VAT number; the C library's check gives the verifier's code and message.
int pruefeUStIdNr(const std::string& wert, std::string& text) {
  const std::string utf8 = latin9AlsUtf8(wert);
  char meldung[DV_MELDUNG_MAX];
  const int code =
      dv_pruefe_text("UStIdNr", utf8.data(), utf8.size(), nullptr, 0, meldung, sizeof meldung);
  if (code < 0) throw std::runtime_error("Prüfung nicht möglich (" + std::to_string(code) + ")");
  text = vonBibliothek(meldung);
  return code;
}

// Checks p.geprueft() as one kind. IBAN, BIC, IdNr and tax numbers go to the module and get
// host result codes; the module checks no VAT number, so that goes to the C library and gets
// the verifier's code (901 to 905) and message.
void pruefeAls(Wertart art, Dienst& dienst, Pruefung& p, bool testnummern) {
  const std::string& wert = p.geprueft();
  switch (art) {
    case Wertart::kIBAN:
      p.code = dienst.pruefeIBAN(wert);
      break;
    case Wertart::kBIC:
      p.code = dienst.pruefeBIC(wert);
      break;
    case Wertart::kIdNr:
      p.code = dienst.pruefeIdNummer(wert, testnummern);
      break;
    case Wertart::kSteuernummer:
      p.code = dienst.pruefeSteuernummer(wert);
      if (p.code != 0) p.hinweis = steuernummerHinweis(wert);
      break;
    case Wertart::kUStIdNr:
      p.code = pruefeUStIdNr(wert, p.text);
      break;
  }
}

std::string artenliste(const std::vector<Wertart>& arten) {
  std::string liste;
  for (Wertart art : arten) liste += (liste.empty() ? "" : ", ") + std::string(artName(art));
  return liste;
}

// Finds the one kind the value has: by its form, and where forms overlap, by which check it
// passes. A value of no kind, or valid as several or as none of several, is refused.
void pruefeAuto(Dienst& dienst, Pruefung& p, bool testnummern) {
  const std::vector<Wertart> arten = formPasstZu(p.geprueft());
  if (arten.empty()) {
    p.art = "keine";
    throw std::runtime_error("passt zu keiner Art (iban, bic, idnr, steuernummer, ustidnr)");
  }
  if (arten.size() == 1) {
    p.art = artName(arten.front());
    return pruefeAls(arten.front(), dienst, p, testnummern);
  }
  std::size_t gueltig = 0;
  Pruefung treffer;
  for (Wertart art : arten) {
    Pruefung versuch = p;
    versuch.art = artName(art);
    pruefeAls(art, dienst, versuch, testnummern);
    if (versuch.code == 0 && ++gueltig == 1) treffer = std::move(versuch);
  }
  if (gueltig == 1) {
    p = std::move(treffer);
    return;
  }
  p.art = "mehrdeutig";
  throw std::runtime_error("passt der Form nach zu " + artenliste(arten) + " und ist als " +
                           (gueltig == 0 ? "keine" : "mehrere") + " davon gültig");
}

int pruefe(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.empty()) throw Benutzungsfehler("Art der Werte fehlt");
  const std::string art = aufruf.werte.front();
  std::optional<Wertart> feste;
  for (Wertart a :
       {Wertart::kIBAN, Wertart::kBIC, Wertart::kIdNr, Wertart::kSteuernummer, Wertart::kUStIdNr}) {
    if (art == artName(a)) feste = a;
  }
  if (!feste && art != "auto") throw Benutzungsfehler("unbekannte Art " + art);
  const bool testnummern = aufruf.hat("--testnummern-erlaubt");
  if (testnummern && art != "idnr" && art != "auto") {
    throw Benutzungsfehler("--testnummern-erlaubt gilt nur für idnr und auto");
  }
  const bool normalisieren = aufruf.hat("--normalisieren");
  if (normalisieren && (feste == Wertart::kIdNr || feste == Wertart::kSteuernummer)) {
    throw Benutzungsfehler("--normalisieren gilt nur für iban, bic, ustidnr und auto");
  }
  auto dienst = sitzung.modul().finanzamtsdatenService(sitzung.logger());
  Pruefausgabe ausgabe(sitzung, aufruf.hat("--json"));
  ausgabe.normalisiereWerte(normalisieren);
  const Argumente werte(aufruf.werte.begin() + 1, aufruf.werte.end());
  return ausgabe.fuerJedenWert(werte, [&](Pruefung& p) {
    if (feste) {
      pruefeAls(*feste, *dienst, p, testnummern);
    } else {
      pruefeAuto(*dienst, p, testnummern);
    }
  });
}

const Befehl befehl{
    "pruefe",
    "Steuernummern, IBAN, BIC, IdNr und USt-IdNr prüfen",
    "Aufruf: dvhost pruefe steuernummer|iban|bic|idnr|ustidnr|auto [OPTIONEN] [WERT...]\n"
    "Prüft jeden Wert (ohne Werte: einen je Zeile der Standardeingabe) und gibt den "
    "Ergebniscode mit seinem Text aus. Steuernummern werden in der bundeseinheitlichen "
    "13-stelligen Form erwartet; scheitert eine nur daran, dass ihr Finanzamt im Verzeichnis "
    "fehlt, sagt ein Hinweis das. Umsatzsteuer-Identifikationsnummern (ustidnr) prüft die "
    "C-Bibliothek libdividevira, da das Modul sie nicht prüft; ihre Codes sind die des "
    "Prüfers (901 bis 905, dvhost feldtyp --codes UStIdNr).\n"
    "auto bestimmt die Art jedes Werts aus seiner Form (IBAN: zwei Buchstaben, zwei Ziffern, "
    "11 bis 30 Buchstaben oder Ziffern; BIC: sechs Buchstaben und zwei oder fünf Buchstaben "
    "oder Ziffern; idnr: 11 Ziffern; steuernummer: 13 Ziffern; ustidnr: zwei Buchstaben und "
    "2 bis 12 Buchstaben oder Ziffern, darunter eine Ziffer) und prüft ihn als diese; die "
    "Ausgabe nennt die Art in eckigen Klammern (JSON: art). Passt die Form zu mehreren Arten, "
    "entscheidet die Prüfung. Ein Wert, der zu keiner Art passt oder als keine oder mehrere "
    "der passenden gültig ist, wird als \"keine\" oder \"mehrdeutig\" gemeldet und zählt als "
    "ungültig.\n"
    "  --testnummern-erlaubt  Test-Identifikationsnummern (beginnend mit 0) zulassen (idnr, "
    "auto)\n"
    "  --normalisieren        Leerzeichen entfernen und Buchstaben groß schreiben, bevor "
    "geprüft wird (iban, bic, ustidnr, auto); der geprüfte Wert steht in Klammern neben dem "
    "Original\n"
    "  --json                 je Wert ein JSON-Objekt (UTF-8)",
    {"--json", "--testnummern-erlaubt", "--normalisieren"},
    pruefe};
const BefehlRegistrierung registrierung(befehl);

void zeige(Sitzung& sitzung, const Argumente& argumente) {
  zeigeAufruf(sitzung, befehl, argumente);
}

const DemoRegistrierung demoSteuernummer(
    {50, "Steuernummer prüfen", [](Sitzung& s) {
       zeige(s, {"steuernummer", "1127012345673", "1127012345674"});
     }});
const DemoRegistrierung demoIban(
    {51, "IBAN prüfen", [](Sitzung& s) {
       zeige(s, {"iban", "DE89370400440532013000", "DE89370400440532013001",
                 "de89370400440532013000"});
       zeige(s, {"iban", "--normalisieren", "de89 3704 0044 0532 0130 00"});
     }});
const DemoRegistrierung demoBic({52, "BIC prüfen", [](Sitzung& s) {
                                   zeige(s, {"bic", "DEUTDEFF500", "DEUTDEFF50", "DEUTUSFF"});
                                 }});
const DemoRegistrierung demoIdNr({53, "Identifikationsnummer prüfen", [](Sitzung& s) {
                                    zeige(s, {"idnr", "86095742719", "86095742718", "02345678901"});
                                    zeige(s, {"idnr", "--testnummern-erlaubt", "02345678901"});
                                  }});
const DemoRegistrierung demoAuto({54, "Art erkennen und prüfen", [](Sitzung& s) {
                                    zeige(s, {"auto", "DE89370400440532013000", "DEUTDEFF",
                                              "86095742719", "DE136695976", "12345"});
                                  }});

}  // namespace
}  // namespace dvhost
