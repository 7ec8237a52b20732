#include "taxnumber/SteuernummerTabellen.h"

#include "taxnumber/Ausnahmen.h"
#include "taxoffice/Finanzamtstabellen.h"

namespace vesk::divideVira {

const SteuernummerFormatZeile STEUERNUMMER_FORMATE[22] = {
    {28, 2, 3, 4, 1, "", "", "/", "", "2er-Verfahren"},
    {91, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {92, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {11, 2, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {30, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {24, 2, 3, 4, 1, "", " ", " ", "", "11er-Verfahren"},
    {22, 2, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {26, 2, 3, 4, 1, "0", " ", " ", "", "2er-Verfahren"},
    {40, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {23, 2, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {51, 3, 4, 3, 1, "", "/", "/", "", "11er-Verfahren-NRW"},
    {52, 3, 4, 3, 1, "", "/", "/", "", "11er-Verfahren-NRW"},
    {53, 3, 4, 3, 1, "", "/", "/", "", "11er-Verfahren-NRW"},
    {54, 3, 4, 3, 1, "", "/", "/", "", "11er-Verfahren-NRW"},
    {55, 3, 4, 3, 1, "", "/", "/", "", "11er-Verfahren-NRW"},
    {56, 3, 4, 3, 1, "", "/", "/", "", "11er-Verfahren-NRW"},
    {27, 2, 3, 4, 1, "", "/", "/", "", "modifiziertes 11er-Verfahren"},
    {10, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {32, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {31, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
    {21, 2, 3, 4, 1, "", "/", "/", "", "2er-Verfahren"},
    {41, 3, 3, 4, 1, "", "/", "/", "", "11er-Verfahren"},
};

namespace {
constexpr Stellenwerte kZweier = {0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2};
constexpr Stellenwerte kElfer = {0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
constexpr Stellenwerte kElferZweistellig = {0, 0, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
constexpr Stellenwerte kNiedersachsen = {0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2};
constexpr Stellenwerte kNrw = {0, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1};
constexpr Stellenwerte kModifiziert = {0, 0, 1, 2, 0, 1, 2, 1, 2, 1, 2, 1};
constexpr Stellenwerte kZweierSummanden = {0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1};
}  // namespace

const StellenwertZeile FAKTOREN_TABELLE[21] = {
    {28, kZweier},
    {91, kElfer},
    {92, kElfer},
    {30, kElfer},
    {24, kElferZweistellig},
    {22, kElferZweistellig},
    {26, kZweier},
    {40, kElfer},
    {23, kNiedersachsen},
    {51, kNrw},
    {52, kNrw},
    {53, kNrw},
    {54, kNrw},
    {55, kNrw},
    {56, kNrw},
    {27, kModifiziert},
    {10, kElfer},
    {32, kElfer},
    {31, kElfer},
    {21, kZweier},
    {41, kElfer},
};

const Stellenwerte BERLIN_A = {0, 0, 0, 0, 0, 7, 6, 5, 8, 4, 3, 2};
const Stellenwerte BERLIN_B = {0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2};

const StellenwertZeile SUMMANDEN_TABELLE[3] = {
    {28, kZweierSummanden}, {26, kZweierSummanden}, {21, kZweierSummanden}};

const SteuernummerFormatZeile& findeSteuernummerFormat(int landNummer) {
  for (const SteuernummerFormatZeile& zeile : STEUERNUMMER_FORMATE) {
    if (zeile.landNummer == landNummer) return zeile;
  }
  throw BundeslandExistiertNicht();
}

namespace {

bool zwischen(int wert, int von, int bis) { return von <= wert && wert <= bis; }

// Berlin's offices switched weight rows by district; which row applies depends on both.
const Stellenwerte& berlinerFaktoren(int buFaNummer, int bezirk) {
  switch (buFaNummer) {
    case 1127:
    case 1129:
    case 1130:
      return BERLIN_A;
    case 1113:
    case 1114:
    case 1117:
    case 1120:
    case 1121:
    case 1123:
    case 1124:
    case 1125:
    case 1140:
      return zwischen(bezirk, 201, 693) ? BERLIN_B : BERLIN_A;
    case 1116:
      return zwischen(bezirk, 1, 29) || zwischen(bezirk, 201, 693) ? BERLIN_B : BERLIN_A;
    case 1119:
      return zwischen(bezirk, 201, 639) || bezirk == 680 || bezirk == 684 ? BERLIN_B : BERLIN_A;
    default:
      break;
  }
  if (buFaNummer == 1118 || zwischen(buFaNummer, 1131, 1137) || zwischen(buFaNummer, 1194, 1198)) {
    return BERLIN_B;
  }
  throw BufanummerExistiertNicht();
}

}  // namespace

const Stellenwerte& waehleFaktoren(int landNummer, int buFaNummer, int bezirk) {
  if (!istBundeslandNummer(landNummer)) throw BundeslandExistiertNicht();
  if (landNummer == 11) return berlinerFaktoren(buFaNummer, bezirk);
  for (const StellenwertZeile& zeile : FAKTOREN_TABELLE) {
    if (zeile.landNummer == landNummer) return zeile.werte;
  }
  throw BundeslandExistiertNicht();
}

const Stellenwerte* waehleSummanden(int landNummer) {
  for (const StellenwertZeile& zeile : SUMMANDEN_TABELLE) {
    if (zeile.landNummer == landNummer) return &zeile.werte;
  }
  return nullptr;
}

}  // namespace vesk::divideVira
