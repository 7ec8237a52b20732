#pragma once

#include <string>
#include <vector>

#include "rules/IErgebnis.h"
#include "rules/IdentifierImpl.h"

namespace zudadavizu_20_0 {

// One recorded result.
struct ErgebnisEintrag {
  std::string schluessel;
  int markierung;  // 1 for add, 0 for addFormal
  std::string art;
  std::string text;
  IdentifierImpl feld;
  IdentifierImpl bezugsfeld;
  int stufe;
};

// Result entries in insertion order. The identifiers handed in are copied and deleted at once.
class ErgebnisFacade : public IErgebnis {
 public:
  void add(const std::string& art, const std::string& schluessel, IIdentifier* feld,
           IIdentifier* bezugsfeld, const std::string& text, int stufe) override;
  void addFormal(const std::string& art, const std::string& schluessel, IIdentifier* feld,
                 IIdentifier* bezugsfeld, const std::string& text, int stufe) override;
  unsigned anzahl(int stufe) const override;
  // Number of entries of the level; the text is not consulted.
  virtual unsigned anzahlFuer(const std::string& text, int stufe) const;
  std::vector<ErgebnisEintrag> getEintraege() const { return eintraege_; }

 private:
  void fuegeHinzu(int markierung, const std::string& art, const std::string& schluessel,
                  IIdentifier* feld, IIdentifier* bezugsfeld, const std::string& text, int stufe);

  std::vector<ErgebnisEintrag> eintraege_;
};

}  // namespace zudadavizu_20_0
