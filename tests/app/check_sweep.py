"""Runs "trb case /SWEEP:..." and checks case.sweep.csv and case.sweep.json: their layout, that both
hold the same numbers, and that each checked point is exactly the single run of a case file written
with that input and those limit sizes ("trb point.trb /JSON", its "clearance_range" runs).

usage: check_sweep.py TRB WORK DATA CASE KEY FROM TO STEPS [EXIT] [film]

With EXIT the sweep must end with that exit code, and a sweep that ends with 0 must not say that no
point could be calculated. With "film" the sweep is asked for the film columns too: a film that
failed has none of them, a solved one all but the whirl threshold, and at the mean clearance they are
the film of the single run's JSON file.
"""
import csv
import json
import os
import shutil
import subprocess
import sys
from decimal import Decimal

# Lines of the case file (1-based) that hold the swept inputs.
SWEPT_LINE = {"ns": 30, "f": 37}
OPTION = {"ns": "n", "f": "F"}
CLEARANCES = ("min", "mean", "max")
RESULTS = ("so", "epsilon", "h0", "mu", "p0", "q", "teff", "t2")
# The film columns and where the single run's "film" member holds each.
FILM = {"film_eccentricity": ("eccentricity",), "film_attitude_angle": ("attitude_angle",)}
for i, a in enumerate("xy"):
    for j, b in enumerate("xy"):
        FILM[f"k_{a}{b}"] = ("stiffness", i, j)
        FILM[f"d_{a}{b}"] = ("damping", i, j)
        FILM[f"kbar_{a}{b}"] = ("stiffness_dimensionless", i, j)
        FILM[f"bbar_{a}{b}"] = ("damping_dimensionless", i, j)
FILM_FLAGS = ("stable", "film_failed")
FILM_OPTIONAL = ("whirl_ratio", "critical_mass_parameter")


def run(trb, work, *arguments):
    env = dict(os.environ, TMPDIR=os.path.join(work, "tmp"), XDG_CONFIG_HOME=os.path.join(work, "config"))
    done = subprocess.run([trb, *arguments], cwd=work, env=env, capture_output=True, text=True)
    return done.returncode, done.stderr


def exact(text):
    return None if text in ("", None) else Decimal(text)


def load_json(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f, parse_float=Decimal, parse_int=Decimal)


def write_point_case(source, target, key, value_text):
    with open(source, "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[SWEPT_LINE[key] - 1] = value_text.encode("ascii")
    with open(target, "wb") as f:
        f.write(b"\r\n".join(lines))


def film_value(film, path):
    value = film[path[0]]
    for index in path[1:]:
        value = value[index]
    return value


def main():
    trb, work, data, case, key, start, end, steps = sys.argv[1:9]
    extra = sys.argv[9:]
    with_film = "film" in extra
    extra = [a for a in extra if a != "film"]
    expected_exit = int(extra[0]) if extra else None
    steps = int(steps)
    errors = []
    shutil.rmtree(work, ignore_errors=True)
    for folder in ("tmp", "config"):
        os.makedirs(os.path.join(work, folder))
    shutil.copy(os.path.join(data, case), work)
    base = os.path.splitext(case)[0]

    switch = ":film" if with_film else ""
    rc, err = run(trb, work, case, f"/SWEEP:{OPTION[key]}={start}:{end}:{steps}{switch}", "/NOGUI")
    if rc not in (0, 3) or (expected_exit is not None and rc != expected_exit):
        return print(f"exit code {rc}: {err}") or 1
    if rc == 0 and "kein Punkt" in err:
        errors.append(f"exit code 0 with the message {err!r}")

    with open(os.path.join(work, base + ".sweep.csv"), newline="", encoding="utf-8") as f:
        table = list(csv.reader(f))
    heading, rows = table[0], table[1:]
    failed_at = heading.index("failed") if "failed" in heading else len(heading) - 1
    film_columns = heading[failed_at + 1:]
    if heading[:2] != ["clearance", key] or (film_columns != [] and not with_film):
        errors.append(f"heading {heading[:2]} ... {heading[-1]}")
    if with_film and set(film_columns) != set(FILM) | set(FILM_FLAGS) | set(FILM_OPTIONAL) | {"mass_parameter"}:
        errors.append(f"film columns {film_columns}")
    for name in RESULTS:
        if name not in heading:
            errors.append(f"column {name} missing")
    if len(rows) != 3 * (steps + 1):
        errors.append(f"{len(rows)} rows for {steps} steps")
    rows = [dict(zip(heading, row)) for row in rows]
    for i, row in enumerate(rows):
        if row["clearance"] != CLEARANCES[i % 3]:
            errors.append(f"row {i}: clearance {row['clearance']}")
        if row["failed"] not in ("true", "false"):
            errors.append(f"row {i}: failed {row['failed']!r}")
        if row["failed"] == "true" and any(row[name] for name in RESULTS):
            errors.append(f"row {i}: a failed point with values")
        if row["failed"] == "false" and not all(row[name] for name in RESULTS):
            errors.append(f"row {i}: a point without values")
        if with_film:
            values = [row[name] for name in FILM]
            if row["film_failed"] == "true" and (any(values) or row["stable"]):
                errors.append(f"row {i}: a failed film with values")
            if row["film_failed"] == "false" and not (all(values) and row["stable"] in ("true", "false")):
                errors.append(f"row {i}: a solved film without values")
            if row["failed"] == "true" and row["film_failed"] != "true":
                errors.append(f"row {i}: a film of a failed run")
    if rows and (exact(rows[0][key]) != Decimal(start) or exact(rows[-1][key]) != Decimal(end)):
        errors.append(f"range {rows[0][key]} .. {rows[-1][key]}")

    sweep = load_json(os.path.join(work, base + ".sweep.json"))
    if sweep["quantity"] != key or sweep["steps"] != steps or len(sweep["rows"]) != len(rows):
        errors.append(f"JSON head {sweep['quantity']} {sweep['steps']} {len(sweep['rows'])}")
    for i, (row, member) in enumerate(zip(rows, sweep["rows"])):
        for name in heading:
            if name == "failed":
                continue
            if name in FILM_FLAGS:
                wanted = None if row[name] == "" else row[name] == "true"
            else:
                wanted = row[name] if name == "clearance" else exact(row[name])
            if member.get(name) != wanted:
                errors.append(f"row {i} {name}: CSV {row[name]!r}, JSON {member.get(name)!r}")
        if member["failed"] is not (row["failed"] == "true"):
            errors.append(f"row {i}: failed differs")

    # Single runs of written case files: the first, a middle and the last point.
    for point in sorted({0, steps // 2, steps}):
        value = rows[3 * point][key]
        value_text = f"{Decimal(value):.7f}"
        if Decimal(value_text) != Decimal(value):
            errors.append(f"point {point}: {value} is not a case-file value; choose another range")
            continue
        name = f"point{point}.trb"
        write_point_case(os.path.join(work, case), os.path.join(work, name), key, value_text)
        rc, err = run(trb, work, name, "/JSON")
        if rc not in (0, 3):
            errors.append(f"{name}: exit code {rc} {err}")
            continue
        single = load_json(os.path.join(work, f"point{point}.json"))
        # A case the calculation stops on is written all the same, and said by the exit code.
        if (rc == 3) is not single["failed"]:
            errors.append(f"{name}: exit code {rc} with failed {single['failed']}")
        if single[key] != Decimal(value):
            errors.append(f"{name}: {key} is {single[key]}")
        for c, clearance in enumerate(CLEARANCES):
            row = rows[3 * point + c]
            run_of = single["clearance_range"][clearance]
            for result in heading[2:failed_at]:
                wanted = None if row["failed"] == "true" else run_of[result]
                if exact(row[result]) != wanted and not (wanted is None and row[result] == ""):
                    errors.append(f"point {point} {clearance} {result}: sweep {row[result]}, single {wanted}")
            single_failed = run_of["failed"] or any(run_of[r] is None for r in RESULTS)
            if single_failed is not (row["failed"] == "true"):
                errors.append(f"point {point} {clearance}: failed differs")
        # The mean clearance's film is the film of the single run.
        mean = rows[3 * point + 1]
        if with_film and mean["film_failed"] == "false":
            for column, path in FILM.items():
                if exact(mean[column]) != film_value(single["film"], path):
                    errors.append(f"point {point} {column}: sweep {mean[column]}, single {single['film']}")
        elif with_film and single["film"]["reason"] is None:
            errors.append(f"point {point}: the sweep's film failed, the single run's did not")
        # The mean clearance is the case as the plain run computes it.
        for result in RESULTS:
            if single[result] != single["clearance_range"]["mean"][result]:
                errors.append(f"point {point}: mean {result} differs from the top-level value")

    for error in errors[:40]:
        print(error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
