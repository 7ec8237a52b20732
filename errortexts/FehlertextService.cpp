#include "errortexts/FehlertextService.h"

#include "errortexts/HostFehlertexte.h"
#include "errortexts/PlausiFehlertexte.h"
#include "plugin/ServiceBasis.h"

namespace vesk::divideVira {

namespace {

class FehlertextService : public ServiceBasis<plugin2::iface::IFehlertextService> {
 public:
  using ServiceBasis::ServiceBasis;

  std::string getPlausiFehlertext(int nummer) override { return plausiFehlertext(nummer); }

  std::string getFehlertext(int code) override {
    const auto& texte = hostFehlertexte();
    auto it = texte.find(code);
    return it == texte.end() ? std::string() : it->second;
  }
};

}  // namespace

plugin2::iface::IFehlertextService* erzeugeFehlertextService(
    plugin2::iface::IPluginLogger* logger, plugin2::iface::IServiceContext* kontext) {
  return new FehlertextService(logger, kontext);
}

}  // namespace vesk::divideVira
