#pragma once

#include "taxnumber/Ausnahmen.h"

namespace dvfuzz {

// Runs f; the only exceptions a value may provoke are the reference-data
// errors of the per-Land definitions, which the service passes to the host.
template <class F>
void mitDefinitionsfehlern(F f) {
  try {
    f();
  } catch (const vesk::divideVira::BundeslandExistiertNicht&) {
  } catch (const vesk::divideVira::BufanummerExistiertNicht&) {
  } catch (const vesk::divideVira::KeinBundeslandkuerzel&) {
  }
}

}  // namespace dvfuzz
