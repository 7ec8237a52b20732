#include "schema/GrammatikSpeicher.h"

#include <utility>
#include <xercesc/framework/XMLGrammarPoolImpl.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include "schema/Leser.h"
#include "xml/XStr.h"

namespace PLUGIN_NAMESPACE {

namespace {

using namespace xercesc;

// Passes every report on and notes whether an error was among them.
class Weiterleiter : public ErrorHandler {
 public:
  explicit Weiterleiter(ErrorHandler& ziel) : ziel_(ziel) {}
  void warning(const SAXParseException& e) override { ziel_.warning(e); }
  void error(const SAXParseException& e) override {
    fehlerhaft = true;
    ziel_.error(e);
  }
  void fatalError(const SAXParseException& e) override {
    fehlerhaft = true;
    ziel_.fatalError(e);
  }
  void resetErrors() override { ziel_.resetErrors(); }
  bool fehlerhaft = false;

 private:
  ErrorHandler& ziel_;
};

}  // namespace

GrammatikSpeicher::GrammatikSpeicher(std::string schemaSystemId)
    : schemaSystemId_(std::move(schemaSystemId)) {}

std::shared_ptr<XMLGrammarPool> GrammatikSpeicher::pool(EntityResolver& resolver,
                                                        ErrorHandler& fehler) {
  // The kept pool lives as long as the store: handed out without an owner.
  if (XMLGrammarPool* fertig = fertig_.load(std::memory_order_acquire)) {
    return std::shared_ptr<XMLGrammarPool>(std::shared_ptr<XMLGrammarPool>(), fertig);
  }
  std::lock_guard<std::mutex> sperre(mutex_);
  if (pool_ != nullptr) return pool_;
  auto neu = std::make_shared<XMLGrammarPoolImpl>(XMLPlatformUtils::fgMemoryManager);
  Weiterleiter weiter(fehler);
  const bool geladen = erzeugeLeser(neu.get(), resolver, weiter)
                           ->loadGrammar(vesk::util::xml::XStr(schemaSystemId_).unicodeForm(),
                                         Grammar::SchemaGrammarType, true) != nullptr;
  neu->lockPool();
  if (geladen && !weiter.fehlerhaft) {
    pool_ = neu;
    fertig_.store(pool_.get(), std::memory_order_release);
  }
  return neu;
}

}  // namespace PLUGIN_NAMESPACE
