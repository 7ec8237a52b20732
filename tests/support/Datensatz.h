#pragma once

#include <string>

#include "veskplugin2/IFinanzamtsdaten.h"

namespace dvtest {

// Host record that writes every field it is given into one text, "|" after each, and the two
// flags as A/a and B/b: one comparison shows what a fill wrote and in which order.
class Datensatz : public vesk::plugin2::iface::IFinanzamtsdaten {
 public:
  std::string text;
#define DV_FELD(feld)                                            \
  const std::string& get##feld() const override { return text; } \
  void set##feld(const std::string& w) override { text += w + "|"; }
  DV_FELD(BuFaNummer)
  VESK_FINANZAMTSDATEN_FELDER(DV_FELD)
#undef DV_FELD
  bool getKennzeichenA() const override { return false; }
  void setKennzeichenA(bool w) override { text += w ? "A" : "a"; }
  bool getKennzeichenB() const override { return false; }
  void setKennzeichenB(bool w) override { text += w ? "B" : "b"; }
};

}  // namespace dvtest
