#pragma once

#include <array>
#include <stdexcept>
#include <string>

// An independent statement of the per-Land tax number rules, typed from the published
// notation and weight tables rather than taken from the module, so that the tests compare
// two separate readings of them.
namespace dvtest::referenz {

using Zwoelf = std::array<int, 12>;

enum class Verfahren { Elfer, Zweier, Modifiziert, Nrw };

struct Land {
  int schluessel;
  const char* landesform;  // f office, b district, u distinguishing, p check digit
  Verfahren verfahren;
  Zwoelf faktoren;
  const char* kuerzel;
};

constexpr Zwoelf kBw = {0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2};
constexpr Zwoelf kBy = {0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
constexpr Zwoelf kHb = {0, 0, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
constexpr Zwoelf kNi = {0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2};
constexpr Zwoelf kNw = {0, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1};
constexpr Zwoelf kRp = {0, 0, 1, 2, 0, 1, 2, 1, 2, 1, 2, 1};
constexpr Zwoelf kBerlinA = {0, 0, 0, 0, 0, 7, 6, 5, 8, 4, 3, 2};
constexpr Zwoelf kBerlinB = {0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2};
constexpr Zwoelf kZweierSummanden = {0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1};

// Berlin's weights are chosen per office and district (kBerlinA stands in here).
inline const Land kLaender[] = {
    {28, "ffbbb/uuuup", Verfahren::Zweier, kBw, "BW"},
    {91, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "BY"},
    {92, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "BY"},
    {11, "ff/bbb/uuuup", Verfahren::Elfer, kBerlinA, "BE"},
    {30, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "BB"},
    {24, "ff bbb uuuup", Verfahren::Elfer, kHb, "HB"},
    {22, "ff/bbb/uuuup", Verfahren::Elfer, kHb, "HH"},
    {26, "0ff bbb uuuup", Verfahren::Zweier, kBw, "HE"},
    {40, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "MV"},
    {23, "ff/bbb/uuuup", Verfahren::Elfer, kNi, "ND"},
    {51, "fff/bbbb/uuup", Verfahren::Nrw, kNw, "NW"},
    {52, "fff/bbbb/uuup", Verfahren::Nrw, kNw, "NW"},
    {53, "fff/bbbb/uuup", Verfahren::Nrw, kNw, "NW"},
    {54, "fff/bbbb/uuup", Verfahren::Nrw, kNw, "NW"},
    {55, "fff/bbbb/uuup", Verfahren::Nrw, kNw, "NW"},
    {56, "fff/bbbb/uuup", Verfahren::Nrw, kNw, "NW"},
    {27, "ff/bbb/uuuup", Verfahren::Modifiziert, kRp, "RP"},
    {10, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "SL"},
    {32, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "SN"},
    {31, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "ST"},
    {21, "ff/bbb/uuuup", Verfahren::Zweier, kBw, "SH"},
    {41, "fff/bbb/uuuup", Verfahren::Elfer, kBy, "TH"},
};

inline const Land& land(int schluessel) {
  for (const Land& l : kLaender) {
    if (l.schluessel == schluessel) return l;
  }
  throw std::invalid_argument("no Land " + std::to_string(schluessel));
}

inline int stellen(const Land& l, char art) {
  int n = 0;
  for (const char* p = l.landesform; *p; ++p) n += *p == art;
  return n;
}

// Berlin A or B by office and district; throws for an office outside the rule.
inline const Zwoelf& berlin(int amt, int bezirk) {
  auto in = [](int x, int a, int b) { return a <= x && x <= b; };
  if (amt == 1127 || amt == 1129 || amt == 1130) return kBerlinA;
  if (amt == 1113 || amt == 1114 || amt == 1117 || amt == 1120 || amt == 1121 || amt == 1123 ||
      amt == 1124 || amt == 1125 || amt == 1140) {
    return in(bezirk, 201, 693) ? kBerlinB : kBerlinA;
  }
  if (amt == 1116) return in(bezirk, 1, 29) || in(bezirk, 201, 693) ? kBerlinB : kBerlinA;
  if (amt == 1119) {
    return in(bezirk, 201, 639) || bezirk == 680 || bezirk == 684 ? kBerlinB : kBerlinA;
  }
  if (amt == 1118 || in(amt, 1131, 1137) || in(amt, 1194, 1198)) return kBerlinB;
  throw std::out_of_range("Berlin office outside the rule");
}

inline bool berlinHatRegel(int amt) {
  try {
    berlin(amt, 0);
    return true;
  } catch (const std::out_of_range&) {
    return false;
  }
}

// The check digit of the first 12 digits, or -1 when the method admits none.
inline int pruefziffer(const std::string& zwoelf) {
  auto d = [&](int i) { return zwoelf[i] - '0'; };
  const int schluessel = d(0) * 10 + d(1);
  const Land& l = land(schluessel);
  const int b = stellen(l, 'b');
  const Zwoelf& w = schluessel == 11
                        ? berlin(std::stoi(zwoelf.substr(0, 4)), std::stoi(zwoelf.substr(5, b)))
                        : l.faktoren;
  int summe = 0;
  switch (l.verfahren) {
    case Verfahren::Elfer: {
      for (int i = 0; i < 12; ++i) summe += w[i] * d(i);
      const int r = summe % 11;
      return r == 0 ? 0 : r == 1 ? -1 : 11 - r;
    }
    case Verfahren::Nrw: {
      for (int i = 0; i < 12; ++i) summe += w[i] * d(i);
      return summe % 11 == 10 ? -1 : summe % 11;
    }
    case Verfahren::Zweier:
      for (int i = 0; i < 12; ++i) {
        int p = w[i] * ((d(i) + kZweierSummanden[i]) % 10);
        while (p > 9) p = p / 1000 + p / 100 % 10 + p / 10 % 10 + p % 10;
        summe += p;
      }
      return (10 - summe % 10) % 10;
    case Verfahren::Modifiziert:
      for (int i = 0; i < 12; ++i) {
        const int p = w[i] * d(i);
        summe += p > 9 ? p - 9 : p;
      }
      return (10 - summe % 10) % 10;
  }
  return -1;
}

// The Land notation of a 13-digit number, following the notation pattern.
inline std::string landesform(const std::string& dreizehn) {
  const Land& l = land(std::stoi(dreizehn.substr(0, 2)));
  const int f = stellen(l, 'f'), b = stellen(l, 'b');
  std::string amt = dreizehn.substr(4 - f, f), bezirk = dreizehn.substr(5, b),
              rest = dreizehn.substr(5 + b, 7 - b), pruef = dreizehn.substr(12);
  std::string ergebnis;
  for (const char* p = l.landesform; *p; ++p) {
    std::string* quelle = *p == 'f'   ? &amt
                          : *p == 'b' ? &bezirk
                          : *p == 'u' ? &rest
                          : *p == 'p' ? &pruef
                                      : nullptr;
    if (quelle == nullptr) {
      ergebnis += *p;
    } else {
      ergebnis += quelle->front();
      quelle->erase(0, 1);
    }
  }
  return ergebnis;
}

}  // namespace dvtest::referenz
