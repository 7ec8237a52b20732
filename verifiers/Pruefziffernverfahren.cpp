#include "verifiers/Pruefziffernverfahren.h"

#include "verifiers/Pruefziffern.h"
#include "verifiers/SteuernummerAusnahmen.h"

namespace zudadavizu_20_0 {

namespace {

int gewichteteSumme(const std::string& wert, const std::vector<int>& faktoren) {
  return zudadavizu_20_0::gewichteteSumme(wert, 0, faktoren.data(), faktoren.size());
}

int quersummeBisEinstellig(int zahl) {
  while (zahl >= 10) {
    int summe = 0;
    for (; zahl > 0; zahl /= 10) summe += zahl % 10;
    zahl = summe;
  }
  return zahl;
}

bool zehnerRestPasst(int summe, int pruefziffer) {
  const int rest = summe % 10;
  return rest == 0 ? pruefziffer == 0 : pruefziffer == 10 - rest;
}

}  // namespace

bool elferVerfahren(const std::string& wert, const std::vector<int>& faktoren, int pruefziffer) {
  const int rest = gewichteteSumme(wert, faktoren) % 11;
  return rest == 0 ? pruefziffer == 0 : pruefziffer == 11 - rest;
}

bool zweierVerfahren(const std::string& wert, const std::vector<int>& faktoren,
                     const std::vector<int>& summanden, int pruefziffer) {
  if (summanden.size() != 12) throw FalscheSummandenanzahl();
  int summe = 0;
  for (std::size_t i = 0; i < faktoren.size(); ++i) {
    const int stelle = (ziffer(wert[i]) + summanden[i]) % 10;
    summe += quersummeBisEinstellig(faktoren[i] * stelle);
  }
  return zehnerRestPasst(summe, pruefziffer);
}

bool modifiziertesElferVerfahren(const std::string& wert, const std::vector<int>& faktoren,
                                 int pruefziffer) {
  int summe = 0;
  for (std::size_t i = 0; i < faktoren.size(); ++i) {
    const int produkt = faktoren[i] * ziffer(wert[i]);
    summe += produkt >= 10 ? produkt % 10 + 1 : produkt;
  }
  return zehnerRestPasst(summe, pruefziffer);
}

bool elferVerfahrenNrw(const std::string& wert, const std::vector<int>& faktoren, int pruefziffer) {
  return gewichteteSumme(wert, faktoren) % 11 == pruefziffer;
}

}  // namespace zudadavizu_20_0
