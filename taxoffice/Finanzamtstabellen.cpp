#include "taxoffice/Finanzamtstabellen.h"

#include <bitset>
#include <cstdlib>

namespace vesk::divideVira {

namespace {

const FinanzamtListenEintrag* suche(const FinanzamtListenEintrag* liste, int nummer) {
  for (; liste->nummer != 0; ++liste) {
    if (liste->nummer == nummer) return liste;
  }
  return nullptr;
}

const BundeslandZeile* findeBundesland(int landNummer) {
  for (std::size_t i = 0; i < BUNDESLAND_TABELLE_ANZAHL; ++i) {
    if (BUNDESLAND_TABELLE[i].nummer == landNummer) return &BUNDESLAND_TABELLE[i];
  }
  return nullptr;
}

// Office numbers have four digits; the checks ask about them on every tax number, so a
// set built once answers in constant time instead of walking a list.
using Nummernmenge = std::bitset<10000>;

bool enthaelt(const Nummernmenge& menge, int nummer) {
  return nummer >= 0 && nummer < static_cast<int>(menge.size()) && menge.test(nummer);
}

// Adds the numbers of a list; with a Land key, only those whose key it is, as a lookup by
// key would find them.
void fuegeHinzu(Nummernmenge& menge, const FinanzamtListenEintrag* liste, int landNummer = -1) {
  for (; liste->nummer != 0; ++liste) {
    const bool imBereich = liste->nummer > 0 && liste->nummer < static_cast<int>(menge.size());
    if (imBereich && (landNummer < 0 || liste->nummer / 100 == landNummer)) {
      menge.set(liste->nummer);
    }
  }
}

const Nummernmenge& testfinanzaemter() {
  static const Nummernmenge menge = [] {
    Nummernmenge m;
    fuegeHinzu(m, TESTFINANZAMT_LISTE);
    return m;
  }();
  return menge;
}

const Nummernmenge& listenfinanzaemter() {
  static const Nummernmenge menge = [] {
    Nummernmenge m;
    for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
      fuegeHinzu(m, FINANZAMT_LISTEN[i].eintraege, FINANZAMT_LISTEN[i].landNummer);
    }
    return m;
  }();
  return menge;
}

}  // namespace

FinanzamtTabelle finanzamtTabelle() {
  static const FinanzamtTabelle tabelle{FINANZAMT_EINTRAEGE_ANZAHL, FINANZAMT_EINTRAEGE};
  return tabelle;
}

const FinanzamtEintrag* findeFinanzamtEintrag(const std::string& nummer) {
  const int gesucht = std::atoi(nummer.c_str());
  const FinanzamtTabelle tabelle = finanzamtTabelle();
  for (std::size_t i = 0; i < tabelle.anzahl; ++i) {
    if (tabelle.erster[i].nummer == gesucht) return &tabelle.erster[i];
  }
  return nullptr;
}

std::string findeTestfinanzamtName(const std::string& nummer) {
  const FinanzamtListenEintrag* eintrag = suche(TESTFINANZAMT_LISTE, std::atoi(nummer.c_str()));
  return eintrag != nullptr ? eintrag->name : std::string();
}

bool istTestfinanzamt(int nummer) { return enthaelt(testfinanzaemter(), nummer); }

const FinanzamtListenEintrag* holeFinanzamtListe(int landNummer) {
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    if (FINANZAMT_LISTEN[i].landNummer == landNummer) return FINANZAMT_LISTEN[i].eintraege;
  }
  return nullptr;
}

bool istListenFinanzamt(int nummer) { return enthaelt(listenfinanzaemter(), nummer); }

bool istBundeslandNummer(int landNummer) { return findeBundesland(landNummer) != nullptr; }

std::string holeBundeslandKuerzel(int landNummer) {
  const BundeslandZeile* zeile = findeBundesland(landNummer);
  return zeile != nullptr ? zeile->kuerzel : std::string();
}

bool istBundeslandKuerzel(const std::string& kuerzel) {
  for (std::size_t i = 0; i < BUNDESLAND_TABELLE_ANZAHL; ++i) {
    if (kuerzel == BUNDESLAND_TABELLE[i].kuerzel) return true;
  }
  return false;
}

}  // namespace vesk::divideVira
