// dv_version, dv_text and the tax number conversions and check of the service.
#include <map>
#include <new>
#include <stdexcept>
#include <string>

#include "capi/Dienst.h"
#include "capi/Grenze.h"
#include "errortexts/HostFehlertexte.h"

using namespace dividevira;

namespace {

// The service answers a Land key or an office outside the tables with an exception meant
// for the host; for a caller of this library that is an invalid tax number.
constexpr int UNGUELTIGE_STEUERNUMMER = 610001034;

template <class F>
int alsSteuernummer(F&& f) {
  return ohneAusnahme([&] {
    try {
      return f();
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception&) {
      return UNGUELTIGE_STEUERNUMMER;
    }
  });
}

}  // namespace

extern "C" const char* dv_version(void) { return DV_VERSION; }

extern "C" int dv_steuernummer_bund(const char* wert, size_t laenge, const char* land,
                                    const char* finanzamt, char* ziel, size_t groesse) {
  return alsSteuernummer([&] {
    if (ziel == nullptr) return DV_FEHLER_NULL;
    if (groesse > 0) ziel[0] = '\0';
    std::string latin9, landText, finanzamtText, ausgabe;
    if (const int fehler = leseWert(wert, laenge, latin9)) return fehler;
    if (const int fehler = leseName(land, landText)) return fehler;
    if (const int fehler = leseName(finanzamt, finanzamtText)) return fehler;
    const int code = dienst().erzeugeSteuernummer(latin9, landText, finanzamtText, ausgabe);
    if (code != 0) return code;
    const int geschrieben = schreibe(ausgabe, ziel, groesse);
    return geschrieben != DV_OK ? geschrieben : code;
  });
}

extern "C" int dv_steuernummer_land(const char* bund, size_t laenge, char* ziel, size_t groesse) {
  return alsSteuernummer([&] {
    if (ziel == nullptr) return DV_FEHLER_NULL;
    if (groesse > 0) ziel[0] = '\0';
    std::string latin9, ausgabe;
    if (const int fehler = leseWert(bund, laenge, latin9)) return fehler;
    const int code = dienst().formatiereSteuernummer(latin9, ausgabe);
    if (code != 0) return code;
    const int geschrieben = schreibe(ausgabe, ziel, groesse);
    return geschrieben != DV_OK ? geschrieben : code;
  });
}

extern "C" int dv_steuernummer_pruefen(const char* bund, size_t laenge) {
  return alsSteuernummer([&] {
    thread_local std::string latin9;
    if (const int fehler = leseWert(bund, laenge, latin9)) return fehler;
    return dienst().pruefeSteuernummer(latin9);
  });
}

extern "C" const char* dv_text(int code) {
  try {
    static const std::map<int, std::string> texte = [] {
      std::map<int, std::string> utf8;
      for (const auto& [c, text] : vesk::divideVira::hostFehlertexte()) {
        utf8.emplace(c, latin9AlsUtf8(text));
      }
      return utf8;
    }();
    const auto it = texte.find(code);
    return it == texte.end() ? nullptr : it->second.c_str();
  } catch (...) {
    return nullptr;
  }
}
