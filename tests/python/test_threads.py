"""Cases calculated on several threads at once: the same results as one after the other, and the
calculation lets other Python threads run meanwhile."""
import os
import signal
import sys
import threading
import time
from concurrent.futures import ThreadPoolExecutor

import pytest

import trb


def cases():
    """The example at many speeds and loads, pressure lubrication and convection."""
    made = []
    for i in range(120):
        case = trb.example_case()
        case.update(ns=5 + i * 0.75, f=20000 + 300 * i, druckschmierung=i % 3 != 0)
        made.append(case)
    return made


def test_threads_give_the_results_of_single_runs():
    work = cases()
    alone = [case.run().as_dict() for case in work]
    ranges = [case.clearance_range().as_dict() for case in work[:30]]
    with ThreadPoolExecutor(max_workers=4) as pool:
        side_by_side = list(pool.map(lambda case: case.run().as_dict(), work))
        range_runs = list(pool.map(lambda case: case.clearance_range().as_dict(), work[:30]))
        # One case shared by all threads: reading it while others calculate is safe too.
        shared = list(pool.map(lambda _: work[7].run().as_dict(), range(40)))
    assert side_by_side == alone
    assert range_runs == ranges
    assert shared == [alone[7]] * 40


def stamps_during(call):
    """Runs `call` on a thread and keeps time stamps on this one meanwhile; the share of the call's
    duration those stamps span."""
    span = {}

    def worker():
        span["start"] = time.perf_counter()
        call()
        span["end"] = time.perf_counter()

    old = sys.getswitchinterval()
    sys.setswitchinterval(0.001)
    try:
        thread = threading.Thread(target=worker)
        stamps = []
        thread.start()
        while thread.is_alive():
            stamps.append(time.perf_counter())
        thread.join()
    finally:
        sys.setswitchinterval(old)
    inside = [t for t in stamps if span["start"] < t < span["end"]]
    duration = span["end"] - span["start"]
    return (max(inside) - min(inside)) / duration if len(inside) > 1 else 0.0


def test_the_calculation_releases_the_interpreter():
    # Holding the GIL, a call of some 50 ms would leave this thread at most a switch interval
    # (1 ms) of it; released, this thread runs from its start to its end.
    case = trb.example_case()
    assert stamps_during(case.thresholds) > 0.5
    assert stamps_during(lambda: case.sweep("f", 1000, 90000, 3000)) > 0.5
    assert stamps_during(case.film) > 0.5


def test_ctrl_c_stops_a_long_calculation_soon():
    # Without looking for signals during the call, KeyboardInterrupt would come only once the
    # calculation had run to its end.
    case = trb.example_case()
    calls = {"thresholds": case.thresholds, "film": lambda: case.film(grid=(432, 40))}
    for name, call in calls.items():
        start = time.perf_counter()
        call()
        whole = time.perf_counter() - start
        timer = threading.Timer(whole * 0.1, lambda: os.kill(os.getpid(), signal.SIGINT))
        start = time.perf_counter()
        timer.start()
        with pytest.raises(KeyboardInterrupt):
            call()
        timer.join()
        assert time.perf_counter() - start < 0.7 * whole, name
