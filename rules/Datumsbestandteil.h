#pragma once

#include <string>

namespace zudadavizu_20_0 {

// One of the three components of a date: 'J' year, 'M' month, 'T' day. There is one shared
// object per letter.
class Datumsbestandteil {
 public:
  static const Datumsbestandteil& jahr();
  static const Datumsbestandteil& monat();
  static const Datumsbestandteil& tag();
  // The component of the letter; std::runtime_error "Unerlaubte Eingabe <letter>" otherwise.
  static const Datumsbestandteil& fuer(char buchstabe);

  char getBuchstabe() const { return buchstabe_; }

  Datumsbestandteil(const Datumsbestandteil&) = delete;
  Datumsbestandteil& operator=(const Datumsbestandteil&) = delete;

 private:
  explicit Datumsbestandteil(char buchstabe) : buchstabe_(buchstabe) {}

  char buchstabe_;
};

}  // namespace zudadavizu_20_0
