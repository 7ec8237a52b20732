#pragma once

#include <string>
#include <utility>
#include <vector>

#include "veskplugin2/IFinanzamtsdaten.h"
#include "veskplugin2/IRegexPluginService.h"
#include "veskplugin2/IVeskFormatierung.h"
#include "veskplugin2/IVeskPruefziffernverfahrenDefinition.h"

namespace vesk::plugin2::iface {

using Negativmuster = std::vector<std::pair<std::string, std::string>>;

// Tax office directory, tax number definitions and identifier checks.
// Every int result is a host result code (0 = success). The service keeps no
// state; calls from several threads are safe. Outputs are overwritten.
class IFinanzamtsdatenService : public IRegexPluginService {
 public:
  // Slot 4: 13-digit tax number to Land notation.
  virtual int formatiereSteuernummer(const std::string& steuernummer,
                                     std::string& ausgabe) = 0;
  // Slot 5: XML list of Land keys; with 54 to 56 when mitNrwTestschluesseln.
  virtual int holeFinanzamtLandNummern(std::string& xml,
                                       bool mitNrwTestschluesseln) = 0;
  // Slot 6: XML list of the test and training offices.
  virtual int holeTestfinanzaemter(std::string& xml) = 0;
  // Slot 7: XML list of the tax offices of a Land.
  virtual int holeFinanzaemter(const std::string& landNummer,
                               std::string& xml) = 0;
  // Slot 8: fills the record of one tax office.
  virtual int holeFinanzamtsdaten(const std::string& buFaNummer,
                                  IFinanzamtsdaten& daten,
                                  bool ohneTestfinanzaemter) = 0;
  // Slot 9.
  virtual int pruefeBIC(const std::string& bic) = 0;
  // Slot 10: a 4-digit tax office number or a 13-digit tax number.
  virtual int pruefeFinanzamtNummer(const std::string& nummer) = 0;
  // Slot 11: Land notation to 13 digits, by Land key and/or tax office number.
  virtual int erzeugeSteuernummer(const std::string& steuernummer,
                                  const std::string& landNummer,
                                  const std::string& buFaNummer,
                                  std::string& ausgabe) = 0;
  // Slot 12.
  virtual int pruefeIBAN(const std::string& iban) = 0;
  // Slot 13.
  virtual int pruefeIdNummer(const std::string& idNummer,
                             bool testnummernErlaubt) = 0;
  // Slot 14: 13-digit tax number.
  virtual int pruefeSteuernummer(const std::string& steuernummer) = 0;
  // Slot 15.
  virtual bool existiertFinanzamt(int buFaNummer) = 0;
  // Slot 16: "" for an unknown key.
  virtual std::string holeBundeslandKuerzel(int landNummer) = 0;
  // Slot 17: new object owned by the caller; throws std::runtime_error for an
  // unknown Land.
  virtual IVeskFormatierung* holeFormatierung(int landNummer) = 0;
  // Slot 18: new object owned by the caller; throws std::runtime_error.
  virtual IVeskPruefziffernverfahrenDefinition*
  holePruefziffernverfahrenDefinition(int landNummer, int buFaNummer,
                                      int bezirk) = 0;
  // Slot 19: (pattern, message) pairs; throws for a key without abbreviation.
  virtual Negativmuster holeNegativmuster(int landNummer) = 0;
  // Slot 20.
  virtual bool istBundeslandKuerzel(const std::string& kuerzel) = 0;
};

}  // namespace vesk::plugin2::iface
