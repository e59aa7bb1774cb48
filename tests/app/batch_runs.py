"""Runs of the trb batch modes that need more than one process or generated case files.

usage: batch_runs.py CHECK TRB DATA WORK
  concurrent  two "/I" runs on different cases at once, 200 times, sharing one temporary folder:
              each report holds its own case, and nothing is left in the temporary folder
  outputs     "/I" and "/CAD5:1" on the same case keep both files
  overflow    inputs beyond what a double holds: fatal message, exit 3, and a JSON without such numbers
  damaged     a case file with a 10 MB line and one cut short: read, and the line named on stderr
"""
import json
import math
import os
import re
import shutil
import subprocess
import sys

ROUNDS = int(os.environ.get("TRB_CONCURRENT_ROUNDS", "200"))  # fewer in the sanitizer pass


class Runner:
    def __init__(self, trb, data, work):
        self.trb, self.data, self.work = trb, data, work
        shutil.rmtree(work, ignore_errors=True)
        self.tmp = os.path.join(work, "tmp")
        os.makedirs(self.tmp)
        os.makedirs(os.path.join(work, "config"))
        self.env = dict(os.environ, TMPDIR=self.tmp, XDG_CONFIG_HOME=os.path.join(work, "config"))

    def folder(self, name, cases=()):
        path = os.path.join(self.work, name)
        os.makedirs(path, exist_ok=True)
        for case in cases:
            shutil.copy(os.path.join(self.data, case), path)
        return path

    def start(self, folder, *args):
        return subprocess.Popen([self.trb, *args], cwd=folder, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)

    def run(self, folder, *args):
        process = self.start(folder, *args)
        out, err = process.communicate()
        return process.returncode, out.decode("utf-8", "replace"), err.decode("utf-8", "replace")

    def temporary_files(self):
        return os.listdir(self.tmp)


def fail(message):
    print(message)
    sys.exit(1)


def report_text(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    # The first line carries the date and time of the run.
    return re.sub(r"\t[^\t\n]*\t[^\t\n]*\n", "\t<date>\t<time>\n", text, count=1)


def read_lines(path):
    with open(path, "rb") as f:
        return f.read().split(b"\r\n")


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))


def check_concurrent(r):
    cases = {"a": "example.trb", "b": "convection.trb"}
    folders = {key: r.folder(key, [case]) for key, case in cases.items()}
    reference = {}
    for key, case in cases.items():
        code, _, err = r.run(folders[key], case, "/I", "/NOGUI")
        if code != 0:
            fail(f"{case} alone: exit {code}: {err}")
        reference[key] = report_text(os.path.join(folders[key], case.replace(".trb", ".txt")))
    if reference["a"] == reference["b"]:
        fail("the two cases give the same report")
    for round_ in range(ROUNDS):
        for key, case in cases.items():
            os.remove(os.path.join(folders[key], case.replace(".trb", ".txt")))
        processes = {key: r.start(folders[key], case, "/I", "/NOGUI") for key, case in cases.items()}
        for key, process in processes.items():
            _, err = process.communicate()
            if process.returncode != 0:
                fail(f"round {round_}: {cases[key]} exit {process.returncode}: {err.decode()}")
        for key, case in cases.items():
            text = report_text(os.path.join(folders[key], case.replace(".trb", ".txt")))
            if text != reference[key]:
                fail(f"round {round_}: the report of {case} does not hold its own case")
    left = r.temporary_files()
    if left:
        fail(f"left in the temporary folder: {left}")


def check_outputs(r):
    folder = r.folder("case", ["example.trb"])
    for args in (("/I", "/NOGUI"), ("/CAD5:1", "/NOGUI")):
        code, _, err = r.run(folder, "example.trb", *args)
        if code != 0:
            fail(f"{args}: exit {code}: {err}")
    report = os.path.join(folder, "example.txt")
    dump = os.path.join(folder, "example.dump.txt")
    if not os.path.exists(report) or not os.path.exists(dump):
        fail(f"files written: {sorted(os.listdir(folder))}")
    if "Lagerkraft\tF\t" not in report_text(report):
        fail("example.txt is not the report")
    with open(dump, encoding="latin-1") as f:
        if "MINMAX\t" not in f.read():
            fail("example.dump.txt is not the text dump")
    if r.temporary_files():
        fail(f"left in the temporary folder: {r.temporary_files()}")


def check_overflow(r):
    folder = r.folder("overflow")
    example = read_lines(os.path.join(r.data, "example.trb"))
    # Line 33 is the supply pressure, line 36 the specific heat of the lubricant.
    for name, line in (("pressure", 33), ("heat", 36)):
        lines = list(example)
        lines[line - 1] = b"1e4932"
        write_lines(os.path.join(folder, name + ".trb"), lines)
        code, _, err = r.run(folder, name + ".trb", "/I", "/NOGUI")
        if code != 3 or "Fatal  : Zahlenbereich !" not in err:
            fail(f"{name} /I: exit {code}: {err}")
        with open(os.path.join(folder, name + ".txt"), encoding="utf-8") as f:
            report = f.read()
        if "Fatal  : Zahlenbereich !" not in report or "Lagerkraft\tF\t" in report:
            fail(f"{name}.txt does not show the message instead of results")
        code, _, err = r.run(folder, name + ".trb", "/JSON", "/NOGUI")
        with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
            case = json.load(f)
        if case["failed"] is not True or "Fatal  : Zahlenbereich !" not in case["messages"]:
            fail(f"{name}.json: failed {case['failed']}, messages {case['messages']}")
        for key, value in case.items():
            if isinstance(value, float) and not math.isfinite(value):
                fail(f"{name}.json: {key} is beyond what a double holds")
        if r.temporary_files():
            fail(f"left in the temporary folder: {r.temporary_files()}")


def check_damaged(r):
    folder = r.folder("damaged")
    example = read_lines(os.path.join(r.data, "example.trb"))
    large = list(example)
    large[8] = b"x" * (10 << 20)  # line 9, the drawing name
    write_lines(os.path.join(folder, "large.trb"), large)
    write_lines(os.path.join(folder, "short.trb"), example[:30] + [b""])  # ends after line 30
    expected = {
        "large": "Datei large.trb ist zu gro\u00df: gelesen bis Zeile 9 !",
        "short": "Datei short.trb ist unvollst\u00e4ndig: sie endet in Zeile 30 !",
    }
    for name, message in expected.items():
        code, _, err = r.run(folder, name + ".trb", "/I", "/NOGUI")
        if message not in err:
            fail(f"{name}.trb /I: exit {code}, no \"{message}\" in: {err}")
        # Read as far as it goes: both stop before the inputs the run needs.
        if code != 3 or not os.path.exists(os.path.join(folder, name + ".txt")):
            fail(f"{name}.trb /I: exit {code}: {err}")


CHECKS = {"concurrent": check_concurrent, "outputs": check_outputs, "overflow": check_overflow,
          "damaged": check_damaged}

if __name__ == "__main__":
    if len(sys.argv) != 5 or sys.argv[1] not in CHECKS:
        fail(__doc__)
    CHECKS[sys.argv[1]](Runner(*sys.argv[2:]))
