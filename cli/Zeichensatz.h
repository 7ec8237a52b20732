#pragma once

#include <string>

namespace dvhost {

// The module speaks ISO-8859-15; the terminal speaks the locale's charset.
// Both conversions pass text through unchanged when the charsets agree and
// replace what cannot be converted by '?'.
std::string zuTerminal(const std::string& latin9);
std::string vonTerminal(const std::string& text);

}  // namespace dvhost
