#pragma once

#include <cstddef>
#include <string>

namespace dvhost {

// Reads text lines from a descriptor in fixed chunks, so that no input can make it hold more
// than one line of at most kMaxZeile bytes. A longer line is reported once and the rest of it
// is read past without being stored. A NUL byte never occurs in text: it ends the reading,
// which is what makes an endless line of them (/dev/zero) end at all.
class Zeilenleser {
 public:
  static constexpr std::size_t kMaxZeile = 64 * 1024;  // bytes before the LF, a CR included

  enum class Ergebnis {
    kZeile,    // zeile holds the line without its LF
    kZuLang,   // zeile holds the line's first bytes; the rest was read past
    kEnde,     // end of input
    kNulByte,  // line zeilennummer() holds a NUL byte; nothing more is read
    kFehler,   // read failed with fehlernummer()
  };

  explicit Zeilenleser(int fd) : fd_(fd) {}
  // The next line; returns as soon as a whole line has arrived (pipes are not waited on).
  Ergebnis naechste(std::string& zeile);
  // Number of the line naechste last returned, counted from 1.
  std::size_t zeilennummer() const { return zeilennummer_; }
  int fehlernummer() const { return fehlernummer_; }

 private:
  bool fuelle();  // false at the end of input or on an error

  int fd_;
  char puffer_[kMaxZeile];
  std::size_t anfang_ = 0, ende_ = 0;
  std::size_t zeilennummer_ = 0;
  int fehlernummer_ = 0;
  bool beendet_ = false;
};

}  // namespace dvhost
