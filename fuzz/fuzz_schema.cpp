// Whatever the host hands in, validation answers with one of its result codes.
#include <cstdlib>
#include <memory>

#include "errortexts/Hostcodes.h"
#include "schema/SchemaValidationService.h"

namespace hostcode = vesk::divideVira::hostcode;

namespace {

class Eingabe : public vesk::plugin2::iface::IServiceInput {
 public:
  explicit Eingabe(std::string xml) : xml_(std::move(xml)) {}
  const std::string& getXml() override { return xml_; }

 private:
  std::string xml_;
};

// Counts lines without keeping them, so that logging runs on every input.
class Logger : public vesk::plugin2::iface::IPluginLogger {
 public:
  void log(const std::string& zeile) override {
    if (zeile.rfind("FEHLER: ", 0) != 0) std::abort();
  }
  bool isEnabled() override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static Logger logger;
  static std::unique_ptr<vesk::plugin2::iface::ISchemaValidationService> dienst(
      PLUGIN_NAMESPACE::erzeugeSchemaValidationService(&logger, nullptr));
  Eingabe eingabe(std::string(reinterpret_cast<const char*>(daten), groesse));
  switch (dienst->validate(eingabe)) {
    case 0:
    case hostcode::kEncodingFalsch:
    case hostcode::kXmlNichtWohlgeformt:
    case hostcode::kSchemaFehler:
    case hostcode::kEntityNichtAufloesbar:
      return 0;
    default:
      std::abort();
  }
}
