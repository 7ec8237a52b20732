#pragma once

#include <array>
#include <string>
#include <vector>

namespace zudadavizu_20_0 {

// A full-match pattern of the restricted form the bank tables use: a sequence of
// literal characters and bracket classes ("[0-9a-zA-Z]"), each optionally followed by
// "{n}" or "{m,n}". Compiled once from its text; matching allocates nothing, which keeps
// the per-call checks free of a general regular expression engine.
class Zeichenmuster {
 public:
  // Throws std::runtime_error when the text uses anything beyond that form.
  explicit Zeichenmuster(const std::string& muster);
  // Movable only: the position table points into the parts.
  Zeichenmuster(const Zeichenmuster&) = delete;
  Zeichenmuster& operator=(const Zeichenmuster&) = delete;
  Zeichenmuster(Zeichenmuster&&) = default;
  Zeichenmuster& operator=(Zeichenmuster&&) = default;
  // Whether the whole text matches (ECMAScript full-match semantics for this subset).
  bool passt(const std::string& text) const;

 private:
  using Klasse = std::array<bool, 256>;
  struct Teil {
    Klasse klasse;
    unsigned min;
    unsigned max;
  };
  bool passtAb(const std::string& text, std::size_t teil, std::size_t pos) const;

  std::vector<Teil> teile_;
  // For a pattern of fixed length: the class of every position.
  bool festeLaenge_ = true;
  std::vector<const Klasse*> positionen_;
};

}  // namespace zudadavizu_20_0
