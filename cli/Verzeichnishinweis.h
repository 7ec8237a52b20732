#pragma once

#include <string>

namespace dvhost {

// Notices for values that fail because the directory lacks their tax office, from the C
// library libdividevira (its tables are the module's). Each returns the empty text when the
// notice does not apply.

// For a 13-digit tax number: the notice when the number would be valid if its office existed.
std::string steuernummerHinweis(const std::string& steuernummer);
// For a 4-digit office number or 13-digit tax number whose office the directory lacks.
std::string finanzamtHinweis(const std::string& nummer);

// A text of the C library (UTF-8) as ISO-8859-15, the charset of dvhost's output path.
std::string vonBibliothek(const std::string& utf8);

}  // namespace dvhost
