// dv_pruefe, dv_pruefe_text, dv_meldung: the rules library's field type checks.
#include "rules/Feldtypen.h"

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <utility>

#include "capi/Dienst.h"
#include "capi/Grenze.h"
#include "rules/DefaultFehlerLookup.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"

namespace zdv = zudadavizu_20_0;

namespace dividevira {

vesk::divideVira::FinanzamtsdatenService& dienst() {
  static const std::unique_ptr<vesk::divideVira::FinanzamtsdatenService> d(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  return *d;
}

namespace {

bool brauchtDefinitionen(zdv::Feldtyp typ) {
  return typ == zdv::Feldtyp::Steuernummer || typ == zdv::Feldtyp::Bundessteuernummer ||
         typ == zdv::Feldtyp::Bundesfinanzamtsnummer || typ == zdv::Feldtyp::Laenderkuerzel;
}

// The type of a NUL-terminated name, or null; compared in place, without measuring the name
// first, and only with the types that begin with its first letter, since this runs before
// every check.
const zdv::FeldtypEintrag* typVon(const char* name) {
  struct Kandidaten {
    std::array<std::array<const zdv::FeldtypEintrag*, zdv::ANZAHL_FELDTYPEN + 1>, 128> je;
    Kandidaten() : je{} {
      for (const zdv::FeldtypEintrag& e : zdv::FELDTYPEN) {
        auto* frei = je[static_cast<unsigned char>(e.name[0]) & 127].data();
        while (*frei != nullptr) ++frei;
        *frei = &e;
      }
    }
  };
  static const Kandidaten kandidaten;
  const auto erstes = static_cast<unsigned char>(name[0]);
  if (erstes >= 128) return nullptr;
  for (const zdv::FeldtypEintrag* const* e = kandidaten.je[erstes].data(); *e != nullptr; ++e) {
    const std::string_view typ = (*e)->name;
    std::size_t i = 0;
    while (i < typ.size() && name[i] == typ[i]) ++i;  // stops at name's NUL
    if (i == typ.size() && name[i] == '\0') return *e;
  }
  return nullptr;
}

// The messages name the field as '$NAME$'; the caller sees its own field name there.
std::string mitFeldname(std::string meldung, const std::string& feld) {
  std::size_t anfang = 0;
  while ((anfang = meldung.find('$', anfang)) != std::string::npos) {
    const std::size_t ende = meldung.find('$', anfang + 1);
    if (ende == std::string::npos) break;
    if (meldung.find(' ', anfang) < ende) {
      anfang = ende;
      continue;
    }
    meldung.replace(anfang, ende + 1 - anfang, feld);
    anfang += feld.size();
  }
  return meldung;
}

// The text of a code, as UTF-8, or null. Texts are formed on first request and kept: a
// key whose text does not depend on the code keeps one, the others one per code they know,
// so no sequence of requests makes the store grow without bound.
const char* meldungstext(const zdv::FeldtypEintrag& typ, int code) {
  if (code <= 0) return nullptr;
  static std::mutex schutz;
  static std::map<std::pair<const zdv::FeldtypEintrag*, int>, std::string> texte;
  const zdv::DefaultFehlerLookup lookup;
  const std::string name(typ.name);
  // Codes outside every verifier's block: a text there is the key's text for any code.
  constexpr int JEDER_CODE = 0x7fffffff;
  std::lock_guard<std::mutex> sperre(schutz);
  for (int c : {JEDER_CODE, code}) {
    const auto schluessel = std::make_pair(&typ, c);
    auto it = texte.find(schluessel);
    if (it == texte.end()) {
      std::string text;
      try {
        text = latin9AlsUtf8(mitFeldname(lookup.getFeldtypText(typ.fehlerSchluessel, c), name));
      } catch (const std::runtime_error&) {
        // no text for this pair: kept as empty
      }
      if (text.empty() && c != JEDER_CODE) return nullptr;  // unknown codes are not kept
      it = texte.emplace(schluessel, std::move(text)).first;
    }
    if (!it->second.empty()) return it->second.c_str();
  }
  return nullptr;
}

}  // namespace

}  // namespace dividevira

using namespace dividevira;

extern "C" int dv_pruefe(const char* feldtyp, const char* wert, size_t laenge) {
  return ohneAusnahme([&] {
    if (feldtyp == nullptr) return DV_FEHLER_NULL;
    const zdv::FeldtypEintrag* typ = typVon(feldtyp);
    if (typ == nullptr) return DV_FEHLER_TYP;
    // One buffer per thread: after the first call no check allocates for its value.
    thread_local std::string latin9;
    if (const int fehler = leseWert(wert, laenge, latin9)) return fehler;
    if (!brauchtDefinitionen(typ->typ)) {
      return vesk::divideVira::pruefeFeldtyp(typ->typ, latin9, nullptr).fehlerId;
    }
    // The definitions keep only the office address last asked for: one per thread serves.
    thread_local vesk::wex2::DefdatenSteuernummerImpl definitionen(&dienst());
    return vesk::divideVira::pruefeFeldtyp(typ->typ, latin9, &definitionen).fehlerId;
  });
}

extern "C" int dv_pruefe_text(const char* feldtyp, const char* wert, size_t laenge,
                              const char* feld, unsigned optionen, char* meldung, size_t groesse) {
  return ohneAusnahme([&] {
    if (feldtyp == nullptr || meldung == nullptr) return DV_FEHLER_NULL;
    if (groesse > 0) meldung[0] = '\0';
    const zdv::FeldtypEintrag* typ = zdv::feldtypEintrag(feldtyp);
    if (typ == nullptr) return DV_FEHLER_TYP;
    std::string latin9, feldname;
    if (const int fehler = leseWert(wert, laenge, latin9)) return fehler;
    if (const int fehler = leseName(feld, feldname)) return fehler;
    if (feld == nullptr) feldname = typ->name;
    std::optional<vesk::wex2::DefdatenSteuernummerImpl> definitionen;
    if ((optionen & DV_OHNE_DEFINITIONEN) == 0) definitionen.emplace(&dienst());
    std::string text;
    const int code = vesk::divideVira::pruefeFeldtyp(
        std::string(typ->name), latin9, definitionen ? &*definitionen : nullptr, &text);
    const int geschrieben = schreibe(mitFeldname(text, feldname), meldung, groesse);
    return geschrieben != DV_OK ? geschrieben : code;
  });
}

extern "C" const char* dv_meldung(const char* feldtyp, int code) {
  if (feldtyp == nullptr) return nullptr;
  try {
    const zdv::FeldtypEintrag* typ = zdv::feldtypEintrag(feldtyp);
    return typ == nullptr ? nullptr : meldungstext(*typ, code);
  } catch (...) {
    return nullptr;
  }
}
