"""IdNr: the German tax identification number (11 digits, ISO 7064 check digit).

Numbers that begin with 0 are test numbers, valid only where ``testnummern`` allows them.
"""

from dividevira import _feldtyp
from dividevira.exceptions import TESTNUMMER, fehler

__all__ = ["compact", "validate", "is_valid"]


def compact(number: str) -> str:
    """Without blanks and '-./,'."""
    wert = _feldtyp.pruefe_str(number)
    for zeichen in " -./,":
        wert = wert.replace(zeichen, "")
    return wert.strip()


def validate(number: str, testnummern: bool = False) -> str:
    """The compact number, or an exception of ``dividevira.exceptions`` (code 610001523 for
    a test number that ``testnummern`` does not allow)."""
    kompakt = _feldtyp.validate("IDNr", compact(number))
    if not testnummern and kompakt.startswith("0"):
        raise fehler(TESTNUMMER)
    return kompakt


def is_valid(number: str, testnummern: bool = False) -> bool:
    """Whether the number is valid; test numbers only with ``testnummern``."""
    kompakt = compact(number)
    return _feldtyp.is_valid("IDNr", kompakt) and (testnummern or not kompakt.startswith("0"))
