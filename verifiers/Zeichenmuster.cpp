#include "verifiers/Zeichenmuster.h"

#include <algorithm>
#include <stdexcept>

namespace zudadavizu_20_0 {

namespace {

[[noreturn]] void syntaxfehler(const std::string& muster) {
  throw std::runtime_error("Nicht unterstütztes Zeichenmuster \"" + muster + "\"");
}

unsigned leseZahl(const std::string& muster, std::size_t& pos) {
  if (pos >= muster.size() || muster[pos] < '0' || muster[pos] > '9') syntaxfehler(muster);
  unsigned zahl = 0;
  while (pos < muster.size() && muster[pos] >= '0' && muster[pos] <= '9') {
    zahl = zahl * 10 + static_cast<unsigned>(muster[pos++] - '0');
    if (zahl > 1000) syntaxfehler(muster);
  }
  return zahl;
}

bool istSonderzeichen(char c) {
  return c == '(' || c == ')' || c == '|' || c == '*' || c == '+' || c == '?' || c == '.' ||
         c == '^' || c == '$' || c == '\\' || c == '{' || c == '}' || c == ']';
}

}  // namespace

Zeichenmuster::Zeichenmuster(const std::string& muster) {
  std::size_t pos = 0;
  while (pos < muster.size()) {
    Teil teil{{}, 1, 1};
    if (muster[pos] == '[') {
      ++pos;
      while (pos < muster.size() && muster[pos] != ']') {
        unsigned char von = static_cast<unsigned char>(muster[pos]);
        unsigned char bis = von;
        if (von == '\\' || von == '^' || von == '[') syntaxfehler(muster);
        if (pos + 2 < muster.size() && muster[pos + 1] == '-' && muster[pos + 2] != ']') {
          bis = static_cast<unsigned char>(muster[pos + 2]);
          pos += 2;
        }
        if (bis < von) syntaxfehler(muster);
        for (unsigned c = von; c <= bis; ++c) teil.klasse[c] = true;
        ++pos;
      }
      if (pos >= muster.size() || muster[pos - 1] == '[') syntaxfehler(muster);
      ++pos;
    } else if (istSonderzeichen(muster[pos])) {
      syntaxfehler(muster);
    } else {
      teil.klasse[static_cast<unsigned char>(muster[pos++])] = true;
    }
    if (pos < muster.size() && muster[pos] == '{') {
      ++pos;
      teil.min = teil.max = leseZahl(muster, pos);
      if (pos < muster.size() && muster[pos] == ',') {
        ++pos;
        teil.max = leseZahl(muster, pos);
      }
      if (pos >= muster.size() || muster[pos] != '}' || teil.max < teil.min) syntaxfehler(muster);
      ++pos;
    }
    teile_.push_back(teil);
    festeLaenge_ = festeLaenge_ && teil.min == teil.max;
  }
  if (festeLaenge_) {
    for (const Teil& teil : teile_) positionen_.insert(positionen_.end(), teil.min, &teil.klasse);
  }
}

bool Zeichenmuster::passt(const std::string& text) const {
  if (!festeLaenge_) return passtAb(text, 0, 0);
  if (text.size() != positionen_.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(*positionen_[i])[static_cast<unsigned char>(text[i])]) return false;
  }
  return true;
}

// Fixed quantifiers are walked in a loop; only a variable one (the tables have at most
// one) tries its lengths from the longest down.
bool Zeichenmuster::passtAb(const std::string& text, std::size_t teil, std::size_t pos) const {
  for (; teil < teile_.size(); ++teil) {
    const Teil& t = teile_[teil];
    const std::size_t grenze = std::min<std::size_t>(t.max, text.size() - pos);
    std::size_t anzahl = 0;
    while (anzahl < grenze && t.klasse[static_cast<unsigned char>(text[pos + anzahl])]) ++anzahl;
    if (anzahl < t.min) return false;
    if (t.min != t.max) {
      for (; anzahl > t.min; --anzahl) {
        if (passtAb(text, teil + 1, pos + anzahl)) return true;
      }
    }
    pos += anzahl;
  }
  return pos == text.size();
}

}  // namespace zudadavizu_20_0
