// The extension module dividevira._dividevira: the C library's entry points for Python.
// Arguments are checked here (TypeError); misuse codes become ValueError.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "dividevira/dividevira.h"

namespace {

// The UTF-8 of a str argument, or null with TypeError set.
const char* alsUtf8(PyObject* objekt, const char* wofuer, Py_ssize_t* laenge) {
  if (!PyUnicode_Check(objekt)) {
    PyErr_Format(PyExc_TypeError, "%s muss str sein, nicht %.100s", wofuer,
                 Py_TYPE(objekt)->tp_name);
    return nullptr;
  }
  return PyUnicode_AsUTF8AndSize(objekt, laenge);
}

const char* fehlerText(int code) {
  switch (code) {
    case DV_FEHLER_TYP:
      return "unbekannter Feldtyp";
    case DV_FEHLER_NULL:
      return "fehlendes Argument";
    case DV_FEHLER_ZEICHEN:
      return "Zeichen außerhalb von ISO-8859-15";
    case DV_FEHLER_LAENGE:
      return "Wert länger als 4096 Bytes";
    case DV_FEHLER_PUFFER:
      return "Ergebnis zu lang";
    case DV_FEHLER_NICHT_GEFUNDEN:
      return "nicht gefunden";
    default:
      return "interner Fehler";
  }
}

// Null with ValueError set for a misuse code, else the code as int.
PyObject* code(int c) {
  if (c < 0) return PyErr_Format(PyExc_ValueError, "%s (%d)", fehlerText(c), c);
  return PyLong_FromLong(c);
}

PyObject* textOderNone(const char* text) {
  if (text == nullptr) Py_RETURN_NONE;
  return PyUnicode_FromString(text);
}

// An int argument; a number beyond long is no code or number the library knows (LONG_MIN).
bool ganzzahl(PyObject* arg, long& zahl) {
  int ueberlauf = 0;
  zahl = PyLong_AsLongAndOverflow(arg, &ueberlauf);
  if (ueberlauf != 0) zahl = LONG_MIN;
  return !(zahl == -1 && PyErr_Occurred());
}

bool anzahl(Py_ssize_t n, Py_ssize_t mindestens, Py_ssize_t hoechstens, const char* name) {
  if (n >= mindestens && n <= hoechstens) return true;
  PyErr_Format(PyExc_TypeError, "%s() erwartet %zd bis %zd Argumente, nicht %zd", name, mindestens,
               hoechstens, n);
  return false;
}

PyObject* version(PyObject*, PyObject*) { return PyUnicode_FromString(dv_version()); }

PyObject* pruefe_code(PyObject*, PyObject* const* args, Py_ssize_t n) {
  if (!anzahl(n, 2, 2, "pruefe_code")) return nullptr;
  Py_ssize_t lt, lw;
  const char* typ = alsUtf8(args[0], "feldtyp", &lt);
  if (typ == nullptr) return nullptr;
  const char* wert = alsUtf8(args[1], "wert", &lw);
  if (wert == nullptr) return nullptr;
  return code(dv_pruefe(typ, wert, static_cast<size_t>(lw)));
}

PyObject* pruefe(PyObject*, PyObject* const* args, Py_ssize_t n) {
  if (!anzahl(n, 2, 2, "pruefe")) return nullptr;
  Py_ssize_t lt, lw;
  const char* typ = alsUtf8(args[0], "feldtyp", &lt);
  if (typ == nullptr) return nullptr;
  const char* wert = alsUtf8(args[1], "wert", &lw);
  if (wert == nullptr) return nullptr;
  char meldung[DV_MELDUNG_MAX];
  const int c =
      dv_pruefe_text(typ, wert, static_cast<size_t>(lw), nullptr, 0, meldung, sizeof meldung);
  if (c < 0) return code(c);
  return Py_BuildValue("(is)", c, meldung);
}

PyObject* pruefe_viele(PyObject*, PyObject* const* args, Py_ssize_t n) {
  if (!anzahl(n, 2, 2, "pruefe_viele")) return nullptr;
  Py_ssize_t lt;
  const char* typ = alsUtf8(args[0], "feldtyp", &lt);
  if (typ == nullptr) return nullptr;
  if (dv_pruefe(typ, "", 0) == DV_FEHLER_TYP) return code(DV_FEHLER_TYP);
  // A tuple of the values: its strings stay alive and unchanged while the GIL is released,
  // whatever other threads do to the caller's list.
  PyObject* werte = PySequence_Tuple(args[1]);
  if (werte == nullptr) return nullptr;
  const Py_ssize_t gesamt = PyTuple_GET_SIZE(werte);
  struct Wert {
    const char* text;
    Py_ssize_t laenge;
  };
  std::vector<Wert> eingabe(static_cast<size_t>(gesamt));
  std::vector<int> codes(static_cast<size_t>(gesamt));
  for (Py_ssize_t i = 0; i < gesamt; ++i) {
    Wert& w = eingabe[static_cast<size_t>(i)];
    w.text = alsUtf8(PyTuple_GET_ITEM(werte, i), "jeder Wert", &w.laenge);
    if (w.text == nullptr) {
      Py_DECREF(werte);
      return nullptr;
    }
  }
  Py_BEGIN_ALLOW_THREADS for (size_t i = 0; i < eingabe.size(); ++i) {
    codes[i] = dv_pruefe(typ, eingabe[i].text, static_cast<size_t>(eingabe[i].laenge));
  }
  Py_END_ALLOW_THREADS Py_DECREF(werte);
  PyObject* liste = PyList_New(gesamt);
  if (liste == nullptr) return nullptr;
  for (Py_ssize_t i = 0; i < gesamt; ++i) {
    const int c = codes[static_cast<size_t>(i)];
    if (c < 0) {
      Py_DECREF(liste);
      return PyErr_Format(PyExc_ValueError, "Wert %zd: %s (%d)", i, fehlerText(c), c);
    }
    PyObject* zahl = PyLong_FromLong(c);
    if (zahl == nullptr) {
      Py_DECREF(liste);
      return nullptr;
    }
    PyList_SET_ITEM(liste, i, zahl);
  }
  return liste;
}

PyObject* meldung(PyObject*, PyObject* const* args, Py_ssize_t n) {
  if (!anzahl(n, 2, 2, "meldung")) return nullptr;
  Py_ssize_t lt;
  const char* typ = alsUtf8(args[0], "feldtyp", &lt);
  if (typ == nullptr) return nullptr;
  long c;
  if (!ganzzahl(args[1], c)) return nullptr;
  if (c < INT32_MIN || c > INT32_MAX) Py_RETURN_NONE;
  return textOderNone(dv_meldung(typ, static_cast<int>(c)));
}

PyObject* text(PyObject*, PyObject* arg) {
  long c;
  if (!ganzzahl(arg, c)) return nullptr;
  if (c < INT32_MIN || c > INT32_MAX) Py_RETURN_NONE;
  return textOderNone(dv_text(static_cast<int>(c)));
}

// (code, result) of a conversion into a buffer.
PyObject* umwandlung(int c, const char* ergebnis) {
  if (c < 0) return code(c);
  return Py_BuildValue("(is)", c, ergebnis);
}

// An optional str argument: null pointer for None, else its UTF-8; false with an error set.
bool optional(PyObject* objekt, const char* name, const char** text) {
  *text = nullptr;
  if (objekt == nullptr || objekt == Py_None) return true;
  Py_ssize_t laenge;
  *text = alsUtf8(objekt, name, &laenge);
  if (*text == nullptr) return false;
  if (static_cast<size_t>(laenge) != strlen(*text)) {
    PyErr_Format(PyExc_ValueError, "%s enthält ein NUL-Zeichen", name);
    return false;
  }
  return true;
}

PyObject* steuernummer_bund(PyObject*, PyObject* const* args, Py_ssize_t n) {
  if (!anzahl(n, 1, 3, "steuernummer_bund")) return nullptr;
  Py_ssize_t lw;
  const char* wert = alsUtf8(args[0], "wert", &lw);
  const char *land, *finanzamt;
  if (wert == nullptr || !optional(n > 1 ? args[1] : nullptr, "land", &land) ||
      !optional(n > 2 ? args[2] : nullptr, "finanzamt", &finanzamt)) {
    return nullptr;
  }
  char ziel[64];
  const int c =
      dv_steuernummer_bund(wert, static_cast<size_t>(lw), land, finanzamt, ziel, sizeof ziel);
  return umwandlung(c, ziel);
}

PyObject* steuernummer_land(PyObject*, PyObject* arg) {
  Py_ssize_t lw;
  const char* wert = alsUtf8(arg, "bund", &lw);
  if (wert == nullptr) return nullptr;
  char ziel[64];
  return umwandlung(dv_steuernummer_land(wert, static_cast<size_t>(lw), ziel, sizeof ziel), ziel);
}

PyObject* finanzamt(PyObject*, PyObject* arg) {
  long nummer;
  if (!ganzzahl(arg, nummer)) return nullptr;
  const char* felder[DV_FINANZAMT_FELDANZAHL];
  if (nummer < 0 || nummer > 9999 || dv_finanzamt(static_cast<int>(nummer), felder) != DV_OK) {
    Py_RETURN_NONE;
  }
  PyObject* satz = PyDict_New();
  for (int i = 0; satz != nullptr && i < DV_FINANZAMT_FELDANZAHL; ++i) {
    PyObject* wert = PyUnicode_FromString(felder[i]);
    if (wert == nullptr || PyDict_SetItemString(satz, dv_finanzamt_feldname(i), wert) != 0) {
      Py_XDECREF(wert);
      Py_CLEAR(satz);
      break;
    }
    Py_DECREF(wert);
  }
  return satz;
}

PyObject* finanzamtsliste(PyObject*, PyObject* arg) {
  long land;
  if (!ganzzahl(arg, land)) return nullptr;
  if (land < 0 || land > 99) Py_RETURN_NONE;
  const int gesamt = dv_finanzamtsliste(static_cast<int>(land), nullptr, 0);
  if (gesamt < 0) Py_RETURN_NONE;
  std::vector<dv_listeneintrag> eintraege(static_cast<size_t>(gesamt));
  dv_finanzamtsliste(static_cast<int>(land), eintraege.data(), eintraege.size());
  PyObject* liste = PyList_New(gesamt);
  for (int i = 0; liste != nullptr && i < gesamt; ++i) {
    PyObject* paar = Py_BuildValue("(is)", eintraege[i].nummer, eintraege[i].name);
    if (paar == nullptr) {
      Py_CLEAR(liste);
      break;
    }
    PyList_SET_ITEM(liste, i, paar);
  }
  return liste;
}

PyObject* verzeichnisherkunft(PyObject*, PyObject*) {
  const char* herkunft = nullptr;
  const int ersatz = dv_verzeichnisherkunft(&herkunft);
  return Py_BuildValue("(Os)", ersatz ? Py_True : Py_False, herkunft);
}

// A kind of number of the per-type modules: its field type and what compact removes
// (python-stdnum's choice) and whether it upper-cases.
struct Art {
  const char* feldtyp;
  const char* entfernen;
  bool gross;
};

// The characters of text (all below 64) as bits, for a test per character without a search.
constexpr uint64_t alsMaske(const char* text) {
  uint64_t maske = 0;
  for (; *text != '\0'; ++text) maske |= uint64_t{1} << *text;
  return maske;
}
constexpr Art IBAN{"IBAN", " -.", true};
constexpr Art BIC{"BIC", " -", true};
constexpr Art USTID{"UStIdNr", " -./,", true};
constexpr Art IDNR{"IDNr", " -./,", false};
constexpr Art STNR{"Steuernummer", " -./,", false};

// What str.strip() removes from ASCII text.
bool istLeer(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || (c >= 28 && c <= 31); }

// compact of an ASCII str into puffer, as the str methods below would do it; false when the
// text is not ASCII or too long for the buffer.
bool kompaktAscii(const Art& art, PyObject* wert, char (&puffer)[512], size_t& laenge) {
  if (!PyUnicode_IS_ASCII(wert) || PyUnicode_GET_LENGTH(wert) > 512) return false;
  const char* text = reinterpret_cast<const char*>(PyUnicode_1BYTE_DATA(wert));
  const Py_ssize_t n = PyUnicode_GET_LENGTH(wert);
  const uint64_t entfernen = alsMaske(art.entfernen);
  laenge = 0;
  for (Py_ssize_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c < 64 && ((entfernen >> c) & 1) != 0) continue;
    puffer[laenge++] = art.gross && c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  }
  size_t anfang = 0;
  while (anfang < laenge && istLeer(puffer[anfang])) ++anfang;
  while (laenge > anfang && istLeer(puffer[laenge - 1])) --laenge;
  if (anfang > 0) memmove(puffer, puffer + anfang, laenge -= anfang);
  return true;
}

// compact of any str through its methods: removed characters, strip(), upper().
PyObject* kompaktAllgemein(const Art& art, PyObject* wert) {
  Py_INCREF(wert);
  for (const char* c = art.entfernen; *c != '\0' && wert != nullptr; ++c) {
    PyObject* zeichen = PyUnicode_FromStringAndSize(c, 1);
    PyObject* leer = PyUnicode_FromStringAndSize("", 0);
    PyObject* neu = zeichen && leer ? PyUnicode_Replace(wert, zeichen, leer, -1) : nullptr;
    Py_XDECREF(zeichen);
    Py_XDECREF(leer);
    Py_SETREF(wert, neu);
  }
  for (const char* methode : {"strip", "upper"}) {
    if (wert == nullptr || (methode[0] == 'u' && !art.gross)) continue;
    Py_SETREF(wert, PyObject_CallMethod(wert, methode, nullptr));
  }
  return wert;
}

template <const Art& A>
PyObject* kompakt(PyObject*, PyObject* wert) {
  if (!PyUnicode_Check(wert)) {
    return PyErr_Format(PyExc_TypeError, "Wert muss str sein, nicht %.100s",
                        Py_TYPE(wert)->tp_name);
  }
  char puffer[512];
  size_t laenge;
  if (kompaktAscii(A, wert, puffer, laenge)) return PyUnicode_FromStringAndSize(puffer, laenge);
  return kompaktAllgemein(A, wert);
}

// Code of the compact value: the check's code, or a misuse code (a value the library
// cannot check is not valid); -100 with an exception set.
template <const Art& A>
int kompaktGeprueft(PyObject* wert, bool& test) {
  char puffer[512];
  size_t laenge;
  if (PyUnicode_Check(wert) && kompaktAscii(A, wert, puffer, laenge)) {
    test = laenge > 0 && puffer[0] == '0';
    return dv_pruefe(A.feldtyp, puffer, laenge);
  }
  PyObject* k = kompakt<A>(nullptr, wert);
  if (k == nullptr) return -100;
  Py_ssize_t n;
  const char* utf8 = PyUnicode_AsUTF8AndSize(k, &n);
  int code = DV_FEHLER_ZEICHEN;  // a lone surrogate has no UTF-8
  if (utf8 == nullptr) {
    PyErr_Clear();
  } else {
    test = n > 0 && utf8[0] == '0';
    code = dv_pruefe(A.feldtyp, utf8, static_cast<size_t>(n));
  }
  Py_DECREF(k);
  return code;
}

template <const Art& A>
PyObject* istGueltig(PyObject*, PyObject* wert) {
  bool test = false;
  const int c = kompaktGeprueft<A>(wert, test);
  if (c == -100) return nullptr;
  return PyBool_FromLong(c == 0);
}

// idnr: test numbers (beginning with 0) only when testnummern is true.
PyObject* idnrIstGueltig(PyObject*, PyObject* const* args, Py_ssize_t n, PyObject* namen) {
  const Py_ssize_t positional = PyVectorcall_NARGS(n);
  const Py_ssize_t gesamt = positional + (namen ? PyTuple_GET_SIZE(namen) : 0);
  if (positional < 1 || gesamt > 2) {
    return PyErr_Format(PyExc_TypeError, "is_valid(number, testnummern=False)");
  }
  if (namen != nullptr && PyTuple_GET_SIZE(namen) == 1 &&
      PyUnicode_CompareWithASCIIString(PyTuple_GET_ITEM(namen, 0), "testnummern") != 0) {
    return PyErr_Format(PyExc_TypeError, "unbekanntes Argument %R", PyTuple_GET_ITEM(namen, 0));
  }
  const int erlaubt = gesamt == 2 ? PyObject_IsTrue(args[1]) : 0;
  if (erlaubt < 0) return nullptr;
  bool test = false;
  const int c = kompaktGeprueft<IDNR>(args[0], test);
  if (c == -100) return nullptr;
  return PyBool_FromLong(c == 0 && (erlaubt || !test));
}

template <class F>
constexpr PyCFunction schnell(F f) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(f));
}

PyMethodDef FUNKTIONEN[] = {
    {"version", version, METH_NOARGS, "Produktversion der Bibliothek."},
    {"pruefe_code", schnell(pruefe_code), METH_FASTCALL,
     "pruefe_code(feldtyp, wert) -> int: Ergebniscode des Feldtyps, 0 = gültig."},
    {"pruefe", schnell(pruefe), METH_FASTCALL,
     "pruefe(feldtyp, wert) -> (code, meldung): Code und deutsche Meldung."},
    {"pruefe_viele", schnell(pruefe_viele), METH_FASTCALL,
     "pruefe_viele(feldtyp, werte) -> list[int]: Codes, ohne die GIL geprüft."},
    {"meldung", schnell(meldung), METH_FASTCALL,
     "meldung(feldtyp, code) -> str | None: Text eines Codes des Feldtyps."},
    {"text", text, METH_O, "text(code) -> str | None: Text eines Host-Ergebniscodes."},
    {"steuernummer_bund", schnell(steuernummer_bund), METH_FASTCALL,
     "steuernummer_bund(wert, land=None, finanzamt=None) -> (code, bundeseinheitlich)."},
    {"steuernummer_land", steuernummer_land, METH_O,
     "steuernummer_land(bund) -> (code, landesschreibweise)."},
    {"finanzamt", finanzamt, METH_O, "finanzamt(nummer) -> dict | None: die 31 Felder."},
    {"finanzamtsliste", finanzamtsliste, METH_O,
     "finanzamtsliste(land) -> list[(nummer, name)] | None: Auswahlliste eines Landes."},
    {"verzeichnisherkunft", verzeichnisherkunft, METH_NOARGS,
     "verzeichnisherkunft() -> (ersatz, herkunft): Herkunft des Finanzamtsverzeichnisses."},
    {"iban_compact", kompakt<IBAN>, METH_O, "Ohne ' ', '-', '.', in Großbuchstaben."},
    {"iban_is_valid", istGueltig<IBAN>, METH_O, "Ob die IBAN gültig ist."},
    {"bic_compact", kompakt<BIC>, METH_O, "Ohne ' ', '-', in Großbuchstaben."},
    {"bic_is_valid", istGueltig<BIC>, METH_O, "Ob der BIC gültig ist."},
    {"ustid_compact", kompakt<USTID>, METH_O, "Ohne ' -./,', in Großbuchstaben."},
    {"ustid_is_valid", istGueltig<USTID>, METH_O, "Ob die USt-IdNr gültig ist."},
    {"idnr_compact", kompakt<IDNR>, METH_O, "Ohne ' -./,'."},
    {"idnr_is_valid", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(idnrIstGueltig)),
     METH_FASTCALL | METH_KEYWORDS,
     "is_valid(number, testnummern=False): ob die IdNr gültig ist; Testnummern (beginnend "
     "mit 0) nur mit testnummern."},
    {"stnr_compact", kompakt<STNR>, METH_O, "Ohne ' -./,'."},
    {"stnr_is_valid", istGueltig<STNR>, METH_O,
     "Ob die bundeseinheitliche 13-stellige Steuernummer gültig ist."},
    {nullptr, nullptr, 0, nullptr}};

PyModuleDef MODUL = {PyModuleDef_HEAD_INIT,
                     "_dividevira",
                     "Prüfungen und Verzeichnis von divideVira (C-Bibliothek).",
                     -1,
                     FUNKTIONEN,
                     nullptr,
                     nullptr,
                     nullptr,
                     nullptr};

}  // namespace

PyMODINIT_FUNC PyInit__dividevira(void) { return PyModule_Create(&MODUL); }
