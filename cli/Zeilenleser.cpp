#include "cli/Zeilenleser.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace dvhost {

bool Zeilenleser::fuelle() {
  if (beendet_) return false;
  for (;;) {
    const ssize_t gelesen = ::read(fd_, puffer_, sizeof puffer_);
    if (gelesen > 0) {
      anfang_ = 0;
      ende_ = static_cast<std::size_t>(gelesen);
      return true;
    }
    if (gelesen < 0 && errno == EINTR) continue;
    fehlernummer_ = gelesen < 0 ? errno : 0;
    beendet_ = true;
    return false;
  }
}

Zeilenleser::Ergebnis Zeilenleser::naechste(std::string& zeile) {
  zeile.clear();
  bool zuLang = false, etwasGelesen = false;
  for (;;) {
    if (anfang_ == ende_ && !fuelle()) {
      if (fehlernummer_ != 0) return Ergebnis::kFehler;
      if (!etwasGelesen) return Ergebnis::kEnde;
      return zuLang ? Ergebnis::kZuLang : Ergebnis::kZeile;  // the last line lacks its LF
    }
    if (!etwasGelesen) ++zeilennummer_;
    etwasGelesen = true;
    const char* von = puffer_ + anfang_;
    const std::size_t verfuegbar = ende_ - anfang_;
    const char* lf = static_cast<const char*>(std::memchr(von, '\n', verfuegbar));
    const std::size_t laenge = lf != nullptr ? static_cast<std::size_t>(lf - von) : verfuegbar;
    if (std::memchr(von, '\0', laenge) != nullptr) {
      beendet_ = true;
      anfang_ = ende_ = 0;
      return Ergebnis::kNulByte;
    }
    if (!zuLang) {
      const std::size_t platz = kMaxZeile - zeile.size();
      zeile.append(von, laenge < platz ? laenge : platz);
      zuLang = laenge > platz;
    }
    anfang_ += laenge;
    if (lf != nullptr) {
      ++anfang_;
      return zuLang ? Ergebnis::kZuLang : Ergebnis::kZeile;
    }
  }
}

}  // namespace dvhost
