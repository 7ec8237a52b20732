#pragma once

// An independent model of the per-Land tax number notations and check-digit methods,
// typed in from the published Land definitions, to generate valid numbers and their
// Land notations without the module's tables.
#include <random>
#include <string>
#include <vector>

namespace dvtest {

enum class Verfahren { Elfer, Zweier, ModifizierterElfer, ElferNrw };

struct Landformat {
  int schluessel;
  int f, b, u;
  const char* praefix;
  const char* trenner1;
  const char* trenner2;
  Verfahren verfahren;
};

inline const std::vector<Landformat>& landformate() {
  static const std::vector<Landformat> formate = {
      {28, 2, 3, 4, "", "", "/", Verfahren::Zweier},
      {91, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {92, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {11, 2, 3, 4, "", "/", "/", Verfahren::Elfer},
      {30, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {24, 2, 3, 4, "", " ", " ", Verfahren::Elfer},
      {22, 2, 3, 4, "", "/", "/", Verfahren::Elfer},
      {26, 2, 3, 4, "0", " ", " ", Verfahren::Zweier},
      {40, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {23, 2, 3, 4, "", "/", "/", Verfahren::Elfer},
      {51, 3, 4, 3, "", "/", "/", Verfahren::ElferNrw},
      {52, 3, 4, 3, "", "/", "/", Verfahren::ElferNrw},
      {53, 3, 4, 3, "", "/", "/", Verfahren::ElferNrw},
      {54, 3, 4, 3, "", "/", "/", Verfahren::ElferNrw},
      {55, 3, 4, 3, "", "/", "/", Verfahren::ElferNrw},
      {56, 3, 4, 3, "", "/", "/", Verfahren::ElferNrw},
      {27, 2, 3, 4, "", "/", "/", Verfahren::ModifizierterElfer},
      {10, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {32, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {31, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
      {21, 2, 3, 4, "", "/", "/", Verfahren::Zweier},
      {41, 3, 3, 4, "", "/", "/", Verfahren::Elfer},
  };
  return formate;
}

inline const Landformat* landformat(int schluessel) {
  for (const auto& f : landformate()) {
    if (f.schluessel == schluessel) return &f;
  }
  return nullptr;
}

using Gewichte = std::vector<int>;

// Berlin: which of its two weight rows applies; false when the office is outside the rule.
inline bool berlinB(int amt, int bezirk, bool& bekannt) {
  auto in = [](int x, int von, int bis) { return x >= von && x <= bis; };
  bekannt = true;
  switch (amt) {
    case 1127:
    case 1129:
    case 1130:
      return false;
    case 1113:
    case 1114:
    case 1117:
    case 1120:
    case 1121:
    case 1123:
    case 1124:
    case 1125:
    case 1140:
      return in(bezirk, 201, 693);
    case 1116:
      return in(bezirk, 1, 29) || in(bezirk, 201, 693);
    case 1119:
      return in(bezirk, 201, 639) || bezirk == 680 || bezirk == 684;
    case 1118:
      return true;
    default:
      if (in(amt, 1131, 1137) || in(amt, 1194, 1198)) return true;
      bekannt = false;
      return false;
  }
}

// Weights of positions 1 to 12; empty when the Land or the Berlin office has none.
inline Gewichte gewichte(int schluessel, int amt, int bezirk) {
  switch (schluessel) {
    case 28:
    case 26:
    case 21:
      return {0, 0, 512, 256, 0, 128, 64, 32, 16, 8, 4, 2};
    case 91:
    case 92:
    case 30:
    case 40:
    case 10:
    case 32:
    case 31:
    case 41:
      return {0, 5, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
    case 24:
    case 22:
      return {0, 0, 4, 3, 0, 2, 7, 6, 5, 4, 3, 2};
    case 23:
      return {0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2};
    case 51:
    case 52:
    case 53:
    case 54:
    case 55:
    case 56:
      return {0, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1};
    case 27:
      return {0, 0, 1, 2, 0, 1, 2, 1, 2, 1, 2, 1};
    case 11: {
      bool bekannt = false;
      bool b = berlinB(amt, bezirk, bekannt);
      if (!bekannt) return {};
      return b ? Gewichte{0, 0, 2, 9, 0, 8, 7, 6, 5, 4, 3, 2}
               : Gewichte{0, 0, 0, 0, 0, 7, 6, 5, 8, 4, 3, 2};
    }
    default:
      return {};
  }
}

// Check digit of the first 12 digits, or -1 when no digit can make the number valid.
inline int pruefziffer(const std::string& zwoelf, Verfahren verfahren, const Gewichte& w) {
  const int summanden[12] = {0, 0, 9, 8, 0, 7, 6, 5, 4, 3, 2, 1};
  int summe = 0;
  for (int i = 0; i < 12; ++i) {
    int d = zwoelf[static_cast<std::size_t>(i)] - '0';
    switch (verfahren) {
      case Verfahren::Zweier: {
        int p = w[i] * ((d + summanden[i]) % 10);
        while (p >= 10) {
          int q = 0;
          for (; p > 0; p /= 10) q += p % 10;
          p = q;
        }
        summe += p;
        break;
      }
      case Verfahren::ModifizierterElfer: {
        int p = w[i] * d;
        summe += p >= 10 ? p % 10 + 1 : p;
        break;
      }
      default:
        summe += w[i] * d;
    }
  }
  switch (verfahren) {
    case Verfahren::Elfer: {
      int r = summe % 11;
      return r == 0 ? 0 : r == 1 ? -1 : 11 - r;
    }
    case Verfahren::ElferNrw: {
      int r = summe % 11;
      return r == 10 ? -1 : r;
    }
    default: {
      int r = summe % 10;
      return r == 0 ? 0 : 10 - r;
    }
  }
}

struct Steuernummer {
  std::string bundeseinheitlich;  // 13 digits
  std::string land;               // Land notation
};

inline std::string ziffern(std::mt19937& zufall, int anzahl, int min, int max) {
  std::string text = std::to_string(std::uniform_int_distribution<int>(min, max)(zufall));
  return std::string(static_cast<std::size_t>(anzahl) - text.size(), '0') + text;
}

// A valid number of the office that avoids every negative pattern (district 100 or more
// and not 998/999, NRW distinguishing number not 000); empty when the office has no weights.
inline Steuernummer erzeuge(std::mt19937& zufall, int amt) {
  const int schluessel = amt / 100;
  const Landformat* format = landformat(schluessel);
  if (format == nullptr) return {};
  const std::string amtText = std::to_string(amt);
  for (;;) {
    std::string bezirk =
        format->b == 4 ? ziffern(zufall, 4, 1000, 9997) : ziffern(zufall, 3, 100, 997);
    std::string unterscheidung = ziffern(zufall, format->u, 1, format->u == 3 ? 999 : 9999);
    Gewichte w = gewichte(schluessel, amt, std::stoi(bezirk));
    if (w.empty()) return {};
    std::string zwoelf = amtText + "0" + bezirk + unterscheidung;
    int p = pruefziffer(zwoelf, format->verfahren, w);
    if (p < 0) continue;
    std::string pz = std::to_string(p);
    return {zwoelf + pz, format->praefix + amtText.substr(4 - format->f) + format->trenner1 +
                             bezirk + format->trenner2 + unterscheidung + pz};
  }
}

}  // namespace dvtest
