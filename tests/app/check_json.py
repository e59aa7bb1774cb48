"""Checks a case JSON file: one object with every record field, "messages" and "failed", the
clearance range and the thresholds."""
import json
import math
import sys


THRESHOLD_LISTS = [f"{q}_{l}" for q in ("load", "speed", "temperature") for l in ("h0lim", "tlim")]


def threshold_errors(case, expect_failed):
    """Every clearance has every list, ascending and finite, and the load at plim = plim B D; the
    example's mean clearance reaches h0lim at 90.5 kN, 2.51 times its load."""
    thresholds = case.get("thresholds")
    if not isinstance(thresholds, dict) or list(thresholds) != ["min", "mean", "max"]:
        return [f"thresholds is {thresholds!r}"]
    errors = []
    for key, at in thresholds.items():
        if list(at) != THRESHOLD_LISTS + ["load_plim"]:
            errors.append(f"thresholds.{key} has {list(at)}")
            continue
        for name in THRESHOLD_LISTS:
            values = at[name]
            if not all(isinstance(v, float) and math.isfinite(v) for v in values) or values != sorted(values):
                errors.append(f"thresholds.{key}.{name} is {values!r}")
            if expect_failed and values:
                errors.append(f"thresholds.{key}.{name} of a failed case is {values!r}")
        if not math.isclose(at["load_plim"], case["plim"] * case["b"] * case["db"], rel_tol=1e-15):
            errors.append(f"thresholds.{key}.load_plim is {at['load_plim']}")
    if not expect_failed:
        film = thresholds["mean"]["load_h0lim"]
        if len(film) != 1 or not 90400 < film[0] < 90700 or not 2.51 < film[0] / case["f"] < 2.52:
            errors.append(f"the mean clearance reaches h0lim at {film}, not at 90.5 kN")
    return errors


def main():
    path, expect_failed = sys.argv[1], sys.argv[2] == "true"
    with open(path, encoding="utf-8") as f:
        case = json.load(f)
    errors = []
    if not isinstance(case, dict):
        errors.append("not an object")
    else:
        if case.get("failed") is not expect_failed:
            errors.append(f"failed is {case.get('failed')!r}")
        if not isinstance(case.get("messages"), list):
            errors.append("messages is not a list")
        errors += threshold_errors(case, expect_failed)
        fields = [k for k in case if k not in ("messages", "failed", "clearance_range", "thresholds")]
        if len(fields) < 80:
            errors.append(f"only {len(fields)} record fields")
        for key in ("db", "dbmax", "teff", "epsilon", "toldb", "schmier", "druckschmierung", "zufuhr"):
            if key not in case:
                errors.append(f"{key} missing")
        for key, value in case.items():
            if isinstance(value, float) and not math.isfinite(value):
                errors.append(f"{key} is beyond what a double holds")
        if not expect_failed and not math.isclose(case.get("teff", 0), 65.94, rel_tol=1e-3):
            errors.append(f"teff {case.get('teff')} is not the example's 65.94")
    for error in errors:
        print(error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
