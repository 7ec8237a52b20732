#pragma once

#include <cstddef>
#include <string>
#include <xercesc/sax/EntityResolver.hpp>

#include "schema/GrammatikSpeicher.h"
#include "schema/PluginNamespace.h"
#include "veskplugin2/IPluginLogger.h"

namespace PLUGIN_NAMESPACE {

// System id of the root schema of the transfer document.
inline constexpr const char* kRootSchemaSystemId = "./arbel0810_bisNH_extern.xsd";

// kEinmal: the grammar comes from the shared store; kJeAufruf: the call's reader
// compiles it anew, the way against which the shared grammar is proven equal.
enum class Kompilierung { kEinmal, kJeAufruf };

// Validates (daten, laenge), read as ISO-8859-15 in place, against the grammar
// of grammatik's root schema, whose schemas the resolver serves, and checks that
// the document declares the encoding ISO-8859-15. Returns 610301108 (wrong
// encoding), 610301200 (parser exception), 610301201 (reference refused) when
// the parse ends with one of these; else 610301108 (no encoding declared, whatever
// the parse reported), 610301006 (fatal error), 610301200 (error) or 0;
// writes one "FEHLER: " line per problem to the logger when it is not null and
// enabled. Throws std::bad_alloc when the parser runs out of memory.
int validateXml(const char* daten, std::size_t laenge, GrammatikSpeicher& grammatik,
                xercesc::EntityResolver& resolver, vesk::plugin2::iface::IPluginLogger* logger,
                Kompilierung kompilierung = Kompilierung::kEinmal);

}  // namespace PLUGIN_NAMESPACE
