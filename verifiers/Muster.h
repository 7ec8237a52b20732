#pragma once

// Full-match pattern tests of the verifiers, all through this unit.
//
// Thread rule: a Zeichenmuster is immutable after construction and may be shared by every
// thread. A Boost.Xpressive regex is never shared between threads, because matching may
// fork its shared implementation: musterFuerThread compiles each text once per thread.

#include <array>
#include <boost/xpressive/xpressive_dynamic.hpp>
#include <memory>
#include <string>
#include <vector>

namespace zudadavizu_20_0 {

// A full-match pattern of the restricted form the tables use: a sequence of literal
// characters, bracket classes ("[0-9a-zA-Z]") each optionally followed by "{n}", "{m,n}" or
// "*", and groups of literal alternatives ("(000|998)"). Compiled once from its text;
// matching allocates nothing and gives the answer of the ECMAScript full match.
class Zeichenmuster {
 public:
  // Throws std::runtime_error when the text uses anything beyond that form.
  explicit Zeichenmuster(const std::string& muster);
  // Movable only: the position table points into the parts.
  Zeichenmuster(const Zeichenmuster&) = delete;
  Zeichenmuster& operator=(const Zeichenmuster&) = delete;
  Zeichenmuster(Zeichenmuster&&) = default;
  Zeichenmuster& operator=(Zeichenmuster&&) = default;
  // Whether the whole text matches.
  bool passt(const std::string& text) const;

 private:
  using Klasse = std::array<bool, 256>;
  struct Teil {
    Klasse klasse;
    std::size_t min;
    std::size_t max;
    std::vector<std::string> alternativen;  // a group; klasse, min and max unused
  };
  bool passtAb(const std::string& text, std::size_t teil, std::size_t pos) const;

  std::vector<Teil> teile_;
  // For a pattern of fixed length without groups: the class of every position.
  bool festeLaenge_ = true;
  std::vector<const Klasse*> positionen_;
};

// A pattern from data: a Zeichenmuster when the text has that form, else a regular
// expression (ECMAScript).
class Muster {
 public:
  // Throws boost::xpressive::regex_error (a std::runtime_error) for a text that does not
  // compile.
  explicit Muster(const std::string& text);
  bool passt(const std::string& text) const;

 private:
  std::unique_ptr<Zeichenmuster> zeichen_;
  boost::xpressive::sregex regex_;
};

// The pattern of a text compiled for the calling thread, kept for the thread's life; the
// reference is for that thread only. A text that does not compile is not kept, so every
// use fails the same way.
const Muster& musterFuerThread(const std::string& text);

// The regular expression of a text compiled for the calling thread, for a caller that reads
// capture groups; same lifetime and failure as musterFuerThread.
const boost::xpressive::sregex& regexFuerThread(const std::string& text);
// Match results of the calling thread, reused: fresh results allocate on every match.
boost::xpressive::smatch& trefferFuerThread();

}  // namespace zudadavizu_20_0
