#include "taxnumber/Negativmuster.h"

#include "taxnumber/Ausnahmen.h"
#include "taxoffice/Finanzamtstabellen.h"

namespace vesk::divideVira {

namespace {

using plugin2::iface::Negativmuster;

const char* const kBezirkKleiner100 = "[0-9]{4}00[0-9]{7}";
const char* const kBezirkKleiner100Text = "Ungültiger Bezirk (Bezirk < 100) !";
const char* const kGesperrteBezirke = "[0-9]{5}(000|998|999)[0-9]{5}";
const char* const kGesperrteBezirkeText = "Die Bezirke 000, 998 und 999 sind gesperrt.";

const Negativmuster& bayern() {
  static const Negativmuster liste = {
      {"[0-9]{4}09{8}", "Steuernummer mit Aufbau 9xxx099999999 ist in Bayern ungültig."},
      {kBezirkKleiner100, kBezirkKleiner100Text},
      {kGesperrteBezirke, kGesperrteBezirkeText}};
  return liste;
}

// Shared by BB, MV, SL, SN, ST and TH.
const Negativmuster& bezirksregeln() {
  static const Negativmuster liste = {{kBezirkKleiner100, kBezirkKleiner100Text},
                                      {kGesperrteBezirke, kGesperrteBezirkeText}};
  return liste;
}

const Negativmuster& nordrheinWestfalen() {
  static const Negativmuster liste = {
      {"[0-9]{9}000[0-9]{1}",
       "In NRW muss die Kombination aus Unterscheidungsnummer und Prüfziffer immer größer als "
       "0009 sein."},
      {"[0-9]{5}(0000|0998|0999)[0-9]{4}", "Die Bezirke 0000, 0998 und 0999 sind gesperrt."}};
  return liste;
}

}  // namespace

const Negativmuster& negativmusterFuerKuerzel(const std::string& kuerzel) {
  static const Negativmuster keine;
  if (kuerzel == "BY") return bayern();
  if (kuerzel == "BB" || kuerzel == "MV" || kuerzel == "SL" || kuerzel == "SN" || kuerzel == "ST" ||
      kuerzel == "TH") {
    return bezirksregeln();
  }
  if (kuerzel == "NW") return nordrheinWestfalen();
  return keine;
}

const Negativmuster& negativmusterFuer(int landNummer) {
  const std::string kuerzel = holeBundeslandKuerzel(landNummer);
  if (kuerzel.empty()) throw KeinBundeslandkuerzel(landNummer);
  return negativmusterFuerKuerzel(kuerzel);
}

}  // namespace vesk::divideVira
