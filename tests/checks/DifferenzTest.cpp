// The lean path (no check context, no message) against the full message-building path of
// the dispatcher, over generated values of every field type: valid ones, every failure
// class and test numbers. Both must give the same triple, or throw the same text; the full
// path must also have formed what it reports.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "rules/DatenImpl.h"
#include "rules/ErgebnisFacade.h"
#include "rules/FeldtypRegistry.h"
#include "rules/IdentifierImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/UtilFehlerLookup.h"
#include "support/IbanBeispiele.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace zudadavizu_20_0 {
namespace {

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

Ausgang voll(Feldtyp typ, const std::string& wert, IDefdatenSteuernummer* defdaten) {
  return fange([&](Ausgang& a) {
    IdentifierImpl identifier("unbenannt", 1, 1, IdentifierImpl::KEINE_NUMMER);
    DatenImpl daten;
    ErgebnisFacade ergebnis;
    LoggerUtilImpl verwerfen;
    ValidationLogger logger(verwerfen);
    const Darstellung darstellung(',', Darstellungsinformation(), 2099);
    Pruefkontext k;
    k.wert = wert;
    k.identifier = &identifier;
    k.ergebnis = &ergebnis;
    k.darstellung = &darstellung;
    k.defdaten = defdaten;
    k.logger = &logger;
    k.daten = &daten;
    PruefResultat r;
    const FeldtypRegistry registry(typ);
    registry.pruefe(r, k);
    a = {r.fehlerId, r.status, r.geprueft, static_cast<int>(ergebnis.getEintraege().size()), ""};
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

TEST(Differenz, SchlankerWegGleichVollemWeg) {
  vesk::divideVira::FinanzamtsdatenService service(nullptr, nullptr);
  vesk::wex2::DefdatenSteuernummerImpl defdaten(&service);
  std::mt19937 zufall(2026);

  // Tax numbers of the first office of every Land key, each with all ten check digits; the
  // districts 000, 099, 998, 0998 and 9999... and the NRW ending 000 hit the negative patterns.
  std::vector<std::string> steuernummern;
  for (int land = 10; land <= 99; ++land) {
    int amt = land * 100;
    while (amt < land * 100 + 99 && !service.existiertFinanzamt(amt)) ++amt;
    if (!service.existiertFinanzamt(amt)) continue;
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
      {Feldtyp::IDNr, idNummern, ziffern + "a", 12, "1 2 7011 7021 7031 7041 "},
      {Feldtyp::Steuernummer, steuernummern, ziffern + "/", 14, "1 10011 10021 10031 10041 10051 "},
      {Feldtyp::Bundessteuernummer, mitPruefziffern("911608012345"), ziffern, 14, "1 3011 "},
      {Feldtyp::Bundesfinanzamtsnummer, {"1010", "0123", "9999"}, ziffern + "x", 5, "1 2011 2021 "},
      {Feldtyp::Laenderkuerzel, {"BY", "NW", "BF", "XX"}, "BYNWFX", 3, "1 8011 "},
      {Feldtyp::UStIdNr,
       {"DE136695976", "ATU13585627", "GB980780684", "EL094259216", "DE12345678"},
       ziffern + "ADEGLTUa",
       15,
       "1 9011 9021 9031 9041 9051 "},
      {Feldtyp::IBAN, ibans, ziffern + "ABDEMZa ", 35, "1 6011 6021 6031 6041 "},
      {Feldtyp::BIC, {"DEUTDEFF", "DEUTDEFF500", "DEUTUSFF"}, "DEUTF50a", 12, "1 1011 1021 "},
      {Feldtyp::EMail, {"a.b@c.example", "x@y.de"}, "ab.@x-", 12, "1 5011 "},
      {Feldtyp::DatumMMJJ, {"12.99", "00.10", "13.01"}, "0129.", 6, "1 4011 "},
      {Feldtyp::DatumTTMMJJ, {"29.02.96", "29.02.97", "31.04.20"}, "01239.", 9, "1 4011 "},
  };
  for (const Fall& fall : faelle) {
    std::set<std::string> klassen;  // which outcomes were reached
    for (const std::string& wert : werte(fall.beispiele, fall.alphabet, fall.laengeMax, zufall)) {
      const Ausgang v = voll(fall.typ, wert, &defdaten), s = schlank(fall.typ, wert, &defdaten);
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
