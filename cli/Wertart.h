#pragma once

#include <string>
#include <vector>

namespace dvhost {

// The kinds of value that pruefe tells apart, in the order their names appear in messages.
enum class Wertart { kIBAN, kBIC, kIdNr, kSteuernummer, kUStIdNr };

// The name the user types and reads: iban, bic, idnr, steuernummer, ustidnr.
const char* artName(Wertart art);

// The kinds whose form the value has, by length and character classes alone:
//   IBAN          2 letters, 2 digits, 11 to 30 letters or digits (15 to 34 characters)
//   BIC           6 letters, 2 letters or digits, optionally 3 more (8 or 11 characters)
//   IdNr          11 digits
//   Steuernummer  13 digits (the nationwide form)
//   UStIdNr       2 letters, then 2 to 12 letters or digits, at least one a digit
// Letters are upper case. Only BIC and UStIdNr overlap (DEUTDE55, say); the checks decide.
std::vector<Wertart> formPasstZu(const std::string& wert);

}  // namespace dvhost
