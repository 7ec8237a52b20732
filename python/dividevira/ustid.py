"""USt-IdNr: VAT identification number of the 28 countries the module knows."""

from dividevira import _dividevira, _feldtyp

# compact (what python-stdnum removes) and is_valid run in the extension, for speed.
compact = _dividevira.ustid_compact
is_valid = _dividevira.ustid_is_valid

__all__ = ["compact", "validate", "is_valid"]


def validate(number: str) -> str:
    """The compact number, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("UStIdNr", compact(number))


