#pragma once

#include <stdexcept>

namespace vesk::wex2 {

// The entity resolver refused a system id; the text is the German refusal.
class EntityResolverException : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace vesk::wex2
