#pragma once

#include <string>

namespace vesk::divideVira {

// Text of a plausibility message with "&quote;" and "<br>" substituted, or ""
// when the number is not in the table. Thread-safe; allocates only the result.
std::string plausiFehlertext(int nummer);

}  // namespace vesk::divideVira
