#pragma once

#include <string>

#include "plugin/ServiceBasis.h"
#include "veskplugin2/IFinanzamtsdatenService.h"

namespace vesk::divideVira {

// The tax office data service: the directory operations here, the per-Land definitions
// (slots 17-19) and the checks and conversions (slots 4, 9, 11-14) handed on to the tax
// number library. Stateless apart from the logger and the context.
class FinanzamtsdatenService : public ServiceBasis<plugin2::iface::IFinanzamtsdatenService> {
 public:
  using ServiceBasis::ServiceBasis;
  using IFinanzamtsdaten = plugin2::iface::IFinanzamtsdaten;

  int formatiereSteuernummer(const std::string& steuernummer, std::string& ausgabe) override;
  int holeFinanzamtLandNummern(std::string& xml, bool mitNrwTestschluesseln) override;
  int holeTestfinanzaemter(std::string& xml) override;
  int holeFinanzaemter(const std::string& landNummer, std::string& xml) override;
  int holeFinanzamtsdaten(const std::string& buFaNummer, IFinanzamtsdaten& daten,
                          bool ohneTestfinanzaemter) override;
  int pruefeBIC(const std::string& bic) override;
  int pruefeFinanzamtNummer(const std::string& nummer) override;
  int erzeugeSteuernummer(const std::string& steuernummer, const std::string& landNummer,
                          const std::string& buFaNummer, std::string& ausgabe) override;
  int pruefeIBAN(const std::string& iban) override;
  int pruefeIdNummer(const std::string& idNummer, bool testnummernErlaubt) override;
  int pruefeSteuernummer(const std::string& steuernummer) override;
  bool existiertFinanzamt(int buFaNummer) override;
  std::string holeBundeslandKuerzel(int landNummer) override;
  plugin2::iface::IVeskFormatierung* holeFormatierung(int landNummer) override;
  plugin2::iface::IVeskPruefziffernverfahrenDefinition* holePruefziffernverfahrenDefinition(
      int landNummer, int buFaNummer, int bezirk) override;
  plugin2::iface::Negativmuster holeNegativmuster(int landNummer) override;
  bool istBundeslandKuerzel(const std::string& kuerzel) override;
};

// New service owned by the caller.
FinanzamtsdatenService* erzeugeFinanzamtsdatenService(plugin2::iface::IPluginLogger* logger,
                                                      plugin2::iface::IServiceContext* kontext);

}  // namespace vesk::divideVira
