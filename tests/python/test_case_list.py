"""The batch program with several case files: each in a case of its own, a broken file among good
ones reported while the others run, and the worst exit code."""
import os
import re
import shutil

import pytest

from conftest import TEST_CASES, example_cases


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def report(path):
    # The first line carries the date and time of the run.
    return re.sub(rb"\t[^\t\r\n]*\t[^\t\r\n]*\r?\n", b"\t<date>\t<time>\n", read_bytes(path), count=1)


@pytest.fixture
def folder(batch):
    """Good cases, one the calculation stops on, one that is no case file, one cut short."""
    for path in example_cases():
        shutil.copy(path, batch.path(os.path.basename(path)))
    shutil.copy(os.path.join(TEST_CASES, "fatal.trb"), batch.path("fatal.trb"))
    with open(batch.path("broken.trb"), "wb") as f:
        f.write(b"\x00\xff not a case file\r\n")
    # The convection case cut after its load: the fields after it keep the start values, also when
    # another case was read before it in the same run.
    lines = read_bytes(batch.path("convection.trb")).split(b"\r\n")
    with open(batch.path("short.trb"), "wb") as f:
        f.write(b"\r\n".join(lines[:37]))
    return batch


def names(*files):
    return [os.path.basename(f) for f in files]


def test_each_file_gives_the_json_it_gives_alone(folder):
    good = names(*example_cases())
    order = [good[0], "broken.trb", "fatal.trb", "missing.trb", *good[1:], "short.trb"]
    done = folder.run(*order, "/JSON", "/NOGUI")
    assert done.returncode == 1, "a file that could not be read is worse than a failed calculation"
    together = {name: read_bytes(folder.path(name[:-4] + ".json"))
                for name in order if name not in ("broken.trb", "missing.trb")}
    assert not os.path.exists(folder.path("broken.json"))
    # Each message names its file; the broken and the missing file are reported, the fatal one too.
    lines = done.stderr.splitlines()
    assert lines and all(re.match(r"(broken|fatal|missing|short)\.trb: ", line) for line in lines), lines
    assert any(line.startswith("broken.trb: ") and "keine Falldatei" in line for line in lines)
    assert any(line.startswith("missing.trb: ") and "nicht gefunden" in line for line in lines)
    assert any(line.startswith("fatal.trb: ") and "Fatal  : visko !" in line for line in lines)
    assert any(line.startswith("short.trb: ") and "Zeile 37" in line for line in lines)

    for name, text in together.items():
        os.remove(folder.path(name[:-4] + ".json"))
        alone = folder.run(name, "/JSON", "/NOGUI")
        assert alone.returncode == (3 if b'"failed": true' in text else 0), alone.stderr
        assert read_bytes(folder.path(name[:-4] + ".json")) == text, name


def test_exit_codes_of_a_list(folder):
    good = names(*example_cases())
    assert folder.run(*good, "/JSON").returncode == 0
    assert folder.run(good[0], "fatal.trb", good[1], "/JSON").returncode == 3
    assert folder.run("fatal.trb", "broken.trb", "/I").returncode == 1
    bad = folder.run(good[0], "noextension", "/JSON")
    assert bad.returncode == 2 and "noextension: Fehler : Erweiterung" in bad.stderr
    assert os.path.exists(folder.path(good[0][:-4] + ".json")), "the good file ran all the same"
    assert folder.run(good[0], good[1], "/E").returncode == 2, "a window opens one case"


def test_reports_and_drawings_of_a_list_are_those_of_single_runs(folder):
    good = names(*example_cases())
    assert folder.run(*good, "fatal.trb", "/I").returncode == 3
    together = {name: report(folder.path(name[:-4] + ".txt")) for name in good + ["fatal.trb"]}
    assert folder.run(*good, "/CAD5:1").returncode == 0
    dumps = {name: read_bytes(folder.path(name[:-4] + ".dump.txt")) for name in good}
    for name in good + ["fatal.trb"]:
        folder.run(name, "/I")
        assert report(folder.path(name[:-4] + ".txt")) == together[name], name
    for name in good:
        folder.run(name, "/CAD5:1")
        assert read_bytes(folder.path(name[:-4] + ".dump.txt")) == dumps[name], name
