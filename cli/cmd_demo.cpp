// dvhost demo: a short scripted tour through the services.
#include <algorithm>

#include "cli/Befehl.h"

namespace dvhost {
namespace {

int demo(Sitzung& sitzung, const Aufruf& aufruf) {
  if (!aufruf.werte.empty()) throw Benutzungsfehler("keine Argumente erwartet");
  auto schritte = demoSchritte();
  std::stable_sort(
      schritte.begin(), schritte.end(),
      [](const DemoSchritt& a, const DemoSchritt& b) { return a.reihenfolge < b.reihenfolge; });
  for (const auto& schritt : schritte) {
    sitzung.zeile("");
    sitzung.zeile("== " + schritt.titel);
    schritt.ausfuehren(sitzung);
  }
  return kAllesGueltig;
}

const BefehlRegistrierung registrierung({"demo",
                                         "kurzer Rundgang durch alle Dienste",
                                         "Aufruf: dvhost demo\n"
                                         "Zeigt Version, registrierte Dienste und Beispiele "
                                         "aller Dienste.",
                                         {},
                                         demo});

}  // namespace
}  // namespace dvhost
