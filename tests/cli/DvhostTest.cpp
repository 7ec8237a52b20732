// dvhost as a batch job sees it: each case is one shell script run in a fresh directory under
// LC_ALL=C, with $DV the program, $PROBEN the sample documents, $MODUL the module and $TSV the
// table of host result codes. Expected statuses are the
// documented ones (0 valid, 1 invalid, 2 usage, 3 input or output); outputs are searched with
// ECMAScript patterns.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct Fall {
  const char* name;
  const char* befehl;
  int status;
  const char* ausgabe;  // pattern searched in stdout
  const char* fehler;   // pattern searched in stderr
};

// Sample IBAN DE89370400440532013000: the commonly published example (valid).
// DE136695976: a published German VAT number (valid); DE13669597 lacks a digit (code 902).
// DEUTXX55 has the form of a BIC and of a VAT number and is neither: XX is no country, and a
// German VAT number has nine digits.
// 2177012345671: office 2177 is in the authority's list of office numbers but not in the
// built-in directory; check digit 1 by hand with Schleswig-Holstein's method (weights 512, 256,
// 128 ... 2, addends 9, 8, 7 ... 1): the number fails only for its office.
const Fall kFaelle[] = {
    // Statuses: the batch goes on after a bad input, and the highest status wins.
    {"text_geht_weiter", "$DV text 610001034 abc 0", 1,
     u8"^610001034: Ungültige Steuernummer\\.\\nabc: Fehler: keine Zahl\\n0: ", ""},
    {"validate_fehlt_verzeichnis_ungueltig",
     "$DV validate $PROBEN/gueltig_est.xml fehlt.xml . $PROBEN/ungueltig_schemafehler.xml", 3,
     "gueltig_est.xml: 0 [^\\n]*\\n[^\\n]*ungueltig_schemafehler.xml: 610301200",
     "fehlt.xml: No such file or directory\\ndvhost: \\.: Is a directory"},
    {"validate_ungueltig", "$DV validate $PROBEN/ungueltig_schemafehler.xml", 1, ": 610301200", ""},
    {"volle_platte", "$DV text 0 >/dev/full", 3, "", "Standardausgabe: No space left on device"},
    {"stdin_verzeichnis", "$DV pruefe iban < .", 3, "", "Standardeingabe: Is a directory"},
    {"modul_fehlt", "$DV --modul ./fehlt.so version", 3, "", "fehlt\\.so"},
    {"unbekannter_befehl", "$DV frobnicate", 2, "", "unbekannter Befehl"},
    {"unbekannte_option", "$DV pruefe iban --bogus DE89370400440532013000", 2, "^$",
     "unbekannte Option --bogus"},
    {"fehlendes_argument", "$DV steuernummer --land", 2, "", "--land braucht einen Wert"},
    {"validate_ohne_datei", "$DV validate", 2, "", "mindestens eine Datei"},
    // Input: one value per line, blank lines too; BOM and CR LF dropped; last line unended.
    {"stdin_zeilen",
     "printf '\\357\\273\\277DE89370400440532013000\\r\\n\\r\\nDE89370400440532013000' | "
     "$DV pruefe iban",
     1, "^DE89370400440532013000: 0 [^\\n]*\\n: 610001501 [^\\n]*\\nDE89370400440532013000: 0 ",
     ""},
    {"streng_ohne_normalisieren", "$DV pruefe iban 'de89 3704 0044 0532 0130 00 '", 1,
     ": 610001501 ", ""},
    {"normalisieren", "$DV pruefe iban --normalisieren 'de89 3704 0044 0532 0130 00 '", 0,
     "^de89 3704 0044 0532 0130 00  \\(DE89370400440532013000\\): 0 ", ""},
    {"normalisieren_ustid", "$DV feldtyp UStIdNr --normalisieren 'de 136 695 976'", 0,
     "\\(DE136695976\\): 0", ""},
    {"normalisieren_nicht_fuer_steuernummer", "$DV pruefe steuernummer --normalisieren 1", 2, "",
     "--normalisieren"},
    {"dateiname_unter_c",
     u8"cp $PROBEN/gueltig_est.xml Erklärung.xml && $DV validate Erklärung.xml", 0,
     u8"^Erklärung\\.xml: 0 ", "^$"},
    // Messages: placeholders filled with the field type or --feld.
    {"feldname_standard", "$DV feldtyp DATUM_TTMMJJ 31.02.01", 1,
     "^[^$]*Feld 'DATUM_TTMMJJ' ist nicht[^$]*$", ""},
    {"feldname_gesetzt", "$DV feldtyp DATUM_TTMMJJ --feld Geburtsdatum 31.02.01", 1,
     "Feld 'Geburtsdatum' ist nicht", ""},
    {"test_idnr_hinweis", "$DV feldtyp IDNr 02345678901", 0,
     "^[^$]*Feld 'IDNr' ist eine Test-Identifikationsnummer[^$]*$", ""},
    {"finanzamt_fehlt", "$DV version && $DV pruefe steuernummer 2177012345671 2177012345672", 1,
     u8"Verzeichnis: +([^\\n]+)\\n2177012345671: 610001034 [^\\n]*Hinweis: Finanzamt 2177 fehlt"
     u8"[^\\n]*sonst wäre die Steuernummer gültig\\. \\1\\n2177012345672: 610001034 [^\\n]*\\.\\n$",
     ""},
    // JSON Lines in UTF-8 whatever the locale, on every command that reports results.
    {"json_text", "$DV text --json 610001034", 0,
     u8"^\\{\"wert\": \"610001034\", \"text\": \"Ungültige Steuernummer\\.\"\\}\\n$", ""},
    {"json_validate", "$DV validate --json $PROBEN/ungueltig_encoding_utf8.xml", 1,
     "^\\{\"datei\": \"[^\"]*ungueltig_encoding_utf8.xml\", \"code\": 610301108, \"text\": "
     "\"[^\"]+\", \"meldungen\": \\[\"FEHLER: [^\"]+\"\\], \"weitere_meldungen\": 0\\}\\n$",
     ""},
    {"json_finanzamtnummer", "$DV pruefe-finanzamtnummer --json 1010 2177", 1,
     "^\\{\"wert\": \"1010\", \"code\": 0, [^\\n]*\\}\\n\\{\"wert\": \"2177\", \"code\": "
     "610001038, [^\\n]*\"hinweis\": \"Finanzamt 2177 fehlt",
     ""},
    {"json_finanzamt", "$DV finanzamt --json 1010", 0, "^\\{\"BuFaNummer\": \"1010\", ", ""},
    {"json_liste", "$DV laender --json", 0, "\\{\"nummer\": \"10\", \"name\": \"Saarland\"\\}", ""},
    {"json_version", "$DV version --json", 0, "\"ersatzverzeichnis\": (true|false)\\}", ""},
    {"version", "$DV --version", 0, "^dvhost \\d+\\.\\d+\\.\\d+\\n$", ""},
    {"help", "$DV help validate && $DV pruefe -h && $DV -h", 0,
     "--max-groesse[\\s\\S]*Exit-Status[\\s\\S]*--normalisieren[\\s\\S]*Befehle:", "^$"},
    // Limits: a bound on the input, 100 log lines per document unless all are asked for.
    {"stream_zu_gross", "$DV validate --max-groesse 64K /dev/zero", 3, "",
     u8"/dev/zero: größer als 65536 Bytes"},
    {"datei_zu_gross", "$DV validate --max-groesse 1K $PROBEN/gueltig_est.xml", 3, "^$",
     "als 1024 Bytes"},
    // 150 undeclared elements: 150 lines, and one for the content model at the end. The
    // script prints the number of log lines and the last line, then exits with dvhost's status.
    {"meldungen_begrenzt",
     "sed \"s#</DatenTeil>#$(printf '<x/>%.0s' $(seq 150))</DatenTeil>#\" "
     "$PROBEN/gueltig_abholung.xml | $DV validate - >v; s=$?; grep -c '^  FEHLER' v; tail -1 v; "
     "exit $s",
     1, "^100\\n  \\.\\.\\. und 51 weitere Meldungen", ""},
    // Bounded input: 65536 bytes are a value, one more is refused, named by its line or
    // argument number, and the batch goes on; a NUL byte ends the reading.
    // The script shortens each run of As to "A*" (a regex over 64 KiB would overflow the
    // stack), keeping the "..." that marks a refused value.
    {"zeile_an_der_grenze",
     "{ head -c 65536 /dev/zero | tr '\\0' A; echo; head -c 65537 /dev/zero | tr '\\0' A; "
     "echo; echo DE89370400440532013000; } | $DV pruefe iban >o; s=$?; sed 's/^AA*/A*/' o; "
     "exit $s",
     1,
     u8"^A\\*: 610001501 [^\\n]*\\nA\\*\\.\\.\\.: Fehler: Zeile 2 ist länger als 65536 "
     u8"Bytes und wird nicht geprüft\\nDE89370400440532013000: 0 [^\\n]*\\n$",
     ""},
    {"argument_zu_lang",
     "$DV pruefe iban DE89370400440532013000 \"$(head -c 65537 /dev/zero | tr '\\0' A)\"", 1,
     u8"\\nA{24}\\.\\.\\.: Fehler: Argument 2 ist länger als 65536 Bytes", ""},
    {"json_zu_lang", "head -c 100000 /dev/zero | tr '\\0' 1 | $DV text --json", 1,
     u8"^\\{\"wert\": \"1{24}\\.\\.\\.\", \"fehler\": \"Zeile 1 ist länger[^\\n]*\\}\\n$", ""},
    {"nul_bytes_enden", "timeout 10 $DV pruefe iban < /dev/zero", 3, "^$",
     u8"Standardeingabe: Zeile 1 enthält ein NUL-Byte"},
    // Batch conveniences.
    {"pruefe_ustidnr", "$DV pruefe ustidnr DE136695976 DE13669597", 1,
     "^DE136695976: 0 [^\\n]*\\nDE13669597: 902 [^\\n]*9 Zeichen", ""},
    {"pruefe_auto",
     "$DV pruefe auto DE89370400440532013000 DEUTDEFF500 86095742719 1127012345673 DE136695976 "
     "DEUTXX55 12345",
     1,
     "^DE89370400440532013000 \\[iban\\]: 0 [^\\n]*\\nDEUTDEFF500 \\[bic\\]: 0 [^\\n]*\\n"
     "86095742719 \\[idnr\\]: 0 [^\\n]*\\n1127012345673 \\[steuernummer\\]: 0 [^\\n]*\\n"
     "DE136695976 \\[ustidnr\\]: 0 [^\\n]*\\n"
     "DEUTXX55 \\[mehrdeutig\\]: Fehler: passt der Form nach zu bic, ustidnr und ist als keine "
     u8"davon gültig\\n12345 \\[keine\\]: Fehler: passt zu keiner Art",
     ""},
    {"pruefe_auto_json", "$DV --json pruefe auto --normalisieren 'deut de ff'", 0,
     "^\\{\"art\": \"bic\", \"wert\": \"deut de ff\", \"normalisiert\": \"DEUTDEFF\", "
     "\"code\": 0, ",
     ""},
    // Every code in the table, each once: counted independently in the table's source.
    {"text_alle",
     "$DV text --alle >t; test \"$(wc -l <t)\" -eq \"$(grep -c '^[0-9]' $TSV)\" && "
     "test \"$(cut -d: -f1 t | sort -u | wc -l)\" -eq \"$(wc -l <t)\" && head -1 t",
     0, "^0: Verarbeitung fehlerfrei\\.\\n$", ""},
    {"feldtyp_codes", "$DV feldtyp --codes IBAN", 0,
     "^601 [^\\n]*\\n602 [^\\n]*\\n603 [^\\n]*\\n604 [^\\n]*\\n$", ""},
    // Whatever code a check returns is one that --codes lists for its type.
    {"feldtyp_codes_vollstaendig",
     "for f in 'IBAN DE89370400440532013001' 'BIC DEUTXXFF' 'IDNr 1234' 'UStIdNr DE1234' "
     "'EMail x' 'DATUM_MMJJ 13.99' 'Bundesfinanzamtsnummer 12' 'Steuernummer 1127012345674'; "
     "do set -- $f; c=$($DV feldtyp $1 $2 | sed 's/^[^:]*: \\([0-9]*\\).*/\\1/'); "
     "$DV feldtyp --codes $1 | grep -q \"^$c \" || { echo \"$1 $c fehlt\"; exit 1; }; done; "
     "echo alle",
     0, "^alle\\n$", ""},
    {"leise",
     "$DV pruefe-finanzamtnummer 9999 >/dev/null 2>mit; $DV --leise pruefe-finanzamtnummer 9999; "
     "s=$?; grep -c divideVira mit; exit $s",
     1, "^9999: 610001038 [^\\n]*\\n1\\n$", "^$"},
    // Global options after the command; a relative module path; the file named.
    {"modul_relativ", "ln -s \"$MODUL\" m.so && $DV version --modul m.so --json", 0,
     "^\\{\"dvhost\": \"[^\"]+\", \"moduldatei\": \"/[^\"]*/m\\.so\", ", ""},
    // Without --zeilenweise the first line would wait in the buffer until the input ends.
    {"zeilenweise",
     "{ echo DE89370400440532013000; sleep 4; } | $DV --zeilenweise pruefe iban | "
     "timeout 2 head -n 1",
     0, "^DE89370400440532013000: 0 ", ""},
    {"dateiname_kein_utf8",
     "cp $PROBEN/gueltig_est.xml \"$(printf 'Erkl\\344rung.xml')\" && $DV validate --json Erkl*", 0,
     "^\\{\"datei\": \"Erkl\\\\udce4rung\\.xml\", \"code\": 0, ", ""},
    {"alle_meldungen",
     "sed \"s#</DatenTeil>#$(printf '<x/>%.0s' $(seq 150))</DatenTeil>#\" "
     "$PROBEN/gueltig_abholung.xml | $DV validate --alle-meldungen - >v; s=$?; "
     "grep -c '^  FEHLER' v; tail -1 v; exit $s",
     1, "^151\\n  FEHLER: [^\\n]*content model", ""},
};

void PrintTo(const Fall& fall, std::ostream* aus) { *aus << fall.befehl; }

std::string lies(const std::filesystem::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << ein.rdbuf();
  return inhalt.str();
}

class Dvhost : public testing::TestWithParam<Fall> {};

TEST_P(Dvhost, StatusUndAusgaben) {
  const Fall& fall = GetParam();
  const auto ordner = std::filesystem::temp_directory_path() /
                      ("dvhost_" + std::to_string(::getpid()) + "_" + fall.name);
  std::filesystem::create_directories(ordner);
  std::ofstream(ordner / "skript") << fall.befehl << '\n';
  const std::string zeile = "cd '" + ordner.string() +
                            "' && DV='" DVHOST "' PROBEN='" DV_SAMPLES_DIR "' MODUL='" DV_MODUL
                            "' TSV='" DV_HOSTCODES "' LC_ALL=C sh skript >aus 2>fehler";
  const int roh = std::system(zeile.c_str());
  ASSERT_TRUE(WIFEXITED(roh)) << zeile;
  const std::string aus = lies(ordner / "aus"), fehler = lies(ordner / "fehler");
  std::filesystem::remove_all(ordner);
  EXPECT_EQ(WEXITSTATUS(roh), fall.status) << "stdout:\n" << aus << "stderr:\n" << fehler;
  EXPECT_TRUE(std::regex_search(aus, std::regex(fall.ausgabe))) << "stdout:\n" << aus;
  EXPECT_TRUE(std::regex_search(fehler, std::regex(fall.fehler))) << "stderr:\n" << fehler;
}

INSTANTIATE_TEST_SUITE_P(Faelle, Dvhost, testing::ValuesIn(kFaelle),
                         [](const testing::TestParamInfo<Fall>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
