#include "verifiers/Muster.h"

#include <algorithm>
#include <limits>
#include <map>
#include <stdexcept>

#include "rules/Ziffern.h"

namespace zudadavizu_20_0 {

namespace {

[[noreturn]] void syntaxfehler(const std::string& muster) {
  throw std::runtime_error("Nicht unterstütztes Zeichenmuster \"" + muster + "\"");
}

constexpr std::size_t kUnbegrenzt = std::numeric_limits<std::size_t>::max();

std::size_t leseZahl(const std::string& muster, std::size_t& pos) {
  if (pos >= muster.size() || !istZiffer(muster[pos])) syntaxfehler(muster);
  std::size_t zahl = 0;
  while (pos < muster.size() && istZiffer(muster[pos])) {
    zahl = zahl * 10 + static_cast<std::size_t>(muster[pos++] - '0');
    if (zahl > 1000) syntaxfehler(muster);
  }
  return zahl;
}

bool istSonderzeichen(char c) {
  return c == '(' || c == ')' || c == '|' || c == '*' || c == '+' || c == '?' || c == '.' ||
         c == '^' || c == '$' || c == '\\' || c == '{' || c == '}' || c == ']';
}

// "(abc|de)" from pos, which is at '('; literal alternatives only.
std::vector<std::string> leseGruppe(const std::string& muster, std::size_t& pos) {
  std::vector<std::string> alternativen(1);
  for (++pos; pos < muster.size() && muster[pos] != ')'; ++pos) {
    if (muster[pos] == '|') {
      alternativen.emplace_back();
    } else if (istSonderzeichen(muster[pos]) || muster[pos] == '[') {
      syntaxfehler(muster);
    } else {
      alternativen.back() += muster[pos];
    }
  }
  if (pos >= muster.size()) syntaxfehler(muster);
  ++pos;
  return alternativen;
}

}  // namespace

Zeichenmuster::Zeichenmuster(const std::string& muster) {
  std::size_t pos = 0;
  while (pos < muster.size()) {
    Teil teil{{}, 1, 1, {}};
    if (muster[pos] == '(') {
      teil.alternativen = leseGruppe(muster, pos);
      teile_.push_back(std::move(teil));
      festeLaenge_ = false;
      continue;
    }
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
    if (pos < muster.size() && muster[pos] == '*') {
      teil.min = 0;
      teil.max = kUnbegrenzt;
      ++pos;
    } else if (pos < muster.size() && muster[pos] == '{') {
      ++pos;
      teil.min = teil.max = leseZahl(muster, pos);
      if (pos < muster.size() && muster[pos] == ',') {
        ++pos;
        teil.max = leseZahl(muster, pos);
      }
      if (pos >= muster.size() || muster[pos] != '}' || teil.max < teil.min) syntaxfehler(muster);
      ++pos;
    }
    teile_.push_back(std::move(teil));
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

// Fixed quantifiers are walked in a loop; a variable one tries its lengths from the longest
// down, a group each alternative in turn.
bool Zeichenmuster::passtAb(const std::string& text, std::size_t teil, std::size_t pos) const {
  for (; teil < teile_.size(); ++teil) {
    const Teil& t = teile_[teil];
    if (!t.alternativen.empty()) {
      for (const std::string& a : t.alternativen) {
        if (text.compare(pos, a.size(), a) == 0 && passtAb(text, teil + 1, pos + a.size())) {
          return true;
        }
      }
      return false;
    }
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

Muster::Muster(const std::string& text) {
  try {
    zeichen_ = std::make_unique<Zeichenmuster>(text);
  } catch (const std::runtime_error&) {
    regex_ = boost::xpressive::sregex::compile(text);
  }
}

bool Muster::passt(const std::string& text) const {
  if (zeichen_) return zeichen_->passt(text);
  return boost::xpressive::regex_match(text, trefferFuerThread(), regex_);
}

const Muster& musterFuerThread(const std::string& text) {
  thread_local std::map<std::string, Muster, std::less<>> kompiliert;
  auto it = kompiliert.find(text);
  if (it != kompiliert.end()) return it->second;
  return kompiliert.emplace(text, Muster(text)).first->second;
}

const boost::xpressive::sregex& regexFuerThread(const std::string& text) {
  thread_local std::map<std::string, boost::xpressive::sregex, std::less<>> kompiliert;
  auto it = kompiliert.find(text);
  if (it != kompiliert.end()) return it->second;
  return kompiliert.emplace(text, boost::xpressive::sregex::compile(text)).first->second;
}

boost::xpressive::smatch& trefferFuerThread() {
  thread_local boost::xpressive::smatch treffer;
  return treffer;
}

}  // namespace zudadavizu_20_0
