"""Checks the overview files trb /OVERVIEW writes into a folder: overview.json read with Python's
json module and overview.xlsx read with openpyxl, row by row against each other."""
import json
import math
import os
import sys

import openpyxl

TITLES = ["File", "Date  y/m/d", "Name", "No", "n", "D", "De", "B", "ISO VG", "F", "pmax", "e", "h0",
          "T1", "T2", "Teff"]
KEYS = ["n", "D", "De", "B", "isoVG", "F", "pmax", "e", "h0", "T1", "T2", "Teff"]


def check(folder):
    errors = []
    with open(os.path.join(folder, "overview.json"), encoding="utf-8") as f:
        overview = json.load(f)
    if overview["columns"] != TITLES:
        errors.append(f"columns {overview['columns']}")
    rows = overview["rows"]
    files = [row["file"] for row in rows]
    if files != sorted(files) or set(files) != {"Notizen.trb", "example.trb", "fatal.trb", "leer.trb", "pocket.trb"}:
        errors.append(f"files {files}")
    by_file = {row["file"]: row for row in rows}
    states = {name: row["state"] for name, row in by_file.items()}
    expected_states = {"Notizen.trb": "unreadable", "leer.trb": "unreadable", "example.trb": "calculated",
                       "pocket.trb": "calculated", "fatal.trb": "failed"}
    if states != expected_states:
        errors.append(f"states {states}")
    example = by_file["example.trb"]
    if not math.isclose(example["values"]["Teff"], 65.94, rel_tol=1e-3):
        errors.append(f"example Teff {example['values']['Teff']}")
    if example["cells"][5].strip() != "120.0" or example["values"]["D"] != 120:
        errors.append(f"example D {example['cells'][5]!r} {example['values']['D']}")
    if by_file["fatal.trb"]["values"]["h0"] is not None or not by_file["fatal.trb"]["messages"]:
        errors.append("fatal.trb shows a result or no message")
    if any(value is not None for value in by_file["leer.trb"]["values"].values()):
        errors.append("leer.trb has values")
    for row in rows:
        if len(row["cells"]) != 16 or sorted(row["values"]) != sorted(KEYS):
            errors.append(f"{row['file']}: {len(row['cells'])} cells, values {sorted(row['values'])}")

    book = openpyxl.load_workbook(os.path.join(folder, "overview.xlsx"))
    sheet = book.worksheets[0]
    if [cell.value for cell in sheet[1]] != TITLES or not all(cell.font.b for cell in sheet[1]):
        errors.append("title row")
    if sheet.freeze_panes != "A2":
        errors.append(f"freeze panes {sheet.freeze_panes}")
    if sheet.max_row != len(rows) + 1:
        errors.append(f"{sheet.max_row} sheet rows for {len(rows)} cases")
    for number, row in enumerate(rows, start=2):
        cells = sheet[number]
        if cells[0].value != row["file"] or cells[0].data_type != "s":
            errors.append(f"row {number}: file {cells[0].value!r}")
        for column, key in enumerate(KEYS, start=4):
            cell, value = cells[column], row["values"][key]
            if value is None:
                if cell.value is not None:
                    errors.append(f"row {number} {key}: {cell.value!r} for an empty cell")
                continue
            if cell.data_type != "n" or not math.isclose(cell.value, value, rel_tol=1e-12, abs_tol=1e-12):
                errors.append(f"row {number} {key}: {cell.value!r} ({cell.data_type}) for {value}")
            shown = row["cells"][column].strip()
            decimals = len(shown.split(".")[1]) if "." in shown else 0
            wanted = "0" + ("." + "0" * decimals if decimals else "")
            if cell.number_format != wanted:
                errors.append(f"row {number} {key}: format {cell.number_format} for {shown!r}")
    return errors


def main():
    errors = check(sys.argv[1])
    for error in errors:
        print(error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
