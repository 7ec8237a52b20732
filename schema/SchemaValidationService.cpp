#include "schema/SchemaValidationService.h"

#include "plugin/ServiceBasis.h"
#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"

namespace PLUGIN_NAMESPACE {

namespace {

using namespace vesk::plugin2::iface;

// The transfer document's grammar, compiled by the first validation in the process.
GrammatikSpeicher& transferGrammatik() {
  static GrammatikSpeicher speicher(kRootSchemaSystemId);
  return speicher;
}

class SchemaValidationService : public vesk::divideVira::ServiceBasis<ISchemaValidationService> {
 public:
  using ServiceBasis::ServiceBasis;

  // Availability is the host's to decide; a null context is a host error.
  bool isAvailable() override { return kontext_->isAvailable(); }

  // The parser reads the host's text in place; it must not change during the call.
  int validate(IServiceInput& input) override {
    const std::string& xml = input.getXml();
    const auto resolver = erzeugeVeskEntityResolver();
    return validateXml(xml.data(), xml.size(), transferGrammatik(), *resolver, logger_);
  }
};

}  // namespace

ISchemaValidationService* erzeugeSchemaValidationService(IPluginLogger* logger,
                                                         IServiceContext* kontext) {
  return new SchemaValidationService(logger, kontext);
}

}  // namespace PLUGIN_NAMESPACE
