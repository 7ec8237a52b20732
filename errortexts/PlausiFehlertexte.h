#pragma once

#include <string>

namespace vesk::divideVira {

// Text of a plausibility message with "&quote;" and "<br>" substituted, or ""
// when the number is not in the table. Thread-safe; allocates only the result.
std::string plausiFehlertext(int nummer);

// text with every "&quote;" replaced by '"' and then every "<br>" by '\n', each
// left to right over non-overlapping occurrences without rescanning.
std::string ersetzeMarkierungen(const char* text);

}  // namespace vesk::divideVira
