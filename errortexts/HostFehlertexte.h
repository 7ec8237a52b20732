#pragma once

#include <map>
#include <string>

namespace vesk::divideVira {

// The 175 host result codes and their texts, built once (thread-safely) on the
// first call; a failed build is retried by the next call.
const std::map<int, std::string>& hostFehlertexte();

}  // namespace vesk::divideVira
