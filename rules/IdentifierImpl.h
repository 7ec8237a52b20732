#pragma once

#include <string>
#include <vector>

#include "rules/IFeldbeschreibung.h"
#include "rules/IIdentifier.h"

namespace zudadavizu_20_0 {

// The identifier of the library. Ordered by name, then number, then index path (a proper
// prefix orders first); the area takes no part in the order.
class IdentifierImpl : public IIdentifier {
 public:
  // Number meaning "no number".
  static constexpr int KEINE_NUMMER = -2;

  IdentifierImpl(const IdentifierImpl& andere) = default;
  IdentifierImpl& operator=(const IdentifierImpl& andere) = default;
  IdentifierImpl(std::string name, std::vector<int> indizes, int nummer);
  // ohneNummer false: the first element of liste is the number, the rest the indices
  // (throws std::invalid_argument for an empty liste); true: no number and no indices.
  IdentifierImpl(std::string name, const std::vector<int>& liste, bool ohneNummer);
  IdentifierImpl(std::string name, int index1, int index2, int nummer);
  // Indices [ersterIndex, 1, 1, ...], one per level that the description lists (at least one).
  IdentifierImpl(const IFeldbeschreibung& beschreibung, const std::string& name, int nummer,
                 int ersterIndex);

  const std::string& getName() const override { return name_; }
  const std::vector<int>& getIndizes() const override { return indizes_; }
  int getNummer() const override { return nummer_; }
  const std::string& getBereich() const override { return bereich_; }
  IIdentifier* clone() const override;
  virtual void setName(std::string name);
  virtual void setIndizes(const std::vector<int>& indizes);
  virtual void setNummer(int nummer);

 private:
  std::vector<int> indizes_;
  std::string name_;
  std::string bereich_;
  int nummer_;
};

// Order of identifiers (name, number, indices; area ignored).
bool istKleiner(const IIdentifier& a, const IIdentifier& b);

inline bool operator<(const IdentifierImpl& a, const IdentifierImpl& b) { return istKleiner(a, b); }

}  // namespace zudadavizu_20_0
