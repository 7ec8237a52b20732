#pragma once

#include <memory>

#include "cli/ModulLader.h"

namespace dvbench {

// One loaded module and tax office data service for the whole run, as a host keeps them.
inline vesk::plugin2::iface::IFinanzamtsdatenService& geladenerDienst() {
  static std::unique_ptr<dvhost::ModulLader> modul = [] {
    auto m = std::make_unique<dvhost::ModulLader>(dvhost::standardModulPfad());
    m->initialisiere();
    return m;
  }();
  static std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> dienst =
      modul->finanzamtsdatenService();
  return *dienst;
}

}  // namespace dvbench
