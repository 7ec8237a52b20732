"""Exceptions of the ``validate`` functions; ``code`` is the result code behind each."""

from typing import Dict, Optional, Type

from dividevira import _dividevira

__all__ = ["ValidationError", "InvalidFormat", "InvalidLength", "InvalidChecksum",
           "InvalidComponent"]


class ValidationError(ValueError):
    """A value that is not valid. ``str()`` gives the German message."""

    def __init__(self, code: int, meldung: Optional[str] = None) -> None:
        self.code = code
        super().__init__(meldung or f"Ungültiger Wert (Code {code}).")


class InvalidFormat(ValidationError):
    """The value does not have the form of its type."""


class InvalidLength(InvalidFormat):
    """The value is too short or too long."""


class InvalidChecksum(ValidationError):
    """The check digits do not match."""


class InvalidComponent(ValidationError):
    """A part of the value (country, tax office, Land) is not known or not allowed."""


# Host result code of a test identification number where none is allowed.
TESTNUMMER = 610001523

_KLASSEN: Dict[int, Type[ValidationError]] = {}
for _klasse, _codes in (
        (InvalidFormat, (101, 201, 301, 401, 501, 601, 603, 701, 702, 901, 1001, 1004,
                         610001034, 610001222, 610001501, 610001503, 610001510, 610001521,
                         610001522)),
        (InvalidLength, (703, 902, 903, 904, 610001520)),
        (InvalidChecksum, (604, 704, 1005, 610001504, 610001524)),
        (InvalidComponent, (102, 202, 602, 801, 905, 1002, 1003, 610001037, 610001038,
                            610001502, 610001511, TESTNUMMER))):
    for _code in _codes:
        _KLASSEN[_code] = _klasse


def fehler(code: int, feldtyp: Optional[str] = None) -> ValidationError:
    """The exception for a result code: of the field type ``feldtyp``, or a host code."""
    meldung = _dividevira.meldung(feldtyp, code) if feldtyp else _dividevira.text(code)
    return _KLASSEN.get(code, ValidationError)(code, meldung)
