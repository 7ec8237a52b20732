#include "taxoffice/FinanzamtsdatenService.h"

namespace vesk::divideVira {

// Placeholders until the checks land: every operation reports the general failure.
namespace {
constexpr int kAllgemeinerFehler = 610001001;
}

int FinanzamtsdatenService::formatiereSteuernummer(const std::string&, std::string&) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::pruefeBIC(const std::string&) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::erzeugeSteuernummer(const std::string&, const std::string&, const std::string&, std::string&) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::pruefeIBAN(const std::string&) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::pruefeIdNummer(const std::string&, bool) { return kAllgemeinerFehler; }
int FinanzamtsdatenService::pruefeSteuernummer(const std::string&) { return kAllgemeinerFehler; }

}  // namespace vesk::divideVira
