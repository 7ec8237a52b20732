#pragma once

#include <memory>
#include <xercesc/framework/XMLGrammarPool.hpp>
#include <xercesc/sax/EntityResolver.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>

#include "schema/PluginNamespace.h"

namespace PLUGIN_NAMESPACE {

// A SAX2 reader that validates always, against grammars it loads itself or finds
// in pool (may be null: a pool of its own); follows no schema location named in a
// document, resolves only what resolver answers, and caps entity expansion.
// Reports errors to fehler.
std::unique_ptr<xercesc::SAX2XMLReader> erzeugeLeser(xercesc::XMLGrammarPool* pool,
                                                     xercesc::EntityResolver& resolver,
                                                     xercesc::ErrorHandler& fehler);

}  // namespace PLUGIN_NAMESPACE
