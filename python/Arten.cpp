// compact and is_valid of the per-type modules, in C for speed: an ASCII value is compacted
// in a stack buffer and checked without a Python object in between.
#include "python/Arten.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "dividevira/dividevira.h"

namespace {

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
    {"iban_compact", kompakt<IBAN>, METH_O, "Ohne ' ', '-', '.', in Großbuchstaben."},
    {"iban_is_valid", istGueltig<IBAN>, METH_O, "Ob die IBAN gültig ist."},
    {"bic_compact", kompakt<BIC>, METH_O, "Ohne ' ', '-', in Großbuchstaben."},
    {"bic_is_valid", istGueltig<BIC>, METH_O, "Ob der BIC gültig ist."},
    {"ustid_compact", kompakt<USTID>, METH_O, "Ohne ' -./,', in Großbuchstaben."},
    {"ustid_is_valid", istGueltig<USTID>, METH_O, "Ob die USt-IdNr gültig ist."},
    {"idnr_compact", kompakt<IDNR>, METH_O, "Ohne ' -./,'."},
    {"idnr_is_valid", schnell(idnrIstGueltig), METH_FASTCALL | METH_KEYWORDS,
     "is_valid(number, testnummern=False): ob die IdNr gültig ist; Testnummern (beginnend "
     "mit 0) nur mit testnummern."},
    {"stnr_compact", kompakt<STNR>, METH_O, "Ohne ' -./,'."},
    {"stnr_is_valid", istGueltig<STNR>, METH_O,
     "Ob die bundeseinheitliche 13-stellige Steuernummer gültig ist."},
    {nullptr, nullptr, 0, nullptr}};

}  // namespace

PyMethodDef* artFunktionen() { return FUNKTIONEN; }
