#include "errortexts/PlausiFehlertexte.h"

#include <algorithm>
#include <cstring>

#include "errortexts/FehlertextEintrag.h"

namespace vesk::divideVira {

namespace {

// The two search strings, built once at load.
const std::string kQuoteEntitaet = "&quote;";
const std::string kZeilenumbruch = "<br>";

}  // namespace

// One left-to-right pass gives the same result as replacing all "&quote;" first
// and then all "<br>": the two patterns share no character and neither
// replacement character occurs in either pattern, so no match of one can
// overlap a match of the other or be created by a replacement.
std::string ersetzeMarkierungen(const char* text) {
  // Most texts hold neither mark: one scan finds that and their length together.
  const std::size_t bisMarke = std::strcspn(text, "&<");
  if (text[bisMarke] == '\0') return std::string(text, bisMarke);
  const char* treffer = text + bisMarke;
  std::string ergebnis;
  ergebnis.reserve(std::strlen(text));
  const char* rest = text;
  while (treffer != nullptr) {
    ergebnis.append(rest, treffer);
    if (std::strncmp(treffer, kQuoteEntitaet.c_str(), kQuoteEntitaet.size()) == 0) {
      ergebnis += '"';
      rest = treffer + kQuoteEntitaet.size();
    } else if (std::strncmp(treffer, kZeilenumbruch.c_str(), kZeilenumbruch.size()) == 0) {
      ergebnis += '\n';
      rest = treffer + kZeilenumbruch.size();
    } else {
      ergebnis += *treffer;
      rest = treffer + 1;
    }
    treffer = std::strpbrk(rest, "&<");
  }
  ergebnis.append(rest);
  return ergebnis;
}

std::string plausiFehlertext(int nummer) {
  const FehlertextEintrag* anfang = PLAUSI_FEHLERTEXTE;
  const FehlertextEintrag* ende = anfang + PLAUSI_FEHLERTEXTE_ANZAHL;
  const FehlertextEintrag* eintrag =
      std::lower_bound(anfang, ende, nummer,
                       [](const FehlertextEintrag& e, int gesucht) { return e.code < gesucht; });
  if (eintrag == ende || eintrag->code != nummer) return std::string();
  return ersetzeMarkierungen(eintrag->text);
}

}  // namespace vesk::divideVira
