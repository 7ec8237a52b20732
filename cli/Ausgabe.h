#pragma once

#include <string>

namespace dvhost {

// Standard output that remembers why a write failed (a full disk, a closed pipe), so that
// the exit status can tell; stdio alone would only say that something failed, long after.
void schreibe(const std::string& bytes);
// Flushes standard output; the errno of the first failed write, or 0.
int ausgabeAbschliessen();
// "dvhost: WAS: REASON" on stderr, REASON the system's text for fehlernummer.
void meldeSystemfehler(const std::string& wasLatin9, int fehlernummer);

}  // namespace dvhost
