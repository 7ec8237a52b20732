"""IdNr: the German tax identification number (11 digits, ISO 7064 check digit).

Numbers that begin with 0 are test numbers, valid only where ``testnummern`` allows them.
"""

from dividevira import _dividevira, _feldtyp
from dividevira.exceptions import TESTNUMMER, fehler

# compact (what python-stdnum removes) and is_valid run in the extension, for speed.
compact = _dividevira.idnr_compact
is_valid = _dividevira.idnr_is_valid

__all__ = ["compact", "validate", "is_valid"]


def validate(number: str, testnummern: bool = False) -> str:
    """The compact number, or an exception of ``dividevira.exceptions`` (code 610001523 for
    a test number that ``testnummern`` does not allow)."""
    kompakt = _feldtyp.validate("IDNr", compact(number))
    if not testnummern and kompakt.startswith("0"):
        raise fehler(TESTNUMMER)
    return kompakt


