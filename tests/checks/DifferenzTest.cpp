// The field type dispatcher: what only it does, and its lean path (no check context, no
// message) against its full path over generated values of every field type.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/UtilFehlerLookup.h"
#include "support/IbanBeispiele.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxofficeservice/FinanzamtsdatenService.h"
#include "verifiers/FeldtypRegistry.h"

namespace zudadavizu_20_0 {
namespace {

Darstellungsinformation konvertiere(const char* wert) {
  Darstellungsinformation info;
  info.setze("KonvertiereSteuernummer", "", wert);
  return info;
}

// The module's tax number definitions.
IDefdatenSteuernummer& moduldaten() {
  static const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> service(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  static vesk::wex2::DefdatenSteuernummerImpl defdaten(service.get());
  return defdaten;
}

// The context the service builds for one value.
struct Kontext {
  IdentifierImpl identifier{"unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER};
  DatenImpl daten;
  ErgebnisFacade ergebnis;
  LoggerUtilImpl loggerImpl;
  ValidationLogger logger{loggerImpl};
  Darstellung ohne{',', Darstellungsinformation(), 2099};
  Darstellung mit{',', konvertiere("j"), 2099};
  Pruefkontext kontext;

  explicit Kontext(const std::string& wert) {
    kontext.wert = wert;
    kontext.identifier = &identifier;
    kontext.ergebnis = &ergebnis;
    kontext.darstellung = &ohne;
    kontext.defdaten = &moduldaten();
    kontext.logger = &logger;
    kontext.daten = &daten;
  }
  // "fehlerId status geprueft" of the dispatcher's result.
  std::string pruefe(const std::string& typ) {
    PruefResultat r{-1, -1, -1};
    FeldtypRegistry(typ).pruefe(r, kontext);
    return std::to_string(r.fehlerId) + " " + std::to_string(r.status) + " " +
           std::to_string(r.geprueft);
  }
};

// What the lean path does not do: the VAST skip set, recorded notices and conversions.
TEST(FeldtypRegistry, Pruefe) {
  const struct {
    const char *typ, *wert;
    bool vast, konvertiert;
    const char* resultat;
    const char* schluessel;  // of the one recorded entry, or null
  } faelle[] = {
      {"IBAN", "DE89370400440532013001", true, false, "604 1 1", nullptr},
      // A valid test identification number (p ends at 10, check digit 1) becomes a notice.
      {"IDNr", "02345678901", false, false, "0 2 0", "testIDNummer"},
      // VAST skips the types that read tax data: nothing checked.
      {"Steuernummer", "1121081508150", true, false, "0 0 0", nullptr},
      {"Bundesfinanzamtsnummer", "1121", true, false, "0 0 0", nullptr},
      {"Bundessteuernummer", "9116080123456", true, false, "0 0 0", nullptr},
      {"Laenderkuerzel", "BY", true, false, "0 0 0", nullptr},
      // A failed conversion ('@' last: before the definitions are read) is recorded under the
      // type's key; the nationwide tax number converts as identity and verify rejects it.
      {"Steuernummer", "27/123/45678@", false, true, "0 1 0", "ungueltigeSteuernummer"},
      {"Bundessteuernummer", "27/123/45678@", false, true, "301 1 1", nullptr},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::string(fall.typ) + " " + fall.wert);
    Kontext k(fall.wert);
    k.kontext.vastModus = fall.vast;
    if (fall.konvertiert) k.kontext.darstellung = &k.mit;
    EXPECT_EQ(k.pruefe(fall.typ), fall.resultat);
    const auto eintraege = k.ergebnis.getEintraege();
    ASSERT_EQ(eintraege.size(), fall.schluessel == nullptr ? 0u : 1u);
    if (fall.schluessel != nullptr) {
      EXPECT_EQ(eintraege[0].schluessel, fall.schluessel);
    }
  }
  Kontext notiz("02345678901");
  notiz.pruefe("IDNr");
  EXPECT_EQ(notiz.ergebnis.getEintraege().at(0).text,
            "Feld '$unbenannt/1.1$' ist eine Test-Identifikationsnummer und nur für den "
            "Testbetrieb zugelassen.");
  notiz.kontext.ohneErgebnis = true;
  EXPECT_EQ(notiz.pruefe("IDNr"), "0 2 0");
  EXPECT_EQ(notiz.ergebnis.getEintraege().size(), 1u);
  // The key spelt with umlauts must come out as ISO-8859-15 like the lookups' keys.
  EXPECT_EQ(FeldtypRegistry("Laenderkuerzel").getFehlerSchluessel(),
            "ungueltigesL\xE4nderk\xFCrzel");
  EXPECT_THROW(Kontext("x").pruefe("iban"), std::runtime_error);
}

TEST(FeldtypRegistry, Konvertiere) {
  // No definitions: a tax number conversion that reached the verifier would throw.
  const Kontext k("");
  EXPECT_EQ(FeldtypRegistry("IBAN").konvertiere("", k.mit, true, nullptr),
            KonvertierungsErgebnis("", "Wert mit der Länge 0 wird nicht konvertiert."));
  const Darstellung grossJ(',', konvertiere("J"), 2099);
  for (const Darstellung* d : {&k.ohne, &grossJ}) {
    EXPECT_EQ(FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", *d, false, nullptr),
              KonvertierungsErgebnis("27/123/45678@27", ""));
  }
  EXPECT_THROW(FeldtypRegistry("Steuernummer").konvertiere("27/123/45678@27", k.mit, true, nullptr),
               std::runtime_error);
}

struct Ausgang {
  int fehlerId = -1, status = -1, geprueft = -1, eintraege = -1;
  std::string ausnahme;
};

template <class Aufruf>
Ausgang fange(Aufruf aufruf) {
  Ausgang a;
  try {
    aufruf(a);
  } catch (const std::exception& e) {
    a = Ausgang{};
    a.ausnahme = e.what();
  }
  return a;
}

Ausgang voll(Feldtyp typ, const std::string& wert) {
  return fange([&](Ausgang& a) {
    Kontext k(wert);
    PruefResultat r;
    const FeldtypRegistry registry(typ);
    registry.pruefe(r, k.kontext);
    a = {r.fehlerId, r.status, r.geprueft, static_cast<int>(k.ergebnis.getEintraege().size()), ""};
    // A reported failure has its text.
    if (r.fehlerId != 0) {
      EXPECT_NE(UtilFehlerLookup().getFeldtypText(registry.getFehlerSchluessel(), r.fehlerId), "");
    }
  });
}

Ausgang schlank(Feldtyp typ, const std::string& wert, IDefdatenSteuernummer* defdaten) {
  return fange([&](Ausgang& a) {
    const PruefResultat r = vesk::divideVira::pruefeFeldtyp(typ, wert, defdaten);
    a = {r.fehlerId, r.status, r.geprueft, r.status == STATUS_HINWEIS ? 1 : 0, ""};
  });
}

// Values of a type: samples, their single-character changes, random texts from the type's
// alphabet around its lengths.
std::vector<std::string> werte(std::vector<std::string> alle, const std::string& alphabet,
                               std::size_t laengeMax, std::mt19937& zufall) {
  const auto zeichen = [&] { return alphabet[zufall() % alphabet.size()]; };
  for (std::size_t b = 0, n = alle.size(); b < n; ++b) {
    for (std::size_t i = 0; i < alle[b].size(); ++i) {
      alle.push_back(alle[b]);
      alle.back()[i] = zeichen();
    }
  }
  for (int n = 0; n < 400; ++n) {
    std::string t(zufall() % (laengeMax + 1), ' ');
    for (char& c : t) c = zeichen();
    alle.push_back(t);
  }
  return alle;
}

std::vector<std::string> mitPruefziffern(const std::string& koerper) {
  std::vector<std::string> alle;
  for (char p = '0'; p <= '9'; ++p) alle.push_back(koerper + p);
  return alle;
}

// Valid values, every failure class and test numbers: both paths must give the same triple,
// or throw the same text; the full path must also have formed what it reports.
TEST(Differenz, SchlankerWegGleichVollemWeg) {
  IDefdatenSteuernummer& defdaten = moduldaten();
  std::mt19937 zufall(2026);

  // Tax numbers of the first office of every Land key, each with all ten check digits; the
  // districts 000, 099, 998, 0998 and 9999... and the NRW ending 000 hit the negative patterns.
  std::vector<std::string> steuernummern;
  for (int land = 10; land <= 99; ++land) {
    int amt = land * 100;
    while (amt < land * 100 + 99 && !defdaten.existiertFinanzamt(amt)) ++amt;
    if (!defdaten.existiertFinanzamt(amt)) continue;
    for (const char* rest :
         {"01234567", "00001234", "09999999", "09981234", "00990123", "00998123", "01230000"}) {
      for (const std::string& s : mitPruefziffern(std::to_string(amt) + rest)) {
        steuernummern.push_back(s);
      }
    }
  }
  const std::string ziffern = "0123456789";
  std::vector<std::string> idNummern;
  for (int n = 0; n < 300; ++n) {
    std::string koerper = std::to_string(10000000000LL + zufall() % 9000000000LL).substr(1);
    if (n % 3 == 0) koerper[0] = '0';  // test numbers
    for (const std::string& s : mitPruefziffern(koerper)) idNummern.push_back(s);
  }
  std::vector<std::string> ibans(std::begin(dvtest::IBAN_BEISPIELE),
                                 std::end(dvtest::IBAN_BEISPIELE));

  struct Fall {
    Feldtyp typ;
    std::vector<std::string> beispiele;
    std::string alphabet;
    std::size_t laengeMax;
    std::string ausgaenge;  // fehlerId * 10 + status, in text order; "1" is valid
  };
  const Fall faelle[] = {
      {Feldtyp::kIdNr, idNummern, ziffern + "a", 12, "1 2 7011 7021 7031 7041 "},
      {Feldtyp::kSteuernummer, steuernummern, ziffern + "/", 14,
       "1 10011 10021 10031 10041 10051 "},
      {Feldtyp::kBundessteuernummer, mitPruefziffern("911608012345"), ziffern, 14, "1 3011 "},
      {Feldtyp::kBundesfinanzamtsnummer,
       {"1010", "0123", "9999"},
       ziffern + "x",
       5,
       "1 2011 2021 "},
      {Feldtyp::kLaenderkuerzel, {"BY", "NW", "BF", "XX"}, "BYNWFX", 3, "1 8011 "},
      {Feldtyp::kUStIdNr,
       {"DE136695976", "ATU13585627", "GB980780684", "EL094259216", "DE12345678"},
       ziffern + "ADEGLTUa",
       15,
       "1 9011 9021 9031 9041 9051 "},
      {Feldtyp::kIban, ibans, ziffern + "ABDEMZa ", 35, "1 6011 6021 6031 6041 "},
      {Feldtyp::kBic, {"DEUTDEFF", "DEUTDEFF500", "DEUTUSFF"}, "DEUTF50a", 12, "1 1011 1021 "},
      {Feldtyp::kEMail, {"a.b@c.example", "x@y.de"}, "ab.@x-", 12, "1 5011 "},
      {Feldtyp::kDatumMMJJ, {"12.99", "00.10", "13.01"}, "0129.", 6, "1 4011 "},
      {Feldtyp::kDatumTTMMJJ, {"29.02.96", "29.02.97", "31.04.20"}, "01239.", 9, "1 4011 "},
  };
  for (const Fall& fall : faelle) {
    std::set<std::string> klassen;  // which outcomes were reached
    for (const std::string& wert : werte(fall.beispiele, fall.alphabet, fall.laengeMax, zufall)) {
      const Ausgang v = voll(fall.typ, wert), s = schlank(fall.typ, wert, &defdaten);
      ASSERT_EQ(std::tie(s.fehlerId, s.status, s.geprueft, s.eintraege, s.ausnahme),
                std::tie(v.fehlerId, v.status, v.geprueft, v.eintraege, v.ausnahme))
          << feldtypEintrag(fall.typ).name << " '" << wert << "'";
      klassen.insert(v.ausnahme.empty() ? std::to_string(v.fehlerId * 10 + v.status) : "!");
    }
    // Valid values and every outcome of the type were generated.
    std::string erreicht;
    for (const std::string& klasse : klassen) erreicht += klasse + " ";
    EXPECT_EQ(erreicht, fall.ausgaenge) << feldtypEintrag(fall.typ).name;
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
