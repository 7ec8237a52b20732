#pragma once

#include "taxofficeservice/FinanzamtsdatenService.h"

namespace dividevira {

// The tax office data service all entry points share: it keeps no state between calls and
// may be used from any thread. Built on first use.
vesk::plugin2::iface::IFinanzamtsdatenService& dienst();

}  // namespace dividevira
