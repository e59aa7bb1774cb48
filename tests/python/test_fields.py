"""The fields of a case: names, start values, the values each kind takes and refuses, and what the
results and copies do with them."""
import copy
import fractions

import numpy
import pytest

import trb


def test_every_field_is_an_attribute_of_case_and_result():
    case, result = trb.example_case(), trb.example_case().run()
    assert len(trb.FIELDS) == len(set(trb.FIELDS)) == len(trb.INPUT_FIELDS) + len(trb.RESULT_FIELDS)
    assert trb.INPUT_FIELDS[:3] == ("db", "dbmax", "dbmin") and trb.RESULT_FIELDS[0] == "ws"
    for name in trb.FIELDS:
        assert getattr(case, name) == case.as_dict()[name]
        assert getattr(result, name) == result.as_dict()[name]
    assert list(result.as_dict()) == list(trb.FIELDS) + ["messages", "failed"]


def test_a_new_case_holds_the_program_start_values():
    case = trb.Case()
    # The member initialisers of the record; every other field 0, empty or False.
    start = {"db": 120.0, "ds": 120.0, "omega": 360.0, "rho": 900.0, "t1": 40.0, "ta": 40.0, "c": 2000.0,
             "k": 18.0, "zufuhr": 1, "plim": 10.0, "tblim": 70.0, "h0lim": 0.01, "bfactor": 0.5, "nu40": 100.0}
    for name in trb.FIELDS:
        value = getattr(case, name)
        wanted = start.get(name, {str: "", bool: False, int: 0, float: 0.0}[type(value)])
        assert value == wanted and type(value) is type(wanted), name
    given = trb.Case(db=100, f=2.5e4, toldb="H7", schmier=11, druckschmierung=True)
    assert (given.db, given.f, given.toldb, given.schmier, given.druckschmierung) == (100.0, 25000.0, "H7", 11, True)
    assert given.ds == 120.0, "the fields not given keep their start values"


def test_unknown_names_raise_attribute_error():
    case = trb.example_case()
    with pytest.raises(AttributeError):
        case.dbb
    with pytest.raises(AttributeError):
        case.dbb = 1
    with pytest.raises(AttributeError, match="dbb"):
        trb.Case(dbb=1)
    with pytest.raises(AttributeError, match="dbb"):
        case.update(db=1, dbb=1)
    with pytest.raises(AttributeError):
        case.run().h0 = 1  # results are read-only


@pytest.mark.parametrize("name, value, stored", [
    ("f", 36000, 36000.0), ("f", -1, -1.0), ("f", 10**30, 1e30), ("f", -1.7976931348623157e308, -1.7976931348623157e308), ("b", numpy.float32(1.5), 1.5),
    ("b", numpy.int64(7), 7.0), ("b", fractions.Fraction(1, 4), 0.25), ("b", 1e-300, 1e-300),
    ("toldb", "H7", "H7"), ("toldb", "äöü°µ", "äöü°µ"), ("toldb", "x" * 4096, "x" * 4096), ("toldb", "", ""),
    ("schmier", 0, 0), ("schmier", 65535, 65535), ("zufuhr", numpy.uint8(3), 3),
    ("druckschmierung", False, False), ("druckschmierung", 1, True), ("druckschmierung", numpy.bool_(True), True),
])
def test_values_the_record_holds(name, value, stored):
    case = trb.Case()
    setattr(case, name, value)
    assert getattr(case, name) == stored and type(getattr(case, name)) is type(stored)


@pytest.mark.parametrize("name, value", [
    ("f", "36000"), ("f", None), ("f", True), ("f", float("nan")), ("f", float("inf")), ("f", -float("inf")),
    ("f", 10**400), ("f", -10**400), ("f", 1 + 2j),
    ("toldb", 7), ("toldb", b"H7"), ("toldb", "€"), ("toldb", "H7\r\n"), ("toldb", "H\t7"), ("toldb", "x" * 4097),
    ("schmier", -1), ("schmier", 65536), ("schmier", 11.0), ("schmier", True), ("schmier", "11"),
    ("druckschmierung", 2), ("druckschmierung", "yes"), ("druckschmierung", None), ("druckschmierung", 1.0),
])
def test_values_the_record_cannot_hold_raise_value_error(name, value):
    case = trb.example_case()
    before = case.as_dict()
    with pytest.raises(ValueError, match=name):
        setattr(case, name, value)
    with pytest.raises(ValueError):
        trb.Case(**{name: value})
    assert case.as_dict() == before, "a refused value changes nothing"


def test_a_whole_number_beyond_what_python_prints_is_refused_too():
    with pytest.raises(ValueError, match="f:"):
        trb.Case(f=10**5000)


def test_a_float_means_the_decimal_it_prints_as():
    # The example case holds its inputs as the case file's decimals in extended precision; typing
    # the same decimals as floats gives the same case, so the clearance from 120.05 - 119.95 comes
    # out as it does from the file, not from the binary neighbours of those decimals.
    example = trb.example_case()
    typed = trb.Case(**{name: getattr(example, name) for name in trb.INPUT_FIELDS})
    assert typed.run().as_dict() == example.run().as_dict()
    typed.dbmin, typed.dsmax = 120.05, 119.95
    assert typed.run().s20min == example.run().s20min
    # A value read and set again leaves the case unchanged.
    for name in trb.INPUT_FIELDS:
        setattr(typed, name, getattr(typed, name))
    assert typed.run().as_dict() == example.run().as_dict()


def test_calculating_leaves_the_case_alone_and_copies_are_independent():
    case = trb.example_case()
    before = case.as_dict()
    result = case.run()
    case.clearance_range()
    case.sweep("ns", 10, 20, 2)
    assert case.as_dict() == before
    assert case.teff == 0.0 and result.teff > 60, "the results are the run's, not the case's"

    for twin in (case.copy(), copy.copy(case), copy.deepcopy(case)):
        twin.f = 1000
        assert case.f == 36000.0 and twin.f == 1000.0
    case.update(f=20000, ns=10)
    assert (case.f, case.ns) == (20000.0, 10.0)


def test_a_result_says_how_the_run_went():
    result = trb.example_case().run()
    assert result.failed is False and result.steps == 4
    assert result.messages == ["Warnung: t2>tBlim !"]
    failed = trb.Case().run()  # no limit sizes given
    assert failed.failed is True and failed.steps == 0
    assert failed.messages == ["Fatal  : Dmax = 0 !"]
    assert "failed" in repr(failed) and "h0=" in repr(result)
