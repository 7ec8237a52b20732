#include "schema/VeskEntityResolver.h"

#include <string>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include "schema/EingebetteteSchemas.h"
#include "schema/EntityResolverException.h"
#include "xml/XStr.h"

namespace PLUGIN_NAMESPACE {

namespace {

using namespace xercesc;
using vesk::util::xml::StrX;

class VeskEntityResolver : public EntityResolver {
 public:
  InputSource* resolveEntity(const XMLCh* const, const XMLCh* const systemId) override {
    const std::string id = StrX(systemId, StrX::kNachsichtig).text();
    for (const auto& schema : EINGEBETTETE_SCHEMAS) {
      if (id == schema.systemId) {
        auto* quelle = new MemBufInputSource(schema.daten, schema.groesse, systemId, false,
                                             XMLPlatformUtils::fgMemoryManager);
        // Overrides the ISO-8859-1 that the root schema declares.
        quelle->setEncoding(u"ISO-8859-15");
        return quelle;
      }
    }
    if (id.empty() || id[0] == '&') return nullptr;
    throw vesk::wex2::EntityResolverException("Entity '" + id +
                                              "' konnte nicht aufgeloest werden.");
  }
};

}  // namespace

std::unique_ptr<EntityResolver> erzeugeVeskEntityResolver() {
  return std::make_unique<VeskEntityResolver>();
}

}  // namespace PLUGIN_NAMESPACE
