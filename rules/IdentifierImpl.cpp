#include "rules/IdentifierImpl.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zudadavizu_20_0 {

namespace {
const char* const kStandardBereich = "DEFAULT";
}  // namespace

IdentifierImpl::IdentifierImpl(std::string name, std::vector<int> indizes, int nummer)
    : indizes_(std::move(indizes)),
      name_(std::move(name)),
      bereich_(kStandardBereich),
      nummer_(nummer) {}

IdentifierImpl::IdentifierImpl(std::string name, const std::vector<int>& liste, bool ohneNummer)
    : name_(std::move(name)), bereich_(kStandardBereich), nummer_(KEINE_NUMMER) {
  if (ohneNummer) return;
  if (liste.empty()) throw std::invalid_argument("IdentifierImpl: Nummer fehlt in leerer Liste");
  nummer_ = liste.front();
  indizes_.assign(liste.begin() + 1, liste.end());
}

IdentifierImpl::IdentifierImpl(std::string name, int index1, int index2, int nummer)
    : indizes_{index1, index2},
      name_(std::move(name)),
      bereich_(kStandardBereich),
      nummer_(nummer) {}

IdentifierImpl::IdentifierImpl(const IFeldbeschreibung& beschreibung, const std::string& name,
                               int nummer, int ersterIndex)
    : name_(name), bereich_(kStandardBereich), nummer_(nummer) {
  const std::size_t ebenen = std::max<std::size_t>(1, beschreibung.getEbenen(name).size());
  indizes_.assign(ebenen, 1);
  indizes_.front() = ersterIndex;
}

IIdentifier* IdentifierImpl::clone() const { return new IdentifierImpl(*this); }

void IdentifierImpl::setName(std::string name) { name_ = std::move(name); }

void IdentifierImpl::setIndizes(const std::vector<int>& indizes) { indizes_ = indizes; }

void IdentifierImpl::setNummer(int nummer) { nummer_ = nummer; }

bool istKleiner(const IIdentifier& a, const IIdentifier& b) {
  const int name = a.getName().compare(b.getName());
  if (name != 0) return name < 0;
  if (a.getNummer() != b.getNummer()) return a.getNummer() < b.getNummer();
  // Lexicographic: first differing element decides, a proper prefix is less.
  return a.getIndizes() < b.getIndizes();
}

}  // namespace zudadavizu_20_0
