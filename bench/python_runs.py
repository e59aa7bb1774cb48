"""The Python module timed in a loop: 10,000 runs of the example case, and the same with the
reading of its case file, on one thread and on two.

    PYTHONPATH=build/python python3 bench/python_runs.py [EXAMPLE_TRB]

Prints the best of five repetitions of each loop."""
import os
import sys
import time
from concurrent.futures import ThreadPoolExecutor

import trb

RUNS = 10_000


def best(loop, repetitions=5):
    times = []
    for _ in range(repetitions):
        start = time.perf_counter()
        loop()
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    example = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "data", "examples", "example.trb")
    case = trb.example_case()
    assert case.run().failed is False
    results = [
        ("case.run()", best(lambda: [case.run() for _ in range(RUNS)])),
        ("case.run().h0", best(lambda: [case.run().h0 for _ in range(RUNS)])),
        ("read_case(file).run()", best(lambda: [trb.read_case(example).run() for _ in range(RUNS)])),
    ]
    with ThreadPoolExecutor(max_workers=2) as pool:
        results.append(("case.run() on 2 threads",
                        best(lambda: list(pool.map(lambda _: case.run(), range(RUNS), chunksize=500)))))
    for name, seconds in results:
        print(f"{RUNS} x {name:<28} {seconds:8.3f} s  {seconds / RUNS * 1e6:8.1f} us each")


if __name__ == "__main__":
    main()
