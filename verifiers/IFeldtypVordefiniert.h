#pragma once

#include <string>
#include <utility>

#include "rules/Feldtypen.h"
#include "rules/IDefdatenSteuernummer.h"

namespace zudadavizu_20_0 {

// (converted value, message); an empty message or "null" means success, any
// other message is the failure text and the value is the input unchanged.
using KonvertierungsErgebnis = std::pair<std::string, std::string>;

// Verifier of one predefined field type. Verifiers are module-wide singletons
// and may be used from several threads at once.
class IFeldtypVordefiniert {
 public:
  virtual ~IFeldtypVordefiniert() = default;
  // 0 when valid, else the type's result code. defdaten may be null for the
  // types that do not read tax number definitions.
  virtual int verify(const std::string& wert, IDefdatenSteuernummer* defdaten) = 0;
  // Display form to stored form; identity for all but the tax number types.
  virtual KonvertierungsErgebnis convert(const std::string& wert,
                                         IDefdatenSteuernummer* defdaten) = 0;
  // Stored form to display form; identity for all but the tax number types.
  virtual KonvertierungsErgebnis convertBack(const std::string& wert,
                                             IDefdatenSteuernummer* defdaten) = 0;
};

// Base of the verifiers whose conversions are the identity.
class NichtKonvertierenderVerifier : public IFeldtypVordefiniert {
 public:
  KonvertierungsErgebnis convert(const std::string& wert, IDefdatenSteuernummer*) override {
    return {wert, std::string()};
  }
  KonvertierungsErgebnis convertBack(const std::string& wert, IDefdatenSteuernummer*) override {
    return {wert, std::string()};
  }
};

// The verifier singleton of a type name ("IDNr", "Steuernummer", ...); throws
// std::runtime_error "Ungültiger Vordefinierter Typ" for an unknown name.
IFeldtypVordefiniert& verifierFuer(const std::string& typName);
IFeldtypVordefiniert& verifierFuer(Feldtyp typ);

}  // namespace zudadavizu_20_0
