"""IBAN: International Bank Account Number, checked against the country table and mod 97."""

from dividevira import _dividevira, _feldtyp

# compact (what python-stdnum removes) and is_valid run in the extension, for speed.
compact = _dividevira.iban_compact
is_valid = _dividevira.iban_is_valid

__all__ = ["compact", "validate", "is_valid", "format"]


def validate(number: str) -> str:
    """The compact IBAN, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("IBAN", compact(number))


def format(number: str, separator: str = " ") -> str:
    """The compact IBAN in groups of four characters."""
    kompakt = compact(number)
    return separator.join(kompakt[i:i + 4] for i in range(0, len(kompakt), 4))
