// The C library against the loaded module over generated values: the module's service
// answers for what it offers, its own dispatcher for the field types it does not export.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "capi/Grenze.h"
#include "dividevira/dividevira.h"
#include "errortexts/HostFehlertexte.h"
#include "support/Datensatz.h"
#include "support/IbanBeispiele.h"
#include "support/ModulTest.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"
#include "taxofficeservice/FinanzamtsdatenService.h"
#include "taxoffice/Finanzamtstabellen.h"

namespace {

using dividevira::latin9AlsUtf8;
using vesk::divideVira::ergebnisAlsHostCode;
using S = std::string;

int pruefe(const char* typ, const S& latin9) {
  const S utf8 = latin9AlsUtf8(latin9);
  return dv_pruefe(typ, utf8.data(), utf8.size());
}

// Samples with each character changed once, and random texts of the alphabet.
std::vector<S> variiert(std::vector<S> alle, const S& alphabet, std::size_t laengeMax,
                        std::mt19937& zufall) {
  const auto zeichen = [&] { return alphabet[zufall() % alphabet.size()]; };
  for (std::size_t b = 0, n = alle.size(); b < n; ++b) {
    for (std::size_t i = 0; i < alle[b].size(); ++i) {
      alle.push_back(alle[b]);
      alle.back()[i] = zeichen();
    }
  }
  for (int n = 0; n < 200; ++n) {
    S t(zufall() % (laengeMax + 1), ' ');
    for (char& c : t) c = zeichen();
    alle.push_back(t);
  }
  return alle;
}

// Tax numbers of the first office of every Land, each with all ten check digits.
std::vector<S> steuernummern() {
  std::vector<S> alle;
  for (int land = 10; land <= 99; ++land) {
    const auto* liste = vesk::divideVira::holeFinanzamtListe(land);
    if (liste == nullptr || liste->nummer == 0) continue;
    for (const char* rest : {"01234567", "00001234", "09981234", "01230000"}) {
      for (char p = '0'; p <= '9'; ++p) alle.push_back(std::to_string(liste->nummer) + rest + p);
    }
  }
  return alle;
}

class ModulVergleich : public dvtest::ModulTest {};

TEST_F(ModulVergleich, PruefungenWieDerDienst) {
  auto dienst = modul().finanzamtsdatenService();
  std::mt19937 zufall(24);
  const S ziffern = "0123456789";
  std::vector<S> idNummern;
  for (int n = 0; n < 200; ++n) {
    S koerper = std::to_string(10000000000LL + zufall() % 9000000000LL).substr(1);
    if (n % 3 == 0) koerper[0] = '0';  // test numbers
    for (char p = '0'; p <= '9'; ++p) idNummern.push_back(koerper + p);
  }
  for (const S& v : variiert(idNummern, ziffern + "a", 12, zufall)) {
    ASSERT_EQ(ergebnisAlsHostCode(pruefe("IDNr", v)), dienst->pruefeIdNummer(v, true)) << v;
  }
  const std::vector<S> ibans(std::begin(dvtest::IBAN_BEISPIELE), std::end(dvtest::IBAN_BEISPIELE));
  for (const S& v : variiert(ibans, ziffern + "ABDEMZa \xE4", 35, zufall)) {
    ASSERT_EQ(ergebnisAlsHostCode(pruefe("IBAN", v)), dienst->pruefeIBAN(v)) << v;
  }
  for (const S& v : variiert({"DEUTDEFF", "DEUTDEFF500", "DEUTUSFF"}, "DEUTF50a", 12, zufall)) {
    ASSERT_EQ(ergebnisAlsHostCode(pruefe("BIC", v)), dienst->pruefeBIC(v)) << v;
  }
  int gueltig = 0;
  for (const S& v : variiert(steuernummern(), ziffern + "/", 14, zufall)) {
    const int code = dienst->pruefeSteuernummer(v);
    gueltig += code == 0;
    ASSERT_EQ(ergebnisAlsHostCode(pruefe("Steuernummer", v)), code) << v;
    ASSERT_EQ(dv_steuernummer_pruefen(v.data(), v.size()), code) << v;
    // To the Land notation and back, by Land key and by office.
    S land, bund;
    char ziel[64];
    const int format = dienst->formatiereSteuernummer(v, land);
    ASSERT_EQ(dv_steuernummer_land(v.data(), v.size(), ziel, sizeof ziel), format) << v;
    ASSERT_EQ(ziel, format == 0 ? land : "") << v;
    if (format != 0) continue;
    for (const S& schluessel : {v.substr(0, 2), S()}) {
      const S amt = schluessel.empty() ? v.substr(0, 4) : "";
      const int erzeugt = dienst->erzeugeSteuernummer(land, schluessel, amt, bund);
      ASSERT_EQ(dv_steuernummer_bund(land.data(), land.size(), schluessel.c_str(), amt.c_str(),
                                     ziel, sizeof ziel),
                erzeugt)
          << land;
      ASSERT_EQ(ziel, erzeugt == 0 ? bund : "") << land;
    }
  }
  EXPECT_GT(gueltig, 100);  // the samples reach valid numbers, not only failures
}

// The types the module does not export: its dispatcher over the module's tax data.
TEST_F(ModulVergleich, FeldtypenWieDerDispatcher) {
  auto dienst = vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr);
  vesk::wex2::DefdatenSteuernummerImpl defdaten(dienst);
  std::mt19937 zufall(2024);
  const S ziffern = "0123456789";
  const struct {
    const char* typ;
    std::vector<S> beispiele;
    S alphabet;
    std::size_t laengeMax;
  } faelle[] = {
      {"UStIdNr",
       {"DE136695976", "ATU13585627", "EL094259216", "FR40303265045"},
       ziffern + "ADEGLTUa",
       15},
      {"Bundessteuernummer", {"9116080123456", "9116080123457"}, ziffern, 14},
      {"Bundesfinanzamtsnummer", {"1010", "0123", "9999"}, ziffern + "x", 5},
      {"Laenderkuerzel", {"BY", "NW", "XX"}, "BYNWX", 3},
      {"EMail", {"a.b@c.example", "\xE4@x.de"}, "ab.@x-\xFC", 12},
      {"DATUM_MMJJ", {"12.99", "13.01"}, "0129.", 6},
      {"DATUM_TTMMJJ", {"29.02.96", "29.02.97"}, "01239.", 9},
  };
  for (const auto& fall : faelle) {
    for (const S& v : variiert(fall.beispiele, fall.alphabet, fall.laengeMax, zufall)) {
      S meldung;
      const int code = vesk::divideVira::pruefeFeldtyp(fall.typ, v, &defdaten, &meldung);
      ASSERT_EQ(pruefe(fall.typ, v), code) << fall.typ << " " << v;
      char text[DV_MELDUNG_MAX];
      const S utf8 = latin9AlsUtf8(v);
      ASSERT_EQ(
          dv_pruefe_text(fall.typ, utf8.data(), utf8.size(), "unbenannt/1.1", 0, text, sizeof text),
          code);
      // The library names the field where the dispatcher's message marks it: '$%1$' in
      // a lookup's text, '$unbenannt/1.1$' in a recorded notice.
      S erwartet = meldung;
      for (const S marke : {"$%1$", "$unbenannt/1.1$"}) {
        for (auto p = erwartet.find(marke); p != S::npos; p = erwartet.find(marke)) {
          erwartet.replace(p, marke.size(), "unbenannt/1.1");
        }
      }
      ASSERT_EQ(text, latin9AlsUtf8(erwartet)) << fall.typ << " " << v;
    }
  }
  delete dienst;
}

TEST_F(ModulVergleich, VerzeichnisUndTexte) {
  auto dienst = modul().finanzamtsdatenService();
  int saetze = 0;
  for (int nummer = 0; nummer <= 9999; ++nummer) {
    dvtest::Datensatz satz;
    const int code = dienst->holeFinanzamtsdaten(std::to_string(nummer), satz, false);
    const char* felder[DV_FINANZAMT_FELDANZAHL];
    ASSERT_EQ(dv_finanzamt(nummer, felder), code == 0 ? 0 : DV_FEHLER_NICHT_GEFUNDEN) << nummer;
    if (code != 0) continue;
    ++saetze;
    S text;
    for (const char* feld : felder) text += S(feld) + "|";
    // The module gives a test office its name alone; the library its number and name.
    if (vesk::divideVira::istTestfinanzamt(nummer) &&
        vesk::divideVira::findeFinanzamtEintrag(std::to_string(nummer)) == nullptr) {
      EXPECT_EQ(felder[0], std::to_string(nummer));
      text = S(felder[1]) + "|";
    }
    ASSERT_EQ(text, latin9AlsUtf8(satz.text)) << nummer;
  }
  EXPECT_EQ(saetze, 622 + 158);  // records and test offices
  // Selection lists: the module's offices of every Land, in the module's order.
  for (std::size_t i = 0; i < vesk::divideVira::FINANZAMT_LISTEN_ANZAHL; ++i) {
    const auto& liste = vesk::divideVira::FINANZAMT_LISTEN[i];
    std::vector<dv_listeneintrag> eintraege(200);
    const int n = dv_finanzamtsliste(liste.landNummer, eintraege.data(), eintraege.size());
    int k = 0;
    for (const auto* e = liste.eintraege; e->nummer != 0; ++e, ++k) {
      ASSERT_LT(k, n);
      EXPECT_EQ(eintraege[k].nummer, e->nummer);
      EXPECT_EQ(eintraege[k].name, latin9AlsUtf8(e->name));
    }
    EXPECT_EQ(n, k);
    EXPECT_EQ(dv_finanzamtsliste(liste.landNummer, nullptr, 0), n);
  }
  // Host texts: each code of the table, and the numbers next to it.
  auto texte = modul().fehlertextService();
  int gefunden = 0;
  std::set<int> codes = {0, -1, 610001003};
  for (const auto& eintrag : vesk::divideVira::hostFehlertexte()) {
    codes.insert({eintrag.first - 1, eintrag.first, eintrag.first + 1});
  }
  for (const int code : codes) {
    const S text = texte->getFehlertext(code);
    const char* utf8 = dv_text(code);
    gefunden += utf8 != nullptr;
    ASSERT_EQ(utf8 == nullptr ? S() : S(utf8), latin9AlsUtf8(text)) << code;
  }
  EXPECT_EQ(gefunden, 175);
}

TEST(Verzeichnishinweis, FehlendesFinanzamt) {
  // 2177 is a real office number left out of the directory; 2177012345671 has the right
  // check digit for it (computed by the dispatcher with every office assumed present).
  const struct {
    const char *typ, *wert, *anfang;
  } faelle[] = {
      {"Steuernummer", "2177012345671",
       u8"Finanzamt 2177 fehlt unter den Finanzämtern des eingebauten Verzeichnisses; sonst "
       u8"wäre die Steuernummer gültig."},
      {"Steuernummer", "2177012345672", ""},  // wrong check digit: no notice
      {"Steuernummer", "2177", ""},
      {"Bundesfinanzamtsnummer", "2177",
       u8"Finanzamt 2177 fehlt unter den Finanzämtern des eingebauten Verzeichnisses."},
      {"Bundesfinanzamtsnummer", "2177012345672", u8"Finanzamt 2177 fehlt"},
      {"Bundesfinanzamtsnummer", "2801", ""},  // present
      {"Bundesfinanzamtsnummer", "21x7", ""},
  };
  for (const auto& fall : faelle) {
    char ziel[DV_MELDUNG_MAX];
    const int n =
        dv_verzeichnishinweis(fall.typ, fall.wert, std::strlen(fall.wert), ziel, sizeof ziel);
    EXPECT_EQ(S(ziel).substr(0, std::strlen(fall.anfang)), fall.anfang) << fall.wert;
    EXPECT_EQ(n, static_cast<int>(std::strlen(ziel)));
    EXPECT_EQ(n == 0, *fall.anfang == '\0') << fall.wert;
  }
}

}  // namespace
