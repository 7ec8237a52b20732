#include "errortexts/HostFehlertexte.h"

#include "errortexts/FehlertextEintrag.h"

namespace vesk::divideVira {

namespace {

std::map<int, std::string> baueHostFehlertexte() {
  std::map<int, std::string> texte;
  for (std::size_t i = 0; i < HOST_FEHLERTEXT_EINTRAEGE_ANZAHL; ++i) {
    const FehlertextEintrag& eintrag = HOST_FEHLERTEXT_EINTRAEGE[i];
    texte.insert({eintrag.code, eintrag.text});
  }
  return texte;
}

}  // namespace

const std::map<int, std::string>& hostFehlertexte() {
  static const std::map<int, std::string> texte = baueHostFehlertexte();
  return texte;
}

}  // namespace vesk::divideVira
