#include "plugin/Version.h"

#include <boost/lexical_cast.hpp>

namespace vesk::util {

namespace {
const std::string kVersionsText = "21.0.0.0";
}

const std::string& versionsText() { return kVersionsText; }

VeskVersion::VeskVersion() : teile_(4, 0) {}

VeskVersion::VeskVersion(const std::string& text) { lies(text); }

VeskVersion::VeskVersion(const char* text) { lies(text); }

VeskVersion::VeskVersion(int16_t teil0, int16_t teil1, int16_t teil2, int16_t teil3)
    : teile_{teil0, teil1, teil2, teil3} {}

void VeskVersion::lies(const std::string& text) {
  teile_.reserve(4);
  std::string ziffern;
  auto uebernimm = [&] {
    if (!ziffern.empty()) {
      teile_.push_back(boost::lexical_cast<int16_t>(ziffern));
      ziffern.clear();
    }
  };
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ziffern += c;
    } else {
      uebernimm();
    }
  }
  uebernimm();
  gueltig_ = teile_.size() >= 4;
  while (teile_.size() < 4) teile_.push_back(0);
}

std::unique_ptr<VeskVersion> erzeugeDateiVersion() {
  return std::make_unique<VeskVersion>(kDateiVersion);
}

std::unique_ptr<VeskVersion> erzeugeProduktVersion() {
  return std::make_unique<VeskVersion>(kProduktVersion);
}

}  // namespace vesk::util
