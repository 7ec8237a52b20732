"""Steuernummer: the German tax number, in the nationwide 13-digit form or a Land's notation.

``validate`` and ``is_valid`` take the 13-digit form, checked against the Land's notation,
negative patterns, check-digit method and the built-in tax office directory.
"""

from typing import Optional

from dividevira import _dividevira, _feldtyp
from dividevira.exceptions import fehler

# compact (what python-stdnum removes) and is_valid run in the extension, for speed.
compact = _dividevira.stnr_compact
is_valid = _dividevira.stnr_is_valid

__all__ = ["compact", "validate", "is_valid", "to_country_number", "to_regional_number"]


def validate(number: str) -> str:
    """The compact 13-digit number, or an exception of ``dividevira.exceptions``."""
    return _feldtyp.validate("Steuernummer", compact(number))


def to_country_number(number: str, land: Optional[str] = None,
                      finanzamt: Optional[str] = None) -> str:
    """The 13-digit form of a Land notation ("27/123/45673"); ``land`` (a Land key such as
    "28") or ``finanzamt`` (a tax office number such as "2801") says which Land's."""
    code, ergebnis = _dividevira.steuernummer_bund(_feldtyp.pruefe_str(number), land, finanzamt)
    if code != 0:
        raise fehler(code)
    return ergebnis


def to_regional_number(number: str) -> str:
    """The Land notation of a 13-digit tax number."""
    code, ergebnis = _dividevira.steuernummer_land(compact(number))
    if code != 0:
        raise fehler(code)
    return ergebnis
