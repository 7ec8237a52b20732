#pragma once

#include <memory>
#include <xercesc/sax/EntityResolver.hpp>

#include "schema/PluginNamespace.h"

namespace PLUGIN_NAMESPACE {

// Resolver that answers the four embedded schemas' system ids (exact, case
// sensitive) with in-memory sources read as ISO-8859-15, answers an empty id
// or one starting with "&" with null, and refuses every other id with a
// vesk::wex2::EntityResolverException.
std::unique_ptr<xercesc::EntityResolver> erzeugeVeskEntityResolver();

}  // namespace PLUGIN_NAMESPACE
