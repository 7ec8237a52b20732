"""USt-IdNr: VAT identification number of the 28 countries the module knows."""

from dividevira import _feldtyp

__all__ = ["compact", "validate", "is_valid"]


def compact(number: str) -> str:
    """Without blanks and '-./,', in upper case."""
    wert = _feldtyp.pruefe_str(number)
    for zeichen in " -./,":
        wert = wert.replace(zeichen, "")
    return wert.strip().upper()


def validate(number: str) -> str:
    """The compact number, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("UStIdNr", compact(number))


def is_valid(number: str) -> bool:
    """Whether the number is valid."""
    return _feldtyp.is_valid("UStIdNr", compact(number))
