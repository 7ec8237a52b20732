#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

// iban_compact, iban_is_valid and the like for bic, ustid, idnr and stnr: the functions the
// per-type modules take as their compact and is_valid. A static table, null-terminated.
PyMethodDef* artFunktionen();
