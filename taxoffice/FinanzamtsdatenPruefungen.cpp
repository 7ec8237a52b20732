// Slots 4, 9 and 11 to 14 of the tax office data service: single values checked and
// converted by the tax number library, over this service's definitions.
#include "taxnumber/Einzelwerte.h"
#include "taxoffice/FinanzamtsdatenService.h"

namespace vesk::divideVira {

int FinanzamtsdatenService::formatiereSteuernummer(const std::string& steuernummer,
                                                   std::string& ausgabe) {
  return einzelwerte::formatiereSteuernummer(steuernummer, *this, ausgabe);
}

int FinanzamtsdatenService::pruefeBIC(const std::string& bic) {
  return einzelwerte::pruefeBIC(bic);
}

int FinanzamtsdatenService::erzeugeSteuernummer(const std::string& steuernummer,
                                                const std::string& landNummer,
                                                const std::string& buFaNummer,
                                                std::string& ausgabe) {
  return einzelwerte::erzeugeSteuernummer(steuernummer, landNummer, buFaNummer, *this, ausgabe);
}

int FinanzamtsdatenService::pruefeIBAN(const std::string& iban) {
  return einzelwerte::pruefeIBAN(iban);
}

int FinanzamtsdatenService::pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt) {
  return einzelwerte::pruefeIdNummer(idNummer, testnummernErlaubt);
}

int FinanzamtsdatenService::pruefeSteuernummer(const std::string& steuernummer) {
  return einzelwerte::pruefeSteuernummer(steuernummer, *this);
}

}  // namespace vesk::divideVira
