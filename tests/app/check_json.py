"""Checks a case JSON file: one object with every record field, "messages" and "failed"."""
import json
import math
import sys


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
        fields = [k for k in case if k not in ("messages", "failed")]
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
