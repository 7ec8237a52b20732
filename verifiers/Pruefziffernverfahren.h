#pragma once

#include <string>
#include <vector>

namespace zudadavizu_20_0 {

// The four check-digit methods of the tax numbers. wert is the 13-digit notation (digits
// only), faktoren its 12 weights of positions 1 to 12 (the caller checks the count), and
// pruefziffer the digit to confirm.

// Sum of weight times digit, mod 11; remainder 0 wants 0, else 11 - remainder (so a
// remainder of 1 never passes).
bool elferVerfahren(const std::string& wert, const std::vector<int>& faktoren, int pruefziffer);

// Per position: (digit + addend) mod 10, times weight, reduced to its repeated digit sum;
// the sum mod 10 gives 0 for 0, else 10 - remainder. Throws FalscheSummandenanzahl unless
// there are 12 addends.
bool zweierVerfahren(const std::string& wert, const std::vector<int>& faktoren,
                     const std::vector<int>& summanden, int pruefziffer);

// Per position: weight times digit, a product of 10 or more becomes its last digit plus 1;
// the sum mod 10 gives 0 for 0, else 10 - remainder.
bool modifiziertesElferVerfahren(const std::string& wert, const std::vector<int>& faktoren,
                                 int pruefziffer);

// Sum of weight times digit, mod 11, is the check digit (so a remainder of 10 never passes).
bool elferVerfahrenNrw(const std::string& wert, const std::vector<int>& faktoren, int pruefziffer);

}  // namespace zudadavizu_20_0
