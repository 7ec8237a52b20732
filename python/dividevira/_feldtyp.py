"""What the modules of one field type share."""

from dividevira import _dividevira
from dividevira.exceptions import fehler


def validate(feldtyp: str, kompakt: str) -> str:
    code = _dividevira.pruefe_code(feldtyp, kompakt)
    if code != 0:
        raise fehler(code, feldtyp)
    return kompakt


def pruefe_str(wert: object) -> str:
    if not isinstance(wert, str):
        raise TypeError(f"Wert muss str sein, nicht {type(wert).__name__}")
    return wert
