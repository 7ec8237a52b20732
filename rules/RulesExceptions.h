#pragma once

#include <stdexcept>
#include <string>

namespace zudadavizu_20_0 {

// Error of the rules library, tagged with the application, assessment year and data kind.
class ArbelRulesException : public std::runtime_error {
 public:
  ArbelRulesException(std::string applikation, std::string veranlagungsjahr, std::string datenart,
                      const std::string& meldung);
  // "Fehler für Applikation <a> Datenart <d> Veranlagungsjahr <v>: " + what().
  virtual std::string getText() const;
  const std::string& getApplikation() const { return applikation_; }
  const std::string& getVeranlagungsjahr() const { return veranlagungsjahr_; }
  const std::string& getDatenart() const { return datenart_; }

 private:
  std::string applikation_;
  std::string veranlagungsjahr_;
  std::string datenart_;
};

// Error of a rule-set lookup.
class ValidatorException : public ArbelRulesException {
 public:
  using ArbelRulesException::ArbelRulesException;
};

// A field name that the rule set does not define.
class FeldInRegelMengeNichtDefiniertException : public ValidatorException {
 public:
  FeldInRegelMengeNichtDefiniertException(const std::string& feldname,
                                          const std::string& applikation,
                                          const std::string& veranlagungsjahr,
                                          const std::string& datenart);
  const std::string& getFeldname() const { return feldname_; }

 private:
  std::string feldname_;
};

// Inconsistent or unknown display settings.
class UngueltigeDarstellungsInformationException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zudadavizu_20_0
