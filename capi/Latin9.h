#pragma once

#include <string>
#include <string_view>

// The charset of the libraries (ISO-8859-15) against UTF-8, for the C library's edge and for
// dvhost's output alike.
namespace dividevira {

// UTF-8 to ISO-8859-15 into ziel (replacing its content, keeping its capacity). False for
// invalid UTF-8 (overlong forms, surrogates, beyond U+10FFFF, cut sequences) and for a
// character that ISO-8859-15 lacks.
bool utf8AlsLatin9(std::string_view utf8, std::string& ziel);
std::string latin9AlsUtf8(std::string_view latin9);

}  // namespace dividevira
