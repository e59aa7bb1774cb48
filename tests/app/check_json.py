"""Checks a case JSON file: one object with every record field, "messages" and "failed", the
clearance range, the thresholds and the film."""
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


def numbers(value):
    """Every number in a JSON value, however deeply nested."""
    if isinstance(value, dict):
        for v in value.values():
            yield from numbers(v)
    elif isinstance(value, list):
        for v in value:
            yield from numbers(v)
    elif isinstance(value, (int, float)) and not isinstance(value, bool):
        yield value


def film_errors(film, expect_failed):
    """The Reynolds film beside the DIN run: solved for the example, a reason and no numbers otherwise."""
    if not isinstance(film, dict):
        return ["film is not an object"]
    errors = []
    for key in ("reason", "grid", "eccentricity", "attitude_angle", "h0", "pmax", "pmax_angle", "side_flow",
                "mupsi", "so", "din", "frame", "stiffness", "damping", "stiffness_dimensionless",
                "damping_dimensionless", "whirl_ratio", "critical_mass_parameter", "stable", "onset_speed"):
        if key not in film:
            errors.append(f"film.{key} missing")
    if any(not math.isfinite(x) for x in numbers(film)):
        errors.append("film holds a number that is not finite")
    if expect_failed:
        if not isinstance(film.get("reason"), str) or film.get("eccentricity") is not None:
            errors.append(f"a failed run's film has no reason or has numbers: {film}")
    else:
        if film.get("reason") is not None:
            errors.append(f"film not solved: {film.get('reason')}")
        if not 0.5 < (film.get("eccentricity") or 0) < 0.98:
            errors.append(f"film eccentricity {film.get('eccentricity')}")
        stiffness = film.get("stiffness")
        if not (isinstance(stiffness, list) and len(stiffness) == 2 and all(len(row) == 2 for row in stiffness)):
            errors.append(f"film stiffness is not 2 x 2: {stiffness}")
        if film.get("stable") is not True or not isinstance(film.get("onset_speed"), float):
            errors.append(f"film stability: stable {film.get('stable')}, onset {film.get('onset_speed')}")
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
        errors += film_errors(case.get("film"), expect_failed)
        fields = [k for k in case if k not in ("messages", "failed", "clearance_range", "thresholds", "film")]
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
