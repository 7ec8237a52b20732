#pragma once

#include <stdexcept>
#include <string>

namespace dvbench {

// The sample with its one tax case repeated until the document reaches groesse bytes. The
// payload is not checked against a schema, so the copies keep the document valid.
inline std::string vergroessert(const std::string& muster, std::size_t groesse) {
  const std::string anfang = "<Steuerfall>", ende = "</Steuerfall>";
  const auto von = muster.find(anfang), bis = muster.find(ende);
  if (von == std::string::npos || bis == std::string::npos) {
    throw std::runtime_error("Muster ohne Steuerfall");
  }
  const std::string fall = muster.substr(von, bis + ende.size() - von);
  std::string dokument = muster.substr(0, bis + ende.size());
  dokument.reserve(groesse + fall.size() + muster.size());
  while (dokument.size() + muster.size() - (bis + ende.size()) < groesse) {
    dokument += "\n            " + fall;
  }
  return dokument + muster.substr(bis + ende.size());
}

}  // namespace dvbench
