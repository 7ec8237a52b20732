// Runs a fuzz target over files (corpus seeds and kept findings) without
// libFuzzer, so that g++ builds replay them as ordinary tests.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);

int main(int argc, char** argv) {
  int anzahl = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path pfad(argv[i]);
    if (!std::filesystem::exists(pfad)) continue;
    std::vector<std::filesystem::path> dateien;
    if (std::filesystem::is_directory(pfad)) {
      for (const auto& eintrag : std::filesystem::directory_iterator(pfad)) {
        if (eintrag.is_regular_file()) dateien.push_back(eintrag.path());
      }
    } else {
      dateien.push_back(pfad);
    }
    for (const auto& datei : dateien) {
      std::ifstream ein(datei, std::ios::binary);
      std::vector<uint8_t> daten((std::istreambuf_iterator<char>(ein)), {});
      LLVMFuzzerTestOneInput(daten.data(), daten.size());
      ++anzahl;
    }
  }
  std::printf("replayed %d inputs\n", anzahl);
  return anzahl > 0 ? 0 : 1;
}
