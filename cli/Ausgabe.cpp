#include "cli/Ausgabe.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/Zeichensatz.h"

namespace dvhost {

namespace {
int ersterFehler = 0;

void merkeFehler() {
  if (ersterFehler == 0 && std::ferror(stdout)) ersterFehler = errno != 0 ? errno : EIO;
}
}  // namespace

void schreibe(const std::string& bytes) {
  errno = 0;
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  merkeFehler();
}

int ausgabeAbschliessen() {
  errno = 0;
  std::fflush(stdout);
  merkeFehler();
  return ersterFehler;
}

void meldeSystemfehler(const std::string& wasLatin9, int fehlernummer) {
  // strerror already speaks the terminal's charset.
  std::fprintf(stderr, "dvhost: %s: %s\n", zuTerminal(wasLatin9).c_str(),
               std::strerror(fehlernummer));
}

}  // namespace dvhost
