/* divideVira C library: the module's checks, conversions, texts and tax office directory
 * for C and other languages.
 *
 * Every string in and out is UTF-8. Values come as pointer and length (they may contain
 * NUL bytes); names of types, Land keys and office numbers are NUL-terminated. Texts the
 * library returns are static: valid until the process ends, never freed by the caller.
 * Results that depend on the input go into the caller's buffer (ziel, groesse) and are
 * NUL-terminated. Every function may be called from any number of threads at once, without
 * an initialisation call, and never lets an exception out.
 *
 * Results: 0 is success; a positive number is the outcome the function names (a field
 * type's result code or a host result code); a negative number is misuse, DV_FEHLER_... */
#ifndef DIVIDEVIRA_DIVIDEVIRA_H
#define DIVIDEVIRA_DIVIDEVIRA_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define DV_API __attribute__((visibility("default")))
#else
#define DV_API
#endif

#define DV_OK 0
#define DV_FEHLER_TYP (-1)            /* unknown field type name */
#define DV_FEHLER_NULL (-2)           /* a required pointer is NULL */
#define DV_FEHLER_ZEICHEN (-3)        /* invalid UTF-8, or a character outside ISO-8859-15 */
#define DV_FEHLER_LAENGE (-4)         /* value longer than DV_MAX_LAENGE bytes */
#define DV_FEHLER_PUFFER (-5)         /* ziel too small for the result and its NUL */
#define DV_FEHLER_NICHT_GEFUNDEN (-6) /* no such tax office or Land */
#define DV_FEHLER_INTERN (-7)         /* out of memory or broken reference data */

#define DV_MAX_LAENGE 4096         /* longest value accepted, in bytes of UTF-8 */
#define DV_MELDUNG_MAX 1024        /* buffer size that holds any message of dv_pruefe_text */
#define DV_FINANZAMT_FELDANZAHL 31 /* fields of a tax office record */

/* Option of dv_pruefe_text: check without the tax number definitions, as a rules library
 * without a directory does (Laenderkuerzel then accepts every value). */
#define DV_OHNE_DEFINITIONEN 1u

/* Product version, "21.5.4". */
DV_API const char *dv_version(void);

/* Checks a value of a predefined field type: "IBAN", "BIC", "IDNr", "UStIdNr", "Steuernummer",
 * "Bundessteuernummer", "Bundesfinanzamtsnummer", "EMail", "DATUM_MMJJ", "DATUM_TTMMJJ",
 * "Laenderkuerzel" (exact case). Returns 0 when valid (also for a test identification number,
 * which begins with 0), else the type's result code (101 to 1005), or DV_FEHLER_TYP, _NULL,
 * _ZEICHEN, _LAENGE, _INTERN. */
DV_API int dv_pruefe(const char *feldtyp, const char *wert, size_t laenge);

/* As dv_pruefe, and writes the German message of a failure, or the notice of a test
 * identification number (result 0), into meldung: the empty text when there is none; the
 * field is named feld (NULL: the type name). A meldung of DV_MELDUNG_MAX bytes suffices for
 * a feld of up to 64 bytes, else DV_FEHLER_PUFFER. optionen: 0 or DV_OHNE_DEFINITIONEN.
 * Slower than dv_pruefe: the message is formed on the way. */
DV_API int dv_pruefe_text(const char *feldtyp, const char *wert, size_t laenge, const char *feld,
                          unsigned optionen, char *meldung, size_t groesse);

/* German text of a field type's result code, the field named by the type ("Feld 'IBAN':
 * Ungültige IBAN: ..."); NULL for code 0, an unknown type, or a code without a text. */
DV_API const char *dv_meldung(const char *feldtyp, int code);

/* The result codes other than 0 that a field type's check returns, ascending: writes the
 * first min(anzahl, total) to ziel (NULL allowed when anzahl is 0) and returns the total;
 * DV_FEHLER_TYP for an unknown type, DV_FEHLER_NULL for a NULL feldtyp. */
DV_API int dv_feldtyp_codes(const char *feldtyp, int *ziel, size_t anzahl);

/* Land notation of a tax number as a person types it ("27/123/45673") to the 13-digit form.
 * land (a Land key, "11") or finanzamt (a tax office number, "1127") says whose notation it
 * is; either may be NULL or empty, not both. Returns the host result code (0, 610001034, 610001037,
 * 610001038) or a DV_FEHLER_ code; ziel receives the 13 digits, or the empty text. */
DV_API int dv_steuernummer_bund(const char *wert, size_t laenge, const char *land,
                                const char *finanzamt, char *ziel, size_t groesse);

/* 13-digit tax number to its Land notation ("27/123/45673"). Returns 0, 610001034 or a
 * DV_FEHLER_ code; ziel receives the notation, or the empty text. */
DV_API int dv_steuernummer_land(const char *bund, size_t laenge, char *ziel, size_t groesse);

/* Checks a 13-digit tax number: 0 or 610001034 (a DV_FEHLER_ code for misuse). */
DV_API int dv_steuernummer_pruefen(const char *bund, size_t laenge);

/* Host text of a host result code ("Ungültige Steuernummer."), or NULL. */
DV_API const char *dv_text(int code);

/* Name of field i (0 to DV_FINANZAMT_FELDANZAHL - 1) of a tax office record ("BuFaNummer",
 * "Name", ...), or NULL. */
DV_API const char *dv_finanzamt_feldname(int feld);

/* Record of tax office nummer (e.g. 2801): felder[i] receives field i, the empty text for
 * an empty field. A test office has its number and name only. Returns 0,
 * DV_FEHLER_NICHT_GEFUNDEN or DV_FEHLER_NULL. */
DV_API int dv_finanzamt(int nummer, const char *felder[DV_FINANZAMT_FELDANZAHL]);

/* One entry of a Land's selection list. */
typedef struct dv_listeneintrag {
  int nummer;       /* tax office number */
  const char *name; /* as the list shows it; static */
} dv_listeneintrag;

/* The tax offices a user may choose in Land key land (e.g. 28). Writes the first
 * min(anzahl, total) entries to ziel (which may be NULL when anzahl is 0) and returns the
 * total, so that a call with anzahl 0 gives the size; DV_FEHLER_NICHT_GEFUNDEN for a key
 * without a list. */
DV_API int dv_finanzamtsliste(int land, dv_listeneintrag *ziel, size_t anzahl);

/* Where the built-in directory comes from: *herkunft (when herkunft is not NULL) receives
 * one German line; returns 1 when names, addresses and accounts are stand-ins, else 0. */
DV_API int dv_verzeichnisherkunft(const char **herkunft);

/* Notice for a value that fails only because the built-in directory lacks its tax office,
 * with the directory's origin. feldtyp "Steuernummer": a 13-digit tax number that would be
 * valid if its office existed; "Bundesfinanzamtsnummer": a 4- or 13-digit number whose
 * office is missing. Returns the notice's length in bytes (0 and the empty text when no
 * notice applies) or a DV_FEHLER_ code. */
DV_API int dv_verzeichnishinweis(const char *feldtyp, const char *wert, size_t laenge, char *ziel,
                                 size_t groesse);

#ifdef __cplusplus
}
#endif

#endif /* DIVIDEVIRA_DIVIDEVIRA_H */
