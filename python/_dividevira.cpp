// The extension module dividevira._dividevira: the C library's entry points for Python.
// Arguments are checked here (TypeError); misuse codes become ValueError.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <new>
#include <vector>

#include "dividevira/dividevira.h"
#include "python/Arten.h"

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

// Owns one reference, also when an exception passes.
struct Referenz {
  PyObject* objekt;
  ~Referenz() { Py_XDECREF(objekt); }
};

PyObject* pruefeVieleOhneSchutz(PyObject* const* args, Py_ssize_t n) {
  if (!anzahl(n, 2, 2, "pruefe_viele")) return nullptr;
  Py_ssize_t lt;
  const char* typ = alsUtf8(args[0], "feldtyp", &lt);
  if (typ == nullptr) return nullptr;
  if (dv_pruefe(typ, "", 0) == DV_FEHLER_TYP) return code(DV_FEHLER_TYP);
  // A tuple of the values: its strings stay alive and unchanged while the GIL is released,
  // whatever other threads do to the caller's list.
  const Referenz tupel{PySequence_Tuple(args[1])};
  PyObject* werte = tupel.objekt;
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
    if (w.text == nullptr) return nullptr;
  }
  PyThreadState* zustand = PyEval_SaveThread();  // the checks need no Python object
  for (size_t i = 0; i < eingabe.size(); ++i) {
    codes[i] = dv_pruefe(typ, eingabe[i].text, static_cast<size_t>(eingabe[i].laenge));
  }
  PyEval_RestoreThread(zustand);
  // Each distinct code becomes one int object, shared by every place it occurs.
  std::map<int, PyObject*> zahlen;
  PyObject* liste = PyList_New(gesamt);
  for (Py_ssize_t i = 0; liste != nullptr && i < gesamt; ++i) {
    const int c = codes[static_cast<size_t>(i)];
    if (c < 0) {
      PyErr_Format(PyExc_ValueError, "Wert %zd: %s (%d)", i, fehlerText(c), c);
      Py_CLEAR(liste);
      break;
    }
    PyObject*& zahl = zahlen[c];
    if (zahl == nullptr) zahl = PyLong_FromLong(c);
    if (zahl == nullptr) {
      Py_CLEAR(liste);
      break;
    }
    Py_INCREF(zahl);
    PyList_SET_ITEM(liste, i, zahl);
  }
  for (auto& eintrag : zahlen) Py_XDECREF(eintrag.second);
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

PyObject* finanzamtslisteOhneSchutz(PyObject* arg) {
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

// The two functions that allocate C++ containers: out of memory becomes MemoryError.
PyObject* pruefe_viele(PyObject*, PyObject* const* args, Py_ssize_t n) {
  try {
    return pruefeVieleOhneSchutz(args, n);
  } catch (const std::bad_alloc&) {
    return PyErr_NoMemory();
  }
}

PyObject* finanzamtsliste(PyObject*, PyObject* arg) {
  try {
    return finanzamtslisteOhneSchutz(arg);
  } catch (const std::bad_alloc&) {
    return PyErr_NoMemory();
  }
}

PyObject* verzeichnisherkunft(PyObject*, PyObject*) {
  const char* herkunft = nullptr;
  const int ersatz = dv_verzeichnisherkunft(&herkunft);
  return Py_BuildValue("(Os)", ersatz ? Py_True : Py_False, herkunft);
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

PyMODINIT_FUNC PyInit__dividevira(void) {
  PyObject* modul = PyModule_Create(&MODUL);
  if (modul != nullptr && PyModule_AddFunctions(modul, artFunktionen()) != 0) Py_CLEAR(modul);
  return modul;
}
