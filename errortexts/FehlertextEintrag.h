#pragma once

#include <cstddef>

namespace vesk::divideVira {

// One row of a compiled-in text table; text is ISO-8859-15 and never empty.
struct FehlertextEintrag {
  int code;
  const char* text;
  int flag;  // carried for the host, read by no operation
};

// Host result codes, ascending (generated from host_fehlertexte.tsv).
extern const FehlertextEintrag HOST_FEHLERTEXT_EINTRAEGE[];
extern const std::size_t HOST_FEHLERTEXT_EINTRAEGE_ANZAHL;

// Plausibility messages, ascending by code (generated from plausi_fehlertexte.tsv).
extern const FehlertextEintrag PLAUSI_FEHLERTEXTE[];
extern const std::size_t PLAUSI_FEHLERTEXTE_ANZAHL;

}  // namespace vesk::divideVira
