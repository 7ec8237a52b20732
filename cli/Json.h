#pragma once

#include <string>
#include <vector>

namespace dvhost {

// One JSON Lines object, built field by field from ISO-8859-15 texts; str() is UTF-8.
class JsonObjekt {
 public:
  JsonObjekt& text(const std::string& name, const std::string& latin9);
  JsonObjekt& zahl(const std::string& name, long long wert);
  JsonObjekt& wahrheit(const std::string& name, bool wert);
  // A file name as the system gives it, bytes of no charset: UTF-8 sequences stay, every other
  // byte XX becomes the lone surrogate \udcXX (Python's surrogateescape), which no UTF-8 name
  // contains, so names that differ in bytes differ in JSON.
  JsonObjekt& datei(const std::string& name, const std::string& bytes);
  JsonObjekt& texte(const std::string& name, const std::vector<std::string>& latin9);
  std::string str() const { return "{" + felder_ + "}"; }

 private:
  JsonObjekt& feld(const std::string& name, const std::string& json);
  std::string felder_;
};

// A JSON string literal of ISO-8859-15 text, in UTF-8.
std::string jsonText(const std::string& latin9);

}  // namespace dvhost
