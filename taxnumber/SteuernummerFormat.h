#pragma once

#include <vector>

#include "taxnumber/SteuernummerTabellen.h"

namespace vesk::divideVira::fadat {

// One notation row together with the weights and addends that apply to a tax office and
// district. Built from a Land key alone the two lists stay empty.
class SteuernummerFormat {
 public:
  virtual ~SteuernummerFormat() = default;
  // Throws BundeslandExistiertNicht.
  explicit SteuernummerFormat(int landNummer);
  // Row, weights, addends in this order; throws BundeslandExistiertNicht or
  // BufanummerExistiertNicht.
  SteuernummerFormat(int landNummer, int buFaNummer, int bezirk);
  // Row, the given weights and the Land's addends; throws BundeslandExistiertNicht.
  SteuernummerFormat(int landNummer, const Stellenwerte& faktoren);

  const SteuernummerFormatZeile& zeile() const { return zeile_; }
  const std::vector<int>& faktoren() const { return faktoren_; }
  const std::vector<int>& summanden() const { return summanden_; }

 private:
  const SteuernummerFormatZeile& zeile_;
  std::vector<int> faktoren_;
  std::vector<int> summanden_;
};

}  // namespace vesk::divideVira::fadat
