#pragma once

// The per-Land tax number rules typed from the published notation and weight tables, not
// taken from the module: the tests compare two readings and generate valid numbers with it.
#include <array>
#include <random>
#include <stdexcept>
#include <string>

namespace dvtest::referenz {

using Zwoelf = std::array<int, 12>;

enum class Verfahren { Elfer, Zweier, Modifiziert, Nrw };

struct Land {
  int schluessel;
  const char* landesform;  // f office, b district, u distinguishing number, p check digit
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

inline const Land* land(int schluessel) {
  for (const Land& l : kLaender) {
    if (l.schluessel == schluessel) return &l;
  }
  return nullptr;
}

inline int stellen(const Land& l, char art) {
  int n = 0;
  for (const char* p = l.landesform; *p; ++p) n += *p == art;
  return n;
}

// Berlin row A, or B (Niedersachsen's), by office and district; nullptr for an office
// outside the rule.
inline const Zwoelf* berlin(int amt, int bezirk) {
  auto in = [](int x, int a, int b) { return a <= x && x <= b; };
  bool b = amt == 1118 || in(amt, 1131, 1137) || in(amt, 1194, 1198);
  if (std::string(" 1113 1114 1117 1120 1121 1123 1124 1125 1140 ")
          .find(" " + std::to_string(amt) + " ") != std::string::npos) {
    b = in(bezirk, 201, 693);
  } else if (amt == 1116) {
    b = in(bezirk, 1, 29) || in(bezirk, 201, 693);
  } else if (amt == 1119) {
    b = in(bezirk, 201, 639) || bezirk == 680 || bezirk == 684;
  } else if (!b && amt != 1127 && amt != 1129 && amt != 1130) {
    return nullptr;
  }
  return b ? &kNi : &kBerlinA;
}

// The check digit of the first 12 digits; -1 when the method admits none.
inline int pruefziffer(const std::string& zwoelf) {
  auto d = [&](int i) { return zwoelf[static_cast<std::size_t>(i)] - '0'; };
  const Land& l = *land(d(0) * 10 + d(1));
  const Zwoelf& w = l.schluessel == 11
                        ? *berlin(std::stoi(zwoelf.substr(0, 4)), std::stoi(zwoelf.substr(5, 3)))
                        : l.faktoren;
  int summe = 0;
  for (int i = 0; i < 12; ++i) {
    int p = w[i] * d(i);
    if (l.verfahren == Verfahren::Zweier) {
      p = w[i] * ((d(i) + kZweierSummanden[i]) % 10);
      while (p > 9) p = p / 1000 + p / 100 % 10 + p / 10 % 10 + p % 10;
    } else if (l.verfahren == Verfahren::Modifiziert && p > 9) {
      p -= 9;
    }
    summe += p;
  }
  switch (l.verfahren) {
    case Verfahren::Elfer:
      return summe % 11 == 0 ? 0 : summe % 11 == 1 ? -1 : 11 - summe % 11;
    case Verfahren::Nrw:
      return summe % 11 == 10 ? -1 : summe % 11;
    default:
      return (10 - summe % 10) % 10;
  }
}

// Office, 0, district and distinguishing number with the check digit; empty when the method
// admits none or the office has no weights.
inline std::string dreizehn(int amt, int bezirk, int unterscheidung) {
  const Land* l = land(amt / 100);
  if (l == nullptr || (l->schluessel == 11 && berlin(amt, 0) == nullptr)) return {};
  const int b = stellen(*l, 'b');
  std::string zwoelf = std::to_string(amt) + "0" + std::to_string(bezirk + 10000).substr(5 - b) +
                       std::to_string(unterscheidung + 10000).substr(b - 2);
  const int c = pruefziffer(zwoelf);
  return c < 0 ? std::string() : zwoelf + std::to_string(c);
}

// A valid number of the office outside every negative pattern (district 100 to 997, or 1000
// to 9997 with four digits; distinguishing number not 0); empty when the office has no weights.
inline std::string erzeuge(std::mt19937& zufall, int amt) {
  const Land* l = land(amt / 100);
  if (l == nullptr || (l->schluessel == 11 && berlin(amt, 0) == nullptr)) return {};
  const bool vier = stellen(*l, 'b') == 4;
  for (;;) {
    const int bezirk =
        std::uniform_int_distribution<>(vier ? 1000 : 100, vier ? 9997 : 997)(zufall);
    const int unterscheidung = std::uniform_int_distribution<>(1, vier ? 999 : 9999)(zufall);
    const std::string nummer = dreizehn(amt, bezirk, unterscheidung);
    if (!nummer.empty()) return nummer;
  }
}

// The Land notation of a 13-digit number, following the notation pattern.
inline std::string landesform(const std::string& nummer) {
  const Land& l = *land(std::stoi(nummer.substr(0, 2)));
  const int f = stellen(l, 'f'), b = stellen(l, 'b');
  std::string teile[] = {nummer.substr(4 - f, f), nummer.substr(5, b), nummer.substr(5 + b, 7 - b),
                         nummer.substr(12)};
  std::string ergebnis;
  for (const char* p = l.landesform; *p; ++p) {
    const std::size_t i = std::string("fbup").find(*p);
    if (i == std::string::npos) {
      ergebnis += *p;
    } else {
      ergebnis += teile[i].front();
      teile[i].erase(0, 1);
    }
  }
  return ergebnis;
}

}  // namespace dvtest::referenz
