#include <array>
#include <stdexcept>

#include "verifiers/ustid/UstIdNrValidatoren.h"

namespace zudadavizu_20_0 {

namespace {

using Erzeuger = std::unique_ptr<IUstIdNrValidator> (*)();

#define DV_USTID_ERZEUGER(land) neuer##land##Validator,
const Erzeuger kErzeuger[] = {DV_USTID_LAENDER(DV_USTID_ERZEUGER)};
#undef DV_USTID_ERZEUGER

constexpr int kBuchstaben = 26;

bool istGross(char c) { return c >= 'A' && c <= 'Z'; }

bool istKuerzel(std::string_view text) {
  return text.size() == 2 && istGross(text[0]) && istGross(text[1]);
}

// Indexed by the two capital letters of the prefix: a lookup costs no comparison of texts.
class Registry {
 public:
  Registry() {
    for (Erzeuger erzeuge : kErzeuger) {
      std::unique_ptr<IUstIdNrValidator> validator = erzeuge();
      const std::string kuerzel = validator->getLaenderkuerzel();
      if (!istKuerzel(kuerzel) || plaetze_[index(kuerzel)]) {
        throw std::logic_error("Länderkürzel doppelt oder ungültig: " + kuerzel);
      }
      plaetze_[index(kuerzel)] = std::move(validator);
    }
  }
  const IUstIdNrValidator* fuer(std::string_view kuerzel) const {
    if (!istKuerzel(kuerzel)) return nullptr;
    return plaetze_[index(kuerzel)].get();
  }

 private:
  static std::size_t index(std::string_view kuerzel) {
    return static_cast<std::size_t>((kuerzel[0] - 'A') * kBuchstaben + (kuerzel[1] - 'A'));
  }
  std::array<std::unique_ptr<IUstIdNrValidator>, kBuchstaben * kBuchstaben> plaetze_;
};

}  // namespace

const IUstIdNrValidator* ustIdNrValidatorFuer(std::string_view laenderkuerzel) {
  static const Registry registry;
  return registry.fuer(laenderkuerzel);
}

}  // namespace zudadavizu_20_0
