#pragma once

#include <string>

namespace vesk::plugin2::iface {

// The 30 text fields after BuFaNummer, in record order. Each contributes a
// getter and a setter, so the field k (2..31) sits at slots 7+2(k-2), 8+2(k-2).
#define VESK_FINANZAMTSDATEN_FELDER(X)                                         \
  X(Name) X(NamensZusatz) X(Strasse) X(Plz) X(Ort) X(Telefon) X(Telefax)       \
  X(PlzZusatz) X(PlzPostfach) X(Postfach) X(Blz1) X(Konto1) X(Bank1) X(Iban1)  \
  X(Bic1) X(KontoBuFaNummer1) X(Blz2) X(Konto2) X(Bank2) X(Iban2) X(Bic2)      \
  X(KontoBuFaNummer2) X(Oeffnungszeiten) X(EMail) X(EMail2) X(Internet)        \
  X(Internet2) X(Bemerkung) X(BezugBuFaNummer) X(BezugText)

// Host record of one tax office, filled by holeFinanzamtsdaten. 67 slots.
class IFinanzamtsdaten {
 public:
  virtual ~IFinanzamtsdaten() = default;
  virtual const std::string& getBuFaNummer() const = 0;
  virtual void setBuFaNummer(const std::string& wert) = 0;
  virtual bool getKennzeichenA() const = 0;
  virtual void setKennzeichenA(bool wert) = 0;
  virtual bool getKennzeichenB() const = 0;
  virtual void setKennzeichenB(bool wert) = 0;
#define VESK_FELD_DEKLARATION(feld)                      \
  virtual const std::string& get##feld() const = 0;      \
  virtual void set##feld(const std::string& wert) = 0;
  VESK_FINANZAMTSDATEN_FELDER(VESK_FELD_DEKLARATION)
#undef VESK_FELD_DEKLARATION
};

}  // namespace vesk::plugin2::iface
