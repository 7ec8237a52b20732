"""IBAN: International Bank Account Number, checked against the country table and mod 97."""

from dividevira import _feldtyp

__all__ = ["compact", "validate", "is_valid", "format"]


def compact(number: str) -> str:
    """Without blanks, '-' and '.', in upper case."""
    return (_feldtyp.pruefe_str(number).replace(" ", "").replace("-", "").replace(".", "")
            .strip().upper())


def validate(number: str) -> str:
    """The compact IBAN, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("IBAN", compact(number))


def is_valid(number: str) -> bool:
    """Whether the IBAN is valid (``TypeError`` for what is no str)."""
    return _feldtyp.is_valid("IBAN", compact(number))


def format(number: str, separator: str = " ") -> str:
    """The compact IBAN in groups of four characters."""
    kompakt = compact(number)
    return separator.join(kompakt[i:i + 4] for i in range(0, len(kompakt), 4))
