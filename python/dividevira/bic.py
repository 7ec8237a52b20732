"""BIC: Business Identifier Code of a bank, 8 or 11 characters with a known country."""

from dividevira import _feldtyp

__all__ = ["compact", "validate", "is_valid"]


def compact(number: str) -> str:
    """Without blanks and '-', in upper case."""
    return _feldtyp.pruefe_str(number).replace(" ", "").replace("-", "").strip().upper()


def validate(number: str) -> str:
    """The compact BIC, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("BIC", compact(number))


def is_valid(number: str) -> bool:
    """Whether the BIC is valid."""
    return _feldtyp.is_valid("BIC", compact(number))
