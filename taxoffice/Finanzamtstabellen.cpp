#include "taxoffice/Finanzamtstabellen.h"

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

bool istTestfinanzamt(int nummer) { return suche(TESTFINANZAMT_LISTE, nummer) != nullptr; }

const FinanzamtListenEintrag* holeFinanzamtListe(int landNummer) {
  for (std::size_t i = 0; i < FINANZAMT_LISTEN_ANZAHL; ++i) {
    if (FINANZAMT_LISTEN[i].landNummer == landNummer) return FINANZAMT_LISTEN[i].eintraege;
  }
  return nullptr;
}

bool istListenFinanzamt(int nummer) {
  const FinanzamtListenEintrag* liste = holeFinanzamtListe(nummer / 100);
  return liste != nullptr && suche(liste, nummer) != nullptr;
}

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
