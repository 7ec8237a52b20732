"""Checks of German tax identifiers, bank identifiers and the tax office directory.

The checks are those of the divideVira module, run by its C library: ``pruefe`` and
``pruefe_viele`` take any of the predefined field types ("IBAN", "BIC", "IDNr", "UStIdNr",
"Steuernummer", "Bundessteuernummer", "Bundesfinanzamtsnummer", "EMail", "DATUM_MMJJ",
"DATUM_TTMMJJ", "Laenderkuerzel"); the modules ``iban``, ``bic``, ``idnr``, ``ustid`` and
``stnr`` offer ``compact``, ``validate`` and ``is_valid`` for one kind of number each, and
``finanzamt`` the directory.
"""

from typing import Iterable, List, Optional, Tuple

from dividevira import _dividevira

__version__: str = _dividevira.version()


def pruefe(feldtyp: str, wert: str) -> Tuple[int, Optional[str]]:
    """Check ``wert`` as a value of ``feldtyp``.

    Returns ``(code, meldung)``: code 0 for a valid value, else the type's result code, and
    the German message (the notice of a test identification number with code 0), or None.
    Never raises for an invalid value; ``ValueError`` for an unknown type or a value that
    cannot be checked (over 4,096 bytes, a character outside ISO-8859-15).
    """
    code, meldung = _dividevira.pruefe(feldtyp, wert)
    return code, meldung or None


def pruefe_viele(feldtyp: str, werte: Iterable[str]) -> List[int]:
    """The result codes of many values of one type, checked without holding the GIL."""
    return _dividevira.pruefe_viele(feldtyp, werte)


__all__ = ["pruefe", "pruefe_viele", "__version__"]
