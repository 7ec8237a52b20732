#pragma once

#include <string>

#include "veskplugin2/IFinanzamtsdatenService.h"

// The checks and conversions of single values that the tax office data service offers, each
// returning a host result code. Messages stay inside the module. The tax number
// operations ask the service about offices and Länder, and read the per-Land definitions
// from the module's constant objects, which the service's own answers are built from.
namespace vesk::divideVira::einzelwerte {

int pruefeBIC(const std::string& bic);
int pruefeIBAN(const std::string& iban);
// A valid number beginning with 0 is a test number: 0 when allowed, else 610001523.
int pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt);
int pruefeSteuernummer(const std::string& steuernummer,
                       plugin2::iface::IFinanzamtsdatenService& service);
// 13 digits to the Land notation.
int formatiereSteuernummer(const std::string& steuernummer,
                           plugin2::iface::IFinanzamtsdatenService& service, std::string& ausgabe);
// A Land notation (or a short form of Hessen, Bayern, Berlin) to 13 digits, then checked.
int erzeugeSteuernummer(const std::string& steuernummer, const std::string& landNummer,
                        const std::string& buFaNummer,
                        plugin2::iface::IFinanzamtsdatenService& service, std::string& ausgabe);

}  // namespace vesk::divideVira::einzelwerte
