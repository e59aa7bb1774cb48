"""Every shipped example case (and a case the calculation stops on) gives the same numbers through
the module as through the batch program: /JSON for the run, the clearance range, the thresholds and
the film, /SWEEP for the sweep."""
import math
import os
import shutil
from decimal import Decimal

import pytest

import trb
from conftest import TEST_CASES, differences, example_cases, load_json, same_number

CASES = example_cases() + [os.path.join(TEST_CASES, "fatal.trb")]


@pytest.fixture(scope="module")
def written(tmp_path_factory):
    """The /JSON file of every case, written once."""
    from conftest import Batch
    batch = Batch(str(tmp_path_factory.mktemp("json")))
    files = {}
    for case in CASES:
        name = os.path.basename(case)
        shutil.copy(case, batch.path(name))
        done = batch.run(name, "/JSON")
        assert done.returncode in (0, 3), done.stderr
        files[case] = load_json(batch.path(name[:-4] + ".json"))
        assert (done.returncode == 3) is files[case]["failed"], "exit code 3 exactly when the run failed"
    return files


@pytest.mark.parametrize("path", CASES, ids=os.path.basename)
def test_run_and_clearance_range_are_the_json_numbers(path, written):
    case = trb.read_case(path)
    json = written[path]
    top = {key: value for key, value in json.items() if key not in ("clearance_range", "thresholds", "film")}
    assert list(top)[:-2] == list(trb.FIELDS), "the module's fields are the file's, in its order"
    assert differences(case.run().as_dict(), top) == []

    clearance_range = case.clearance_range()
    results = set(trb.RESULT_FIELDS) | {"messages", "failed"}
    for clearance in trb.CLEARANCES:
        run = clearance_range[clearance].as_dict()
        assert differences({k: v for k, v in run.items() if k in results},
                           json["clearance_range"][clearance], clearance) == []
    # The mean clearance is the case itself.
    assert clearance_range.mean.as_dict() == case.run().as_dict()


@pytest.mark.parametrize("path", CASES, ids=os.path.basename)
def test_thresholds_are_the_json_numbers(path, written):
    thresholds = trb.read_case(path).thresholds()
    assert differences(thresholds.as_dict(), written[path]["thresholds"]) == []
    # The attributes are the dictionary's lists.
    for clearance in trb.CLEARANCES:
        at = thresholds[clearance]
        assert at.load_h0lim == at.as_dict()["load_h0lim"]
        assert at.temperature_tlim == at.as_dict()["temperature_tlim"]


@pytest.mark.parametrize("path", CASES, ids=os.path.basename)
def test_film_is_the_json_film(path, written):
    film = trb.read_case(path).film()
    assert differences(film.as_dict(), written[path]["film"]) == []
    # The attributes are the dictionary's numbers.
    members = film.as_dict()
    for name in ("eccentricity", "h0", "pmax", "stable", "onset_speed", "reason", "din"):
        assert getattr(film, name) == members[name], name
    if film.reason is None:
        assert film.stiffness.tolist() == members["stiffness"]


@pytest.mark.parametrize("path, field, start, stop, steps", [
    (example_cases()[0], "ns", 5, 50, 45),
    (os.path.join(TEST_CASES, "convection.trb"), "f", 0, 40000, 8),
    (os.path.join(TEST_CASES, "overlap.trb"), "ns", 5, 50, 9),
], ids=["speed", "load", "only_largest_clearance"])
def test_sweep_is_the_sweep_file(path, field, start, stop, steps, batch):
    shutil.copy(path, batch.path("case.trb"))
    option = f"/SWEEP:{'n' if field == 'ns' else 'F'}={start}:{stop}:{steps}"
    done = batch.run("case.trb", option)
    assert done.returncode in (0, 3), done.stderr
    rows = load_json(batch.path("case.sweep.json"))["rows"]

    sweep = trb.read_case(path).sweep(field, start, stop, steps)
    assert sweep.field == field and len(sweep) == steps + 1 == len(rows) // 3
    errors = []
    for i in range(steps + 1):
        for c, clearance in enumerate(trb.CLEARANCES):
            row = rows[3 * i + c]
            assert row["clearance"] == clearance
            if not same_number(sweep.values[i], row[field]):
                errors.append(f"point {i}: {field} {sweep.values[i]} against {row[field]}")
            if bool(sweep.failed[c, i]) is not row["failed"]:
                errors.append(f"point {i} {clearance}: failed {sweep.failed[c, i]}")
            for name in trb.RESULT_FIELDS:
                value = float(sweep[name][c, i])
                if not (row[name] is None and math.isnan(value) or same_number(value, row[name])):
                    errors.append(f"point {i} {clearance} {name}: {value} against {row[name]}")
            if sweep.result(i, clearance).messages != row["messages"]:
                errors.append(f"point {i} {clearance}: messages {sweep.result(i, clearance).messages}")
    assert errors[:20] == []


def test_the_number_comparison_tells_neighbouring_floats_apart():
    # Without this the comparisons above would prove nothing.
    x = 0.016793913485374486
    written = Decimal(repr(x))
    assert same_number(x, written)
    assert not same_number(math.nextafter(x, 1), written)
    assert not same_number(math.nextafter(x, 0), written)
    assert same_number(math.inf, None) and not same_number(1.0, None)
    assert differences({"a": [1.0, "x"]}, {"a": [Decimal(1), "x"]}) == []
    assert differences({"a": [1.0, "y"]}, {"a": [Decimal(1), "x"]}) != []
    assert differences({"a": None}, {"a": None}) == [] and differences({"a": 0.0}, {"a": None}) != []
    assert differences({"a": None}, {"a": Decimal(0)}) != []
