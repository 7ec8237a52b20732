#include "cli/Wertart.h"

namespace dvhost {

namespace {

bool istZiffer(char c) { return c >= '0' && c <= '9'; }
bool istBuchstabe(char c) { return c >= 'A' && c <= 'Z'; }
bool istAlnum(char c) { return istZiffer(c) || istBuchstabe(c); }

// Whether wert[von, bis) consists of characters of one class.
template <class Klasse>
bool alle(const std::string& wert, std::size_t von, std::size_t bis, Klasse klasse) {
  for (std::size_t i = von; i < bis; ++i) {
    if (!klasse(wert[i])) return false;
  }
  return true;
}

}  // namespace

const char* artName(Wertart art) {
  switch (art) {
    case Wertart::kIBAN:
      return "iban";
    case Wertart::kBIC:
      return "bic";
    case Wertart::kIdNr:
      return "idnr";
    case Wertart::kSteuernummer:
      return "steuernummer";
    case Wertart::kUStIdNr:
      return "ustidnr";
  }
  return "";
}

std::vector<Wertart> formPasstZu(const std::string& wert) {
  const std::size_t n = wert.size();
  std::vector<Wertart> arten;
  const bool ziffern = alle(wert, 0, n, istZiffer);
  const bool land = n >= 2 && alle(wert, 0, 2, istBuchstabe);
  if (land && n >= 15 && n <= 34 && alle(wert, 2, 4, istZiffer) && alle(wert, 4, n, istAlnum)) {
    arten.push_back(Wertart::kIBAN);
  }
  if ((n == 8 || n == 11) && alle(wert, 0, 6, istBuchstabe) && alle(wert, 6, n, istAlnum)) {
    arten.push_back(Wertart::kBIC);
  }
  if (ziffern && n == 11) arten.push_back(Wertart::kIdNr);
  if (ziffern && n == 13) arten.push_back(Wertart::kSteuernummer);
  if (land && n >= 4 && n <= 14 && alle(wert, 2, n, istAlnum) && !alle(wert, 2, n, istBuchstabe)) {
    arten.push_back(Wertart::kUStIdNr);
  }
  return arten;
}

}  // namespace dvhost
