#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <xercesc/framework/XMLGrammarPool.hpp>
#include <xercesc/sax/EntityResolver.hpp>
#include <xercesc/sax/ErrorHandler.hpp>

#include "schema/PluginNamespace.h"

namespace PLUGIN_NAMESPACE {

// The grammar of one root schema, compiled once on first use into a locked pool
// that readers on any thread share.
class GrammatikSpeicher {
 public:
  explicit GrammatikSpeicher(std::string schemaSystemId);
  const std::string& schemaSystemId() const { return schemaSystemId_; }

  // The locked pool. Until one is kept, compiles it through resolver, reporting
  // to fehler; keeps it only if the compiler reported no error. A throwing
  // compilation (out of memory, refused reference) keeps nothing and throws.
  std::shared_ptr<xercesc::XMLGrammarPool> pool(xercesc::EntityResolver& resolver,
                                                xercesc::ErrorHandler& fehler);

 private:
  std::string schemaSystemId_;
  std::mutex mutex_;  // held while compiling: other first callers wait for the one pool
  std::shared_ptr<xercesc::XMLGrammarPool> pool_;
  // pool_ once kept; read without the lock, which every call would otherwise take.
  std::atomic<xercesc::XMLGrammarPool*> fertig_{nullptr};
};

}  // namespace PLUGIN_NAMESPACE
