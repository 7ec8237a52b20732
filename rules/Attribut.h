#pragma once

#include <string>
#include <utility>
#include <variant>

namespace zudadavizu_20_0 {

// Value of a format attribute: empty, an integer or a text.
class Attribut {
 public:
  Attribut() = default;
  explicit Attribut(int zahl) : wert_(zahl) {}
  explicit Attribut(std::string text) : wert_(std::move(text)) {}

  bool istLeer() const { return std::holds_alternative<std::monostate>(wert_); }
  bool istZahl() const { return std::holds_alternative<int>(wert_); }
  bool istText() const { return std::holds_alternative<std::string>(wert_); }
  // The integer; std::bad_variant_access when the attribute holds none.
  int getZahl() const { return std::get<int>(wert_); }
  // The text; std::bad_variant_access when the attribute holds none.
  const std::string& getText() const { return std::get<std::string>(wert_); }

 private:
  std::variant<std::monostate, int, std::string> wert_;
};

}  // namespace zudadavizu_20_0
