#pragma once

#include <cstddef>
#include <xercesc/util/XercesDefs.hpp>

#include "schema/PluginNamespace.h"

namespace PLUGIN_NAMESPACE {

// One schema held in memory: its system id and its bytes (ISO-8859-15, CR LF).
struct EingebettetesSchema {
  const char* systemId;
  const XMLByte* daten;
  std::size_t groesse;
};

// Transfer header, user-data header, header basis types, root: the order in
// which the resolver compares system ids.
extern const EingebettetesSchema EINGEBETTETE_SCHEMAS[4];

}  // namespace PLUGIN_NAMESPACE
