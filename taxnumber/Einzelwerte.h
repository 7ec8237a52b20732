#pragma once

#include <string>

#include "rules/IDefdatenSteuernummer.h"

// The checks and conversions of single values that the tax office data service offers, each
// returning a host result code. Messages stay inside the module.
namespace vesk::divideVira::einzelwerte {

int pruefeBIC(const std::string& bic);
int pruefeIBAN(const std::string& iban);
// A valid number beginning with 0 is a test number: 0 when allowed, else 610001523.
int pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt);
int pruefeSteuernummer(const std::string& steuernummer,
                       zudadavizu_20_0::IDefdatenSteuernummer& defdaten);
// 13 digits to the Land notation.
int formatiereSteuernummer(const std::string& steuernummer,
                           zudadavizu_20_0::IDefdatenSteuernummer& defdaten, std::string& ausgabe);
// A Land notation (or a short form of Hessen, Bayern, Berlin) to 13 digits, then checked.
int erzeugeSteuernummer(const std::string& steuernummer, const std::string& landNummer,
                        const std::string& buFaNummer,
                        zudadavizu_20_0::IDefdatenSteuernummer& defdaten, std::string& ausgabe);

}  // namespace vesk::divideVira::einzelwerte
