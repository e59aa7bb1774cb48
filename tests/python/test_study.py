"""The example study runs as a user runs it: its table holds the sweep's numbers and its plot is a
picture matplotlib wrote."""
import os
import subprocess
import sys

import pytest

import trb
from conftest import STUDY, example_cases


def run_study(*arguments, env=None):
    return subprocess.run([sys.executable, STUDY, *arguments], capture_output=True, text=True, env=env, timeout=300)


def test_the_table_shows_the_sweep_and_the_plot_is_saved(tmp_path):
    picture = tmp_path / "study.png"
    done = run_study(example_cases()[0], "--from", "10", "--to", "40", "--steps", "3", "--save", str(picture))
    assert done.returncode == 0, done.stderr
    lines = done.stdout.splitlines()
    rows = [line for line in lines if "|" in line][1:]
    sweep = trb.read_case(example_cases()[0]).sweep("ns", 10, 40, 3)
    assert len(rows) == 4
    for i, row in enumerate(rows):
        speed, h0, teff = (part.split() for part in row.split("|")[:3])
        assert float(speed[0]) == sweep.values[i]
        assert [float(x) for x in h0] == [round(sweep.h0[c, i] * 1000, 2) for c in range(3)]
        assert [float(x) for x in teff[:3]] == [round(sweep.teff[c, i], 2) for c in range(3)]
    pytest.importorskip("matplotlib")
    with open(picture, "rb") as f:
        assert f.read(8) == b"\x89PNG\r\n\x1a\n"
    from matplotlib import image
    assert image.imread(str(picture)).shape[:2] == (700, 700)


def test_a_bad_range_is_told_to_the_user():
    done = run_study("--from", "50", "--to", "5")
    assert done.returncode == 2 and "error" in done.stderr
