#pragma once

#include <memory>
#include <string_view>

#include "verifiers/ustid/IUstIdNrValidator.h"
#include "verifiers/ustid/UstIdNrValidatorBase.h"

namespace zudadavizu_20_0 {

// The validator of a two-letter prefix, or null when no country uses it (prefixes are
// case-sensitive; Greece is "EL"). All validators are created together on the first call,
// thread-safely, and live until unload.
const IUstIdNrValidator* ustIdNrValidatorFuer(std::string_view laenderkuerzel);

// One factory per country, each defined beside its rule in UstIdNrValidator<prefix>.cpp.
std::unique_ptr<IUstIdNrValidator> neuerAustriaValidator();
std::unique_ptr<IUstIdNrValidator> neuerBelgienValidator();
std::unique_ptr<IUstIdNrValidator> neuerBritannienValidator();
std::unique_ptr<IUstIdNrValidator> neuerBulgarienValidator();
std::unique_ptr<IUstIdNrValidator> neuerDaenemarkValidator();
std::unique_ptr<IUstIdNrValidator> neuerDeutschlandValidator();
std::unique_ptr<IUstIdNrValidator> neuerEstlandValidator();
std::unique_ptr<IUstIdNrValidator> neuerFinnlandValidator();
std::unique_ptr<IUstIdNrValidator> neuerFrankreichValidator();
std::unique_ptr<IUstIdNrValidator> neuerGriechenlandValidator();
std::unique_ptr<IUstIdNrValidator> neuerIrlandValidator();
std::unique_ptr<IUstIdNrValidator> neuerItalienValidator();
std::unique_ptr<IUstIdNrValidator> neuerLettlandValidator();
std::unique_ptr<IUstIdNrValidator> neuerLitauenValidator();
std::unique_ptr<IUstIdNrValidator> neuerLuxemburgValidator();
std::unique_ptr<IUstIdNrValidator> neuerMaltaValidator();
std::unique_ptr<IUstIdNrValidator> neuerNiederlandeValidator();
std::unique_ptr<IUstIdNrValidator> neuerPolenValidator();
std::unique_ptr<IUstIdNrValidator> neuerPortugalValidator();
std::unique_ptr<IUstIdNrValidator> neuerRumaenienValidator();
std::unique_ptr<IUstIdNrValidator> neuerSchwedenValidator();
std::unique_ptr<IUstIdNrValidator> neuerSlowakeiValidator();
std::unique_ptr<IUstIdNrValidator> neuerSlowenienValidator();
std::unique_ptr<IUstIdNrValidator> neuerSpanienValidator();
std::unique_ptr<IUstIdNrValidator> neuerTschechienValidator();
std::unique_ptr<IUstIdNrValidator> neuerUngarnValidator();
std::unique_ptr<IUstIdNrValidator> neuerZypernValidator();
std::unique_ptr<IUstIdNrValidator> neuerKroatienValidator();

}  // namespace zudadavizu_20_0
