#pragma once

#include <string>
#include <utility>
#include <vector>

#include "concurrency/Gleichzeitig.h"
#include "support/ModulTest.h"

namespace dvtest {

// The three services a host holds, and the log sink given to them (null: none).
struct Dienste {
  vesk::plugin2::iface::IFehlertextService& texte;
  vesk::plugin2::iface::IFinanzamtsdatenService& finanzamt;
  vesk::plugin2::iface::ISchemaValidationService& schema;
  SammelnderLogger* logger;
};

// What the tasks read besides the services: numbers of the plausibility catalogue and
// the sample documents (name, content).
struct Material {
  std::vector<int> plausiNummern;
  std::vector<std::pair<std::string, std::string>> dokumente;
};

// Reads the catalogue numbers and every sample document from the source tree.
Material leseMaterial();

// Every operation of the three services over the inputs of Eingaben.h, grouped into
// tasks. Each answer ends with the log lines the task produced.
std::vector<Aufgabe> modulAufgaben(const Dienste& dienste, const Material& material);

}  // namespace dvtest
