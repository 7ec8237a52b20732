// dv_pruefe, dv_pruefe_text, dv_meldung: the rules library's field type checks.
#include "rules/Feldtypen.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "capi/Dienst.h"
#include "capi/Grenze.h"
#include "rules/DefaultFehlerLookup.h"
#include "rules/IFeldtypVordefiniertFehlerIds.h"
#include "taxnumber/DefdatenSteuernummerImpl.h"
#include "taxnumber/Feldtyppruefung.h"

namespace zdv = zudadavizu_20_0;

namespace dividevira {

vesk::plugin2::iface::IFinanzamtsdatenService& dienst() {
  static const std::unique_ptr<vesk::plugin2::iface::IFinanzamtsdatenService> d(
      vesk::divideVira::erzeugeFinanzamtsdatenService(nullptr, nullptr));
  return *d;
}

namespace {

bool brauchtDefinitionen(zdv::Feldtyp typ) {
  return typ == zdv::Feldtyp::kSteuernummer || typ == zdv::Feldtyp::kBundessteuernummer ||
         typ == zdv::Feldtyp::kBundesfinanzamtsnummer || typ == zdv::Feldtyp::kLaenderkuerzel;
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

// Which verifier returns which of the library's codes; the conversion failures 1006 and
// 1007 belong to the service, not to a verifier.
const std::vector<int>& codesVon(zdv::Feldtyp typ) {
  using Ids = zdv::IFeldtypVordefiniertFehlerIds;
  static const std::map<zdv::Feldtyp, std::vector<int>> kCodes{
      {zdv::Feldtyp::kIdNr,
       {Ids::IDNR_KEINE_ZIFFERN, Ids::IDNR_WIEDERHOLUNG_FALSCH, Ids::IDNR_LAENGE_FALSCH,
        Ids::IDNR_PRUEFZIFFER_FALSCH}},
      {zdv::Feldtyp::kSteuernummer,
       {Ids::STEUERNUMMER_MUSTER_FALSCH, Ids::STEUERNUMMER_FINANZAMT_UNBEKANNT,
        Ids::STEUERNUMMER_BEZIRK_NULL, Ids::STEUERNUMMER_NEGATIVMUSTER,
        Ids::STEUERNUMMER_PRUEFZIFFER_FALSCH}},
      {zdv::Feldtyp::kBundesfinanzamtsnummer,
       {Ids::BUFANUMMER_FORMAT_FALSCH, Ids::BUFANUMMER_UNBEKANNT}},
      {zdv::Feldtyp::kLaenderkuerzel, {Ids::LAENDERKUERZEL_UNBEKANNT}},
      {zdv::Feldtyp::kUStIdNr,
       {Ids::USTIDNR_FORMAT_FALSCH, Ids::USTIDNR_DE_LAENGE_FALSCH, Ids::USTIDNR_ZU_KURZ,
        Ids::USTIDNR_ZU_LANG, Ids::USTIDNR_UNGUELTIG}},
      {zdv::Feldtyp::kBundessteuernummer, {Ids::BUNDESSTEUERNUMMER_UNGUELTIG}},
      {zdv::Feldtyp::kEMail, {Ids::EMAIL_UNGUELTIG}},
      {zdv::Feldtyp::kIban,
       {Ids::IBAN_AUFBAU_FALSCH, Ids::IBAN_LAENDERCODE_UNBEKANNT, Ids::IBAN_LAENDERFORMAT_FALSCH,
        Ids::IBAN_PRUEFZIFFER_FALSCH}},
      {zdv::Feldtyp::kBic, {Ids::BIC_FORMAT_FALSCH, Ids::BIC_LAENDERCODE_UNBEKANNT}},
      {zdv::Feldtyp::kDatumMMJJ, {Ids::DATUM_UNGUELTIG}},
      {zdv::Feldtyp::kDatumTTMMJJ, {Ids::DATUM_UNGUELTIG}},
  };
  static const std::vector<int> keine;
  const auto gefunden = kCodes.find(typ);
  return gefunden == kCodes.end() ? keine : gefunden->second;
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
    // The constant per-Land objects, as the service's own checks read them; the definitions
    // keep only the office address last asked for, so one per thread serves.
    thread_local vesk::wex2::TabellenDefdaten definitionen(&dienst());
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

extern "C" int dv_feldtyp_codes(const char* feldtyp, int* ziel, size_t anzahl) {
  return ohneAusnahme([&] {
    if (feldtyp == nullptr) return DV_FEHLER_NULL;
    const zdv::FeldtypEintrag* typ = zdv::feldtypEintrag(feldtyp);
    if (typ == nullptr) return DV_FEHLER_TYP;
    if (ziel == nullptr && anzahl > 0) return DV_FEHLER_NULL;
    const std::vector<int>& codes = codesVon(typ->typ);
    std::copy_n(codes.begin(), std::min(anzahl, codes.size()), ziel);
    return static_cast<int>(codes.size());
  });
}
