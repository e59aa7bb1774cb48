"""What the tests of the Python module share: where the program, its example cases and the test
cases are, and how the batch program is run. The tests run against the build tree (CTest sets
PYTHONPATH and TRB_PROGRAM) or against an installed tree (tests/install/check_install.py)."""
import glob
import json
import math
import os
import subprocess
from decimal import Decimal

import pytest

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def setting(name, default):
    return os.environ.get(name) or default


EXAMPLES = setting("TRB_EXAMPLES", os.path.join(SOURCE, "data", "examples"))
TEST_CASES = setting("TRB_TEST_CASES", os.path.join(SOURCE, "tests", "app", "data"))
PROGRAM = setting("TRB_PROGRAM", "trb")
STUDY = setting("TRB_STUDY", os.path.join(SOURCE, "examples", "study.py"))


def example_cases():
    """Every example case the program ships."""
    cases = sorted(glob.glob(os.path.join(EXAMPLES, "*.trb")))
    assert cases, f"no example cases in {EXAMPLES}"
    return cases


class Batch:
    """The batch program run in a folder of its own, with a configuration and temporary folder of
    the test's."""

    def __init__(self, folder):
        self.folder = folder
        for name in ("config", "tmp"):
            os.makedirs(os.path.join(folder, name), exist_ok=True)
        self.env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"),
                        TMPDIR=os.path.join(folder, "tmp"))

    def run(self, *arguments):
        done = subprocess.run([PROGRAM, *arguments], cwd=self.folder, env=self.env, capture_output=True,
                              text=True, errors="replace", timeout=600)
        assert not os.listdir(os.path.join(self.folder, "tmp")), "temporary files left behind"
        return done

    def path(self, name):
        return os.path.join(self.folder, name)


@pytest.fixture
def batch(tmp_path):
    return Batch(str(tmp_path))


def load_json(path):
    """A JSON file of the batch modes with its numbers as written (21 significant digits)."""
    with open(path, encoding="utf-8") as f:
        return json.load(f, parse_float=Decimal, parse_int=Decimal)


def same_number(value, written):
    """Whether a float of the module is the number a JSON file wrote: the float nearest to it
    (half a unit in the last place, plus what 21 digits leave out); null where no finite double
    holds the value."""
    if written is None:
        return isinstance(value, float) and not math.isfinite(value)
    if isinstance(value, bool) or not isinstance(value, (int, float)) or not math.isfinite(value):
        return False
    return abs(Decimal(value) - written) <= Decimal(math.ulp(value)) / 2 + abs(written) * Decimal("5e-21")


def differences(module, written, where=""):
    """Where two members differ: numbers by same_number, lists and objects member by member, the
    rest exactly."""
    if isinstance(written, dict):
        if not isinstance(module, dict) or list(module) != list(written):
            return [f"{where}: keys {list(module) if isinstance(module, dict) else module!r} "
                    f"against {list(written)}"]
        return [d for key in written for d in differences(module[key], written[key], f"{where}.{key}")]
    if isinstance(written, list):
        if not isinstance(module, list) or len(module) != len(written):
            return [f"{where}: {module!r} against {written!r}"]
        return [d for i, w in enumerate(written) for d in differences(module[i], w, f"{where}[{i}]")]
    if module is None or written is None and not isinstance(module, float):
        return [] if module is written else [f"{where}: {module!r} against {written!r}"]
    if isinstance(module, bool) or isinstance(written, (bool, str)):
        return [] if module == written else [f"{where}: {module!r} against {written!r}"]
    if isinstance(module, int) and isinstance(written, Decimal):
        return [] if module == written else [f"{where}: {module!r} against {written}"]
    return [] if same_number(module, written) else [f"{where}: {module!r} against {written}"]
