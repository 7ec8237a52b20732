#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "cli/ModulLader.h"
#include "cli/ModulSuche.h"

namespace fs = std::filesystem;
namespace {

// Files named relative to DV_TESTORDNER; the lookup's own places are lib/ and build/.
struct Fall {
  const char *option, *umgebung;
  std::vector<const char*> vorhanden;
  const char* erwartet;                // found file, or nullptr for a LadeFehler
  std::vector<const char*> inMeldung;  // places the error must name
};

std::string pfad(const char* name) { return *name ? std::string(DV_TESTORDNER "/") + name : ""; }

TEST(ModulSuche, ReihenfolgeUndFehlermeldung) {
  const Fall faelle[] = {
      {"", "", {"lib/modul.so", "build/modul.so"}, "lib/modul.so", {}},  // installed first
      {"", "", {"build/modul.so"}, "build/modul.so", {}},
      {"", "", {}, nullptr, {"lib/modul.so (installiert)", "build/modul.so (Build-Verzeichnis)"}},
      {"a.so", "b.so", {"a.so", "b.so", "lib/modul.so"}, "a.so", {}},  // option beats env
      {"", "b.so", {"b.so", "lib/modul.so"}, "b.so", {}},
      // A named module that is missing is an error, not a reason to load another one.
      {"a.so", "", {"lib/modul.so"}, nullptr, {"a.so (--modul)"}},
      {"", "b.so", {"lib/modul.so"}, nullptr, {"b.so (DV_MODUL)"}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(&fall - faelle);
    fs::remove_all(DV_TESTORDNER);
    for (const char* name : fall.vorhanden) {
      fs::create_directories(fs::path(pfad(name)).parent_path());
      std::ofstream(pfad(name)) << "ELF";
    }
    setenv("DV_MODUL", pfad(fall.umgebung).c_str(), 1);
    if (fall.erwartet != nullptr) {
      EXPECT_EQ(dvhost::findeModul(pfad(fall.option)), pfad(fall.erwartet));
      continue;
    }
    try {
      dvhost::findeModul(pfad(fall.option));
      ADD_FAILURE() << "no error";
    } catch (const dvhost::LadeFehler& e) {
      const std::string meldung = e.what();
      for (const char* ort : fall.inMeldung) EXPECT_NE(meldung.find(pfad(ort)), meldung.npos);
      const bool benannt = *fall.option || *fall.umgebung;
      EXPECT_EQ(meldung.find("lib/modul.so") == std::string::npos, benannt) << meldung;
    }
  }
  unsetenv("DV_MODUL");
  fs::remove_all(DV_TESTORDNER);
}

}  // namespace
