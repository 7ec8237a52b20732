#include "schema/SchemaValidationService.h"

#include "plugin/ServiceBasis.h"

namespace PLUGIN_NAMESPACE {

namespace {

using namespace vesk::plugin2::iface;

class SchemaValidationService : public vesk::divideVira::ServiceBasis<ISchemaValidationService> {
 public:
  using ServiceBasis::ServiceBasis;

  // Availability is the host's to decide; a null context is a host error.
  bool isAvailable() override { return kontext_->isAvailable(); }

  // Placeholder until the schemas land.
  int validate(IServiceInput&) override { return 610301001; }
};

}  // namespace

ISchemaValidationService* erzeugeSchemaValidationService(IPluginLogger* logger,
                                                         IServiceContext* kontext) {
  return new SchemaValidationService(logger, kontext);
}

}  // namespace PLUGIN_NAMESPACE
