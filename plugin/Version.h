#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vesk::util {

constexpr const char* kDateiVersion = "2015, 3, 15, 0";
constexpr const char* kProduktVersion = "21, 5, 4, 0";

// "21.0.0.0", built at load and handed to the host at registration.
const std::string& versionsText();

// Four (or more) numbers read from a version text such as "21, 5, 4, 0".
class VeskVersion {
 public:
  VeskVersion();
  // Throws boost::bad_lexical_cast for a number outside int16_t.
  explicit VeskVersion(const std::string& text);
  explicit VeskVersion(const char* text);
  VeskVersion(int16_t teil0, int16_t teil1, int16_t teil2, int16_t teil3);
  virtual ~VeskVersion() = default;

  // True when the text held at least four numbers.
  bool gueltig() const { return gueltig_; }
  int16_t teil0() const { return teile_[0]; }
  int16_t teil1() const { return teile_[1]; }
  int16_t teil2() const { return teile_[2]; }
  int16_t teil3() const { return teile_[3]; }
  const std::vector<int16_t>& teile() const { return teile_; }

 private:
  void lies(const std::string& text);

  bool gueltig_ = false;
  std::vector<int16_t> teile_;
};

// New objects owned by the caller.
std::unique_ptr<VeskVersion> erzeugeDateiVersion();
std::unique_ptr<VeskVersion> erzeugeProduktVersion();

}  // namespace vesk::util
