#include "errortexts/PlausiFehlertexte.h"

namespace vesk::divideVira {

// Placeholder until the plausibility table lands.
std::string plausiFehlertext(int) { return std::string(); }

}  // namespace vesk::divideVira
