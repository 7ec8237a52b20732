// Eight threads use the C library from its first call on (each test runs in a fresh
// process): every answer equals the one-thread answer computed afterwards. Meant for the
// ThreadSanitizer build as well.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "dividevira/dividevira.h"

namespace {

struct Aufgabe {
  const char* typ;
  std::string wert;
};

std::string antwort(const Aufgabe& a) {
  char ziel[DV_MELDUNG_MAX];
  const char* felder[DV_FINANZAMT_FELDANZAHL];
  std::string t = std::to_string(dv_pruefe(a.typ, a.wert.data(), a.wert.size()));
  t += "|" +
       std::to_string(
           dv_pruefe_text(a.typ, a.wert.data(), a.wert.size(), nullptr, 0, ziel, sizeof ziel)) +
       ziel;
  const char* m = dv_meldung(a.typ, 604);
  t += m != nullptr ? m : "-";
  t += "|" + std::to_string(dv_steuernummer_land(a.wert.data(), a.wert.size(), ziel, sizeof ziel));
  t += ziel;
  t += "|" +
       std::to_string(
           dv_steuernummer_bund(a.wert.data(), a.wert.size(), "11", nullptr, ziel, sizeof ziel)) +
       ziel;
  t += "|" +
       std::to_string(
           dv_verzeichnishinweis("Steuernummer", a.wert.data(), a.wert.size(), ziel, sizeof ziel)) +
       ziel;
  const int nummer = std::atoi(a.wert.substr(0, 4).c_str());
  if (dv_finanzamt(nummer, felder) == 0) t += felder[1];
  t += "|" + std::to_string(dv_finanzamtsliste(nummer / 100, nullptr, 0));
  const char* text = dv_text(610001034);
  return t + (text != nullptr ? text : "-");
}

TEST(GleichzeitigeCApi, AchtThreadsAbErstemAufruf) {
  std::vector<Aufgabe> aufgaben;
  for (const char* typ : {"IBAN", "BIC", "IDNr", "UStIdNr", "Steuernummer", "EMail",
                          "Laenderkuerzel", "DATUM_TTMMJJ", "Bundesfinanzamtsnummer"}) {
    for (const char* wert :
         {"DE89370400440532013000", "DE89370400440532013001", "DEUTDEFF", "02345678901",
          "86095742719", "DE136695976", "1127012345673", "27/123/45673", "2177012345671", "a@b.de",
          "BY", "29.02.96", "2801", u8"M\u00fcller\u20ac"}) {
      aufgaben.push_back({typ, wert});
    }
  }
  std::vector<std::vector<std::string>> ergebnisse(8);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < ergebnisse.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int runde = 0; runde < 3; ++runde) {
        for (std::size_t i = 0; i < aufgaben.size(); ++i) {
          // Each thread starts at another task, so first uses collide.
          const Aufgabe& a = aufgaben[(i + t * 7) % aufgaben.size()];
          ergebnisse[t].push_back(antwort(a));
        }
      }
    });
  }
  for (auto& th : threads) th.join();
  for (std::size_t t = 0; t < ergebnisse.size(); ++t) {
    for (std::size_t k = 0; k < ergebnisse[t].size(); ++k) {
      const Aufgabe& a = aufgaben[(k % aufgaben.size() + t * 7) % aufgaben.size()];
      ASSERT_EQ(ergebnisse[t][k], antwort(a)) << a.typ << " " << a.wert;
    }
  }
}

}  // namespace
