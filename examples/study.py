#!/usr/bin/python3
"""A parameter study over the shaft speed with the TRB Python module.

    python3 study.py [case.trb] [--from 5] [--to 100] [--steps 19] [--save study.png]

Sweeps the shaft speed of the case (the example case when none is given) at its smallest, mean and
largest clearance, prints a table of the minimum film thickness h0 and the effective film
temperature teff, and, when matplotlib is installed, plots both (shown in a window, or saved with
--save). Points where the calculation stopped are marked "-" in the table and left out of the plot.
"""
import argparse
import math
import sys

import trb


def study(case, start, stop, steps):
    """The sweep over the shaft speed, as the batch program's /SWEEP:n=... computes it."""
    return case.sweep("ns", start, stop, steps)


def table(case, sweep):
    """The table lines: speed, h0 in µm at the three clearances, teff in °C at the three clearances."""
    heading = f"{'ns 1/s':>8} | " + " ".join(f"{'h0 ' + c:>9}" for c in trb.CLEARANCES) + " µm | " + \
        " ".join(f"{'teff ' + c:>9}" for c in trb.CLEARANCES) + " °C"
    lines = [f"h0lim = {case.h0lim * 1000:g} µm, tblim = {case.tblim:g} °C", heading, "-" * len(heading)]
    shown = lambda x, scale: f"{x * scale:9.2f}" if not math.isnan(x) else f"{'-':>9}"
    for i, speed in enumerate(sweep.values):
        h0 = " ".join(shown(sweep.h0[c, i], 1000) for c in range(3))
        teff = " ".join(shown(sweep.teff[c, i], 1) for c in range(3))
        lines.append(f"{speed:8.2f} | {h0}    | {teff}")
    return lines


def plot(case, sweep, save):
    """h0 and teff over the speed with their limits; False when matplotlib is not installed."""
    try:
        import matplotlib
        if save:
            matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return False
    figure, (film, heat) = plt.subplots(2, 1, sharex=True, figsize=(7, 7))
    for c, clearance in enumerate(trb.CLEARANCES):
        film.plot(sweep.values, sweep.h0[c] * 1000, marker=".", label=f"{clearance} clearance")
        heat.plot(sweep.values, sweep.teff[c], marker=".", label=f"{clearance} clearance")
    film.axhline(case.h0lim * 1000, color="red", linestyle="--", label="h0lim")
    heat.axhline(case.tblim, color="red", linestyle="--", label="tblim")
    film.set_ylabel("h0 / µm")
    heat.set_ylabel("teff / °C")
    heat.set_xlabel("shaft speed ns / (1/s)")
    film.legend()
    heat.legend()
    figure.suptitle("Minimum film thickness and film temperature over the shaft speed")
    figure.tight_layout()
    if save:
        figure.savefig(save)
    else:
        plt.show()
    return True


def main(arguments):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("case", nargs="?", help="case file (default: the example case)")
    parser.add_argument("--from", dest="start", type=float, default=5.0, help="first speed, 1/s")
    parser.add_argument("--to", dest="stop", type=float, default=100.0, help="last speed, 1/s")
    parser.add_argument("--steps", type=int, default=19, help="equal steps between them")
    parser.add_argument("--save", help="save the plot in this file instead of showing it")
    options = parser.parse_args(arguments)
    case = trb.read_case(options.case) if options.case else trb.example_case()
    try:
        sweep = study(case, options.start, options.stop, options.steps)
    except ValueError as error:
        parser.error(str(error))
    print("\n".join(table(case, sweep)))
    if not plot(case, sweep, options.save):
        print("(matplotlib is not installed: no plot)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
