#pragma once

namespace vesk::divideVira {

// Where the compiled-in tax office directory comes from: one German line in
// ISO-8859-15, and whether it is the bundled stand-in (false for a directory
// imported from the authority's export). Generated from verzeichnisherkunft.tsv
// of taxoffice/data or of the import.
extern const char* const FINANZAMTSVERZEICHNIS_HERKUNFT;
extern const bool FINANZAMTSVERZEICHNIS_IST_ERSATZ;

}  // namespace vesk::divideVira
