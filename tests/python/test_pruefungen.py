"""The Python package: the module's answers (through dvhost, which loads it), stdnum's
compact forms and check digits as an independent reference, exceptions and misuse."""

import json
import os
import random
import subprocess
import threading

import pytest
from stdnum import iban as std_iban, bic as std_bic
from stdnum.de import idnr as std_idnr, stnr as std_stnr

import dividevira
from dividevira import bic, exceptions, finanzamt, iban, idnr, stnr, ustid

IBANS = ["DE89370400440532013000", "GB82WEST12345698765432", "FR1420041010050500013M02606",
         "NL91ABNA0417164300", "AT611904300234573201", "CH9300762011623852957"]


def varianten(beispiele, alphabet, seed=24):
    """Each sample with each character replaced once by a random one of the alphabet."""
    zufall = random.Random(seed)
    alle = list(beispiele)
    for wert in beispiele:
        for i in range(len(wert)):
            alle.append(wert[:i] + zufall.choice(alphabet) + wert[i + 1:])
    return alle


def modul(art, werte, *optionen):
    """Host result codes of the loaded module, one per value, through dvhost."""
    ausgabe = subprocess.run([os.environ["DVHOST"], "pruefe", art, "--json", *optionen],
                             input="\n".join(werte) + "\n", capture_output=True, text=True,
                             check=False).stdout
    return [json.loads(zeile)["code"] for zeile in ausgabe.splitlines()]


def steuernummern():
    """Numbers of the first listed office of some Länder with every check digit."""
    alle = []
    for land in (11, 21, 26, 28, 91, 92):
        amt = finanzamt.liste(land)[0][0]
        alle += [f"{amt}0{rest}{p}" for rest in ("1234567", "0001234") for p in range(10)]
    return alle


@pytest.mark.parametrize("art, modul_is_valid, werte", [
    ("iban", iban.is_valid, varianten(IBANS, "0123456789ABZ")),
    ("bic", bic.is_valid, varianten(["DEUTDEFF", "DEUTDEFF500", "BNPAFRPP"], "DEU5X0")),
    ("idnr", idnr.is_valid, varianten(["86095742719", "65929970489", "02345678901"],
                                      "0123456789")),
    ("steuernummer", stnr.is_valid, steuernummern()),
])
def test_gueltig_wie_das_modul(art, modul_is_valid, werte):
    codes = modul(art, werte)
    assert len(codes) == len(werte)
    ergebnisse = [modul_is_valid(w) for w in werte]
    assert ergebnisse == [c == 0 for c in codes]
    assert any(ergebnisse) and not all(ergebnisse)


def test_steuernummer_umwandlung_wie_das_modul():
    werte = [w for w in steuernummern() if stnr.is_valid(w)]
    ausgabe = subprocess.run([os.environ["DVHOST"], "steuernummer", "--format", "--json", *werte],
                             capture_output=True, text=True, check=True).stdout
    for wert, zeile in zip(werte, ausgabe.splitlines()):
        land = stnr.to_regional_number(wert)
        assert land == json.loads(zeile)["ergebnis"]
        assert stnr.to_country_number(land, land=wert[:2]) == wert
        assert stnr.to_country_number(land, finanzamt=wert[:4]) == wert


@pytest.mark.parametrize("modul_, std, werte", [
    (iban, std_iban, [" de89-3704.0044 0532 0130 00 ", "gb82west1234"]),
    (bic, std_bic, ["deut de ff-500 ", "d.e"]),
    (idnr, std_idnr, ["86 095-742/71,9 ", "a.b"]),
    (stnr, std_stnr, ["11/270/12345-673 ", "x,y"]),
])
def test_compact_wie_stdnum(modul_, std, werte):
    for wert in werte:
        assert modul_.compact(wert) == std.compact(wert)


def test_pruefziffern_wie_stdnum():
    # stdnum computes the IBAN's mod 97 and the identification number's ISO 7064 itself.
    for wert in varianten(IBANS, "0123456789"):
        assert iban.is_valid(wert) == std_iban.is_valid(wert), wert
    # stdnum follows the newer repetition rule, which lets one digit appear three times;
    # the module keeps the rule of exactly one digit twice, so those numbers are left out.
    for wert in varianten(["86095742719", "47036892816"], "0123456789"):
        if max(wert[:10].count(z) for z in wert[:10]) < 3:
            assert idnr.is_valid(wert) == std_idnr.is_valid(wert), wert


@pytest.mark.parametrize("aufruf, klasse, code", [
    (lambda: iban.validate("DE89370400440532013001"), exceptions.InvalidChecksum, 604),
    (lambda: iban.validate("XX89370400440532013000"), exceptions.InvalidComponent, 602),
    (lambda: iban.validate("DE8937040044053201300"), exceptions.InvalidFormat, 603),
    (lambda: bic.validate("DEUTUSFF"), exceptions.InvalidComponent, 102),
    (lambda: bic.validate("DEUT"), exceptions.InvalidFormat, 101),
    (lambda: idnr.validate("8609574271"), exceptions.InvalidLength, 703),
    (lambda: idnr.validate("86095742718"), exceptions.InvalidChecksum, 704),
    (lambda: idnr.validate("02345678901"), exceptions.InvalidComponent, 610001523),
    (lambda: ustid.validate("DE13669597"), exceptions.InvalidLength, 902),
    (lambda: stnr.validate("1127012345674"), exceptions.InvalidChecksum, 1005),
    (lambda: stnr.to_country_number("27/123/45673"), exceptions.InvalidComponent, 610001037),
    (lambda: stnr.to_regional_number("1127012345674"), exceptions.InvalidFormat, 610001034),
])
def test_ausnahmen(aufruf, klasse, code):
    with pytest.raises(klasse) as info:
        aufruf()
    assert info.value.code == code
    assert isinstance(info.value, ValueError)
    assert "Ungültig" in str(info.value) or "ungültig" in str(info.value)


def test_gueltige_werte_und_testnummern():
    assert iban.validate("de89 3704 0044 0532 0130 00") == "DE89370400440532013000"
    assert iban.format("DE89370400440532013000") == "DE89 3704 0044 0532 0130 00"
    assert ustid.validate("de 136 695 976") == "DE136695976"
    assert idnr.validate("02345678901", testnummern=True) == "02345678901"
    assert not idnr.is_valid("02345678901") and idnr.is_valid("02345678901", testnummern=True)
    assert stnr.validate("1127012345673") == "1127012345673"


@pytest.mark.parametrize("aufruf, fehler", [
    (lambda: iban.is_valid(None), TypeError),
    (lambda: iban.validate(b"DE89"), TypeError),
    (lambda: dividevira.pruefe("IBAN", 12), TypeError),
    (lambda: dividevira.pruefe_viele("IBAN", ["DE89", 1]), TypeError),
    (lambda: dividevira.pruefe_viele("IBAN", 5), TypeError),
    (lambda: finanzamt.lookup(28.01), TypeError),
    (lambda: dividevira.pruefe("iban", "DE89"), ValueError),
    (lambda: dividevira.pruefe_viele("Iban", []), ValueError),
    (lambda: dividevira.pruefe("IBAN", "\u0100"), ValueError),
    (lambda: dividevira.pruefe("IBAN", "\ud800"), ValueError),
    (lambda: dividevira.pruefe("IBAN", "A" * 4097), ValueError),
    (lambda: dividevira.pruefe_viele("IBAN", ["DE89", "\u20ac\u00a4"]), ValueError),
    (lambda: stnr.to_country_number("1/2", land="1\x002"), ValueError),
])
def test_missbrauch(aufruf, fehler):
    with pytest.raises(fehler):
        aufruf()


def test_is_valid_wirft_nicht_fuer_unpruefbare_werte():
    assert not iban.is_valid("\u0100" + "A" * 5000)
    assert dividevira.pruefe("IBAN", "A" * 4096)[0] == 601
    assert dividevira.pruefe("IBAN", "DE89\x00370400440532013000")[0] == 601
    assert dividevira.pruefe("IBAN", "DE89370400440532013000") == (0, None)
    assert dividevira.pruefe("IDNr", "02345678901")[1].startswith("Feld 'IDNr' ist eine Test")


def test_pruefe_viele_wie_einzeln_auch_aus_acht_threads():
    werte = varianten(IBANS, "0123456789AZ ") * 50
    erwartet = [dividevira.pruefe("IBAN", w)[0] for w in werte]
    assert dividevira.pruefe_viele("IBAN", iter(werte)) == erwartet
    assert dividevira.pruefe_viele("IBAN", []) == []
    ergebnisse = [None] * 8

    def arbeite(i):
        ergebnisse[i] = dividevira.pruefe_viele("IBAN", werte)

    threads = [threading.Thread(target=arbeite, args=(i,)) for i in range(8)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert ergebnisse == [erwartet] * 8


def test_finanzamt():
    satz = finanzamt.lookup("2801")
    assert len(satz) == 31 and satz["BuFaNummer"] == "2801" and satz["Name"]
    assert finanzamt.lookup(2801) == satz
    assert list(satz)[-1] == "BezugText"
    for nummer in ("280", "28011", "28a1", "\u0662801", 99999, -1, 9999, 10**30):
        assert finanzamt.lookup(nummer) is None
    assert 2801 in [nummer for nummer, _ in finanzamt.liste(28)]
    assert finanzamt.liste(54) is None and finanzamt.liste(-3) is None
    assert finanzamt.liste(-10**30) is None
    ersatz, herkunft = finanzamt.herkunft()
    assert isinstance(ersatz, bool) and "GemFA" in herkunft
