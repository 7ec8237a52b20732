#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace dvfuzz {

// Takes typed pieces off the front of a fuzz input; runs dry gracefully.
class Eingabe {
 public:
  Eingabe(const uint8_t* daten, size_t groesse) : daten_(daten), rest_(groesse) {}

  bool leer() const { return rest_ == 0; }
  uint8_t byte() {
    if (rest_ == 0) return 0;
    --rest_;
    return *daten_++;
  }
  int32_t ganzzahl() {
    uint32_t wert = 0;
    for (int i = 0; i < 4; ++i) wert = (wert << 8) | byte();
    int32_t ergebnis;
    std::memcpy(&ergebnis, &wert, sizeof ergebnis);
    return ergebnis;
  }
  // A piece up to the next separator byte (or the end).
  std::string bisTrenner(char trenner = '\n') {
    std::string text;
    while (rest_ > 0) {
      char c = static_cast<char>(byte());
      if (c == trenner) break;
      text += c;
    }
    return text;
  }
  std::string rest() {
    std::string text(reinterpret_cast<const char*>(daten_), rest_);
    daten_ += rest_;
    rest_ = 0;
    return text;
  }

 private:
  const uint8_t* daten_;
  size_t rest_;
};

}  // namespace dvfuzz
