"""BIC: Business Identifier Code of a bank, 8 or 11 characters with a known country."""

from dividevira import _dividevira, _feldtyp

# compact (what python-stdnum removes) and is_valid run in the extension, for speed.
compact = _dividevira.bic_compact
is_valid = _dividevira.bic_is_valid

__all__ = ["compact", "validate", "is_valid"]


def validate(number: str) -> str:
    """The compact BIC, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("BIC", compact(number))


