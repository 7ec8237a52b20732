#pragma once

#include "veskplugin2/IPluginLogger.h"
#include "veskplugin2/IServiceContext.h"

namespace vesk::divideVira {

// Behaviour shared by the three services: a borrowed logger (may be null) and
// an owned context (may be null), destroyed with the service.
template <class Schnittstelle>
class ServiceBasis : public Schnittstelle {
 public:
  using IPluginLogger = plugin2::iface::IPluginLogger;
  using IServiceContext = plugin2::iface::IServiceContext;

  ServiceBasis(IPluginLogger* logger, IServiceContext* kontext)
      : logger_(logger), kontext_(kontext) {}
  ~ServiceBasis() override { delete kontext_; }
  ServiceBasis(const ServiceBasis&) = delete;
  ServiceBasis& operator=(const ServiceBasis&) = delete;

  bool isAvailable() override { return true; }
  IServiceContext* getContext() override { return kontext_; }
  const IServiceContext* getContext() const override { return kontext_; }

 protected:
  // Sends one line when the host gave a logger.
  void protokolliere(const std::string& zeile) const {
    if (logger_ != nullptr) logger_->log(zeile);
  }

  IPluginLogger* logger_;
  IServiceContext* kontext_;
};

}  // namespace vesk::divideVira
