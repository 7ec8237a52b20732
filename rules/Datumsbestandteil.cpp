#include "rules/Datumsbestandteil.h"

#include <stdexcept>

namespace zudadavizu_20_0 {

const Datumsbestandteil& Datumsbestandteil::jahr() {
  static const Datumsbestandteil j('J');
  return j;
}

const Datumsbestandteil& Datumsbestandteil::monat() {
  static const Datumsbestandteil m('M');
  return m;
}

const Datumsbestandteil& Datumsbestandteil::tag() {
  static const Datumsbestandteil t('T');
  return t;
}

const Datumsbestandteil& Datumsbestandteil::fuer(char buchstabe) {
  switch (buchstabe) {
    case 'J':
      return jahr();
    case 'M':
      return monat();
    case 'T':
      return tag();
    default:
      throw std::runtime_error(std::string("Unerlaubte Eingabe ") + buchstabe);
  }
}

}  // namespace zudadavizu_20_0
