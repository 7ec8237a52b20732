"""The built-in tax office directory."""

from typing import Dict, List, Optional, Tuple, Union

from dividevira import _dividevira

__all__ = ["lookup", "liste", "herkunft"]


def lookup(nummer: Union[int, str]) -> Optional[Dict[str, str]]:
    """The record of a tax office (31 fields, "BuFaNummer" to "BezugText"), or None.

    ``nummer`` is the four-digit tax office number as int or str; a test office has its
    number and name only."""
    if isinstance(nummer, str):
        if len(nummer) != 4 or not nummer.isascii() or not nummer.isdigit():
            return None
        nummer = int(nummer)
    elif not isinstance(nummer, int) or isinstance(nummer, bool):
        raise TypeError(f"nummer muss int oder str sein, nicht {type(nummer).__name__}")
    return _dividevira.finanzamt(nummer)


def liste(land: int) -> Optional[List[Tuple[int, str]]]:
    """The tax offices a user may choose in a Land (key such as 28), or None."""
    if not isinstance(land, int) or isinstance(land, bool):
        raise TypeError(f"land muss int sein, nicht {type(land).__name__}")
    return _dividevira.finanzamtsliste(land)


def herkunft() -> Tuple[bool, str]:
    """(whether names, addresses and accounts are stand-ins, the directory's origin)."""
    return _dividevira.verzeichnisherkunft()
