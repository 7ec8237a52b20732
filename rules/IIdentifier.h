#pragma once

#include <string>
#include <vector>

namespace zudadavizu_20_0 {

// Addresses one field value: field name, index path, running number and area.
class IIdentifier {
 public:
  virtual ~IIdentifier() = default;
  // Field name.
  virtual const std::string& getName() const = 0;
  // Index path of the value, outermost first.
  virtual const std::vector<int>& getIndizes() const = 0;
  // Running number; -2 when the identifier has none.
  virtual int getNummer() const = 0;
  // Area; "DEFAULT" unless copied from another value.
  virtual const std::string& getBereich() const = 0;
  // New heap copy, owned by the caller.
  virtual IIdentifier* clone() const = 0;
};

}  // namespace zudadavizu_20_0
