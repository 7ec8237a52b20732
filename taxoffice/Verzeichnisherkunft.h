#pragma once

namespace vesk::divideVira {

// Where the compiled-in tax office directory comes from: one German line in
// ISO-8859-15, and whether names, addresses and accounts are stand-ins.
// Generated from taxoffice/data/verzeichnisherkunft.tsv.
extern const char* const FINANZAMTSVERZEICHNIS_HERKUNFT;
extern const bool FINANZAMTSVERZEICHNIS_IST_ERSATZ;

}  // namespace vesk::divideVira
