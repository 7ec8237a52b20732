#pragma once

#include <string>

#include "capi/Latin9.h"

namespace dvhost {

// The module speaks ISO-8859-15; the terminal speaks the locale's charset, and UTF-8 where the
// locale names plain ASCII (the C locale of cron jobs and CI), since what arrives there is UTF-8.
// zuTerminal replaces what the terminal cannot show by '?'; vonTerminal keeps a byte that is
// not valid in the terminal's charset as it is, so that a Latin-9 export read from a UTF-8
// terminal still arrives unchanged.
std::string zuTerminal(const std::string& latin9);
std::string vonTerminal(const std::string& text);

// ISO-8859-15 to UTF-8, whatever the locale (JSON output, the C library's input).
using dividevira::latin9AlsUtf8;

}  // namespace dvhost
