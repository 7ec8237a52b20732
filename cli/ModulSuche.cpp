#include "cli/ModulSuche.h"

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "cli/ModulLader.h"

namespace dvhost {

namespace fs = std::filesystem;

std::string findeModul(const std::string& option) {
  const char* umgebung = std::getenv("DV_MODUL");
  // A module the caller names is never swapped for another one: a typo must not
  // silently load a different version.
  std::vector<std::pair<fs::path, std::string>> orte;
  if (!option.empty()) {
    orte.emplace_back(option, "--modul");
  } else if (umgebung != nullptr && *umgebung != '\0') {
    orte.emplace_back(umgebung, "DV_MODUL");
  } else {
    std::error_code fehler;
    const fs::path programm = fs::read_symlink("/proc/self/exe", fehler).parent_path();
    if (fehler) throw LadeFehler("Modul nicht gefunden: /proc/self/exe nicht lesbar");
    orte.emplace_back((programm / DV_MODUL_INSTALLIERT).lexically_normal(), "installiert");
    orte.emplace_back((programm / DV_MODUL_BUILD).lexically_normal(), "Build-Verzeichnis");
  }
  std::string gesucht;
  for (const auto& [pfad, herkunft] : orte) {
    std::error_code fehler;
    // dlopen looks a name without a slash up on the library path, so a relative name
    // given here is made absolute against the working directory.
    if (fs::is_regular_file(pfad, fehler)) return fs::absolute(pfad, fehler).lexically_normal();
    gesucht += "\n  " + pfad.string() + " (" + herkunft + ")";
  }
  throw LadeFehler("Modul nicht gefunden, gesucht:" + gesucht +
                   "\n(--modul PFAD oder DV_MODUL wählt es aus)");
}

}  // namespace dvhost
